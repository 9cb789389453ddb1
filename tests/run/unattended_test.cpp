// Runs without a window: the examples against their expected results, a result fed back as
// answers, pages shown or skipped by their conditions, and the way back in a run.

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "panelkit2/choice/check.hpp"
#include "tests/run/run_support.hpp"
#include "tools/panelkit-run/core/kind.hpp"
#include "tools/panelkit-run/core/session.hpp"

namespace panelkit2::run::test {
namespace {

std::string Example(const std::string& name) {
    return std::string(PANELKIT_RUN_EXAMPLES) + "/" + name;
}

Json ReadJson(const std::string& path) {
    std::ifstream file(path);
    return Json::parse(file);
}

// The page's actions are the container's own; joined, the lists of its controls read the
// same, the controls' empty answers after the first one leaving empty entries.
void ExpectListsJoinAsTheContainerDoes(const RunResult& result) {
    for (const PageResult& page : result.pages) {
        std::string joined;
        for (const ControlResult& control : page.controls) {
            const std::string own = Joined(control.actions);
            if (!joined.empty()) joined += ',';
            joined += own;
        }
        EXPECT_EQ(joined, page.actions) << page.id;
    }
}

class ExampleTest : public testing::TestWithParam<std::string> {};

TEST_P(ExampleTest, RunsUnattendedToItsExpectedResultAndFedBackReproducesIt) {
    const Assistant assistant = LoadAssistantFile(Example(GetParam() + ".toml"));
    const Answers answers = Answers::FromFile(Example(GetParam() + ".answers.json"), assistant);
    const RunResult result = RunUnattended(assistant, answers);
    EXPECT_EQ(result.ToJson(), ReadJson(Example(GetParam() + ".expected.json")));
    ExpectListsJoinAsTheContainerDoes(result);

    const Json fedBack =
        RunUnattended(assistant, AnswersFor(assistant, result.ToJson().dump())).ToJson();
    EXPECT_EQ(fedBack, result.ToJson());
}

INSTANTIATE_TEST_SUITE_P(Assistants, ExampleTest,
                         testing::Values("web-service", "backup", "workstation"));

TEST(Unattended, TheExamplesTogetherUseEveryKind) {
    std::set<std::string> kinds;
    for (const char* name : {"web-service", "backup", "workstation"})
        for (const Page& page : LoadAssistantFile(Example(std::string(name) + ".toml")).pages)
            for (const ControlDef& control : page.controls)
                kinds.insert(std::string(control.kind->Name()));
    EXPECT_EQ(kinds.size(), 12u);
}

const char* const kBranching = R"(title = "Branches"
[[page]]
id = "start"
caption = "Start"
[[page.control]]
kind = "check"
id = "tls"
caption = "TLS"
options = [{ text = "TRUE", actions = ["tls=on"] }]
[[page.control]]
kind = "numbox"
id = "copies"
caption = "Copies"
min = 0
max = 10
[[page.control]]
kind = "multilist"
id = "extras"
caption = "Extras"
items = [{ text = "Mail", actions = ["mail"] }, { text = "Chat" }]
[[page]]
id = "tls_page"
caption = "Certificates"
show_if = { control = "tls", equals = true }
[[page.control]]
kind = "radio"
id = "source"
caption = "Source"
options = [{ text = "Automatic", actions = ["cert=auto,renew"] }, { text = "Files" }]
[[page]]
id = "many"
caption = "Many copies"
show_if = { control = "copies", at_least = 3, at_most = 5 }
[[page]]
id = "mail"
caption = "Mail"
show_if = { control = "extras", contains = "Mail" }
[[page]]
id = "not_files"
caption = "Not files"
show_if = { control = "source", any_of = ["Automatic"] }
)";

std::vector<std::string> PagesShown(const std::string& answers) {
    const Assistant assistant = Load(kBranching);
    std::vector<std::string> ids;
    for (const PageResult& page : RunUnattended(assistant, AnswersFor(assistant, answers)).pages)
        ids.push_back(page.id);
    return ids;
}

TEST(Unattended, PagesAreShownWhenTheirConditionHoldsForAnAnswerOnAShownPage) {
    using Ids = std::vector<std::string>;
    EXPECT_EQ(PagesShown("{}"), (Ids{"start"}));
    EXPECT_EQ(PagesShown(R"({"start": {"tls": true}})"), (Ids{"start", "tls_page", "not_files"}));
    EXPECT_EQ(PagesShown(R"({"start": {"tls": true}, "tls_page": {"source": "Files"}})"),
              (Ids{"start", "tls_page"}));
    EXPECT_EQ(PagesShown(R"({"start": {"copies": 3, "extras": ["Chat", "Mail"]}})"),
              (Ids{"start", "many", "mail"}));
    EXPECT_EQ(PagesShown(R"({"start": {"copies": 6}})"), (Ids{"start"}));
    // The source's page is skipped: no answer of it holds a condition.
    EXPECT_EQ(PagesShown(R"({"tls_page": {"source": "Automatic"}})"), (Ids{"start"}));
}

TEST(Unattended, AnActionHoldingACommaStaysOneEntry) {
    const Assistant assistant = Load(kBranching);
    const RunResult result =
        RunUnattended(assistant, AnswersFor(assistant, R"({"start": {"tls": true}})"));
    ASSERT_EQ(result.pages.size(), 3u);
    EXPECT_EQ(result.pages[1].controls[0].actions, (ActionList{"cert=auto,renew"}));
    EXPECT_EQ(result.pages[1].actions, "cert=auto,renew");
    // The number and the list answer nothing: their empty entries stay, as the container
    // joins them.
    EXPECT_EQ(result.pages[0].actions, "tls=on,,");
    EXPECT_EQ(result.Actions(), "tls=on,,,cert=auto,renew");
}

TEST(Session, BackKeepsWhatWasChosenAndTheWayForwardFollowsItAgain) {
    const Assistant assistant = Load(kBranching);
    ControlPort port;
    const Answers none;
    Session session(assistant, port, none);
    session.Start();
    EXPECT_FALSE(session.CanGoBack());
    auto& tls = static_cast<Check&>(*session.Controls()[0].control);
    tls.Value(true);
    ASSERT_TRUE(session.Next());
    EXPECT_EQ(session.CurrentPage().id, "tls_page");
    EXPECT_TRUE(session.MayHavePageAfter());
    session.Back();
    EXPECT_EQ(session.CurrentPage().id, "start");
    // The control shown again holds what was chosen before.
    auto& again = static_cast<Check&>(*session.Controls()[0].control);
    EXPECT_TRUE(again.Value());
    again.Value(false);
    EXPECT_FALSE(session.Next());
    const RunResult result = session.Result();
    ASSERT_EQ(result.pages.size(), 1u);
    EXPECT_EQ(result.pages[0].controls[0].value, Json(false));
}

}  // namespace
}  // namespace panelkit2::run::test
