// Reading assistant files: what a well-formed file holds, and every kind of mistake
// reported at its line and column with what was expected there.

#include <gtest/gtest.h>

#include "tests/run/run_support.hpp"
#include "tools/panelkit-run/core/kind.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"

namespace panelkit2::run::test {
namespace {

TEST(AssistantFile, PagesControlsHeadingsAndConditionsAreReadInOrder) {
    const Assistant assistant = Load(R"(title = "Setup"
[[page]]
id = "first"
caption = "First"
heading = [{ text = "Intro" }, { list = ["a", "b"] }]
[[page.control]]
kind = "check"
id = "tls"
caption = "TLS"
common_actions = ["always"]
options = [{ text = "true", actions = ["on", "x,y"] }]
default = true
[[page]]
id = "second"
caption = "Second"
show_if = { control = "tls", equals = true }
[[page.control]]
kind = "numbox"
id = "port"
caption = "Port"
min = 1
max = 9
conditional_actions = [{ min = 1, max = 3, actions = ["low"] }]
)");
    EXPECT_EQ(assistant.title, "Setup");
    ASSERT_EQ(assistant.pages.size(), 2u);
    const Page& first = assistant.pages[0];
    ASSERT_EQ(first.heading.size(), 2u);
    EXPECT_EQ(first.heading[1].type, HeadingEntry::Type::List);
    EXPECT_EQ(first.heading[1].lines, (std::vector<std::string>{"a", "b"}));
    const ControlDef& tls = first.controls.at(0);
    EXPECT_EQ(tls.kind, FindKind("check"));
    EXPECT_EQ(tls.commonActions, (std::vector<std::string>{"always"}));
    // State names are kept upper-cased; an action holding a comma stays one action.
    EXPECT_EQ(tls.options.at(0).text, "TRUE");
    EXPECT_EQ(tls.options.at(0).actions, (std::vector<std::string>{"on", "x,y"}));
    EXPECT_EQ(tls.defaultValue, Json(true));
    EXPECT_EQ(tls.place.line, 6u);
    const Page& second = assistant.pages[1];
    ASSERT_TRUE(second.showIf.has_value());
    EXPECT_EQ(second.showIf->control, "tls");
    EXPECT_EQ(second.controls.at(0).conditionalActions.at(0).actions,
              (std::vector<std::string>{"low"}));
    EXPECT_EQ(assistant.PageOf("port"), &second);
}

TEST(AssistantFile, EveryKindOfTheLibraryHasAnAdapter) {
    EXPECT_EQ(AllKinds().size(), 12u);
    for (int16_t id = 0; id < 12; ++id) {
        int found = 0;
        for (const Kind* kind : AllKinds()) found += static_cast<int16_t>(kind->Id()) == id;
        EXPECT_EQ(found, 1) << "control id " << id;
    }
}

TEST(AssistantFile, MistakesInTheFileItselfNameTheirPlace) {
    EXPECT_EQ(LoadFailure("title = \"x\"\n[[page]\n"),
              "2:8: Error while parsing table header: expected ']', saw '\\n'");
    EXPECT_EQ(LoadFailure("title = \"x\"\n"),
              "1:1: the assistant has no pages: add a [[page]] table");
    EXPECT_EQ(LoadFailure("title = 3\n[[page]]\nid=\"a\"\ncaption=\"A\"\n"),
              "1:9: \"title\" must be a text, found a whole number");
    EXPECT_EQ(LoadFailure("title = \"x\"\nsubtitle = \"y\"\n[[page]]\nid=\"a\"\ncaption=\"A\"\n"),
              "2:1: unknown key \"subtitle\"; expected one of: title, page");
}

TEST(AssistantFile, MistakesInPagesNameThePage) {
    const std::string page = "title = \"x\"\n[[page]]\nid = \"a\"\ncaption = \"A\"\n";
    EXPECT_EQ(LoadFailure("title = \"x\"\n[[page]]\ncaption = \"A\"\n"),
              "2:1: page 1: \"id\" is missing (a text)");
    EXPECT_EQ(LoadFailure("title = \"x\"\n[[page]]\nid = \"a b\"\ncaption = \"A\"\n"),
              "3:6: page 1: \"id\" may hold only letters, digits, \"_\", \"-\" and \".\", "
              "found \"a b\"");
    EXPECT_EQ(LoadFailure(page + "[[page]]\nid = \"a\"\ncaption = \"B\"\n"),
              "6:6: page 'a': another page has the id \"a\"");
    EXPECT_EQ(LoadFailure(page + "heading = [{ text = \"t\", list = [\"l\"] }]\n"),
              "5:12: page 'a', heading: a heading entry is either { text = \"...\" } or "
              "{ list = [...] }");
    EXPECT_EQ(LoadFailure(page + "heading = [{ text = \"t\" }, { text = \"u\" }]\n"),
              "5:28: page 'a': two texts in a row would run into one; write them as one text");
    EXPECT_EQ(LoadFailure(page + "captoin = \"B\"\n"),
              "5:1: page 'a': unknown key \"captoin\"; expected one of: id, caption, heading, "
              "show_if, control");
}

TEST(AssistantFile, MistakesInControlsNameTheControlAndWhatWasExpected) {
    const auto control = [](const std::string& fields) {
        return LoadFailure(OnePage("[[page.control]]\n" + fields));
    };
    EXPECT_EQ(control("kind = \"dial\"\nid = \"d\"\n"),
              "6:8: page 'p', control 1: unknown kind \"dial\"; expected one of: check, combo, "
              "command, continuousslide, list, multilist, numbox, radio, realnumbox, slide, "
              "stringbox, textarea");
    EXPECT_EQ(control("kind = \"check\"\nid = \"c\"\n"),
              "5:1: control 'c': \"caption\" is missing (a text)");
    EXPECT_EQ(control("kind = \"numbox\"\nid = \"n\"\ncaption = \"N\"\nmin = 1\nmax = \"9\"\n"),
              "10:7: control 'n': \"max\" must be a number, found a text");
    EXPECT_EQ(control("kind = \"numbox\"\nid = \"n\"\ncaption = \"N\"\nmin = 1.5\nmax = 9\n"),
              "9:7: control 'n': \"min\" expected a whole number");
    EXPECT_EQ(control("kind = \"numbox\"\nid = \"n\"\ncaption = \"N\"\nmin = 9\nmax = 1\n"),
              "10:7: control 'n': \"max\" must lie above \"min\"");
    EXPECT_EQ(control("kind = \"radio\"\nid = \"r\"\ncaption = \"R\"\noptions = [{ text = \"a\" }, "
                      "{ text = \"a\" }]\n"),
              "9:28: control 'r': \"a\" is named twice in \"options\"");
    EXPECT_EQ(
        control("kind = \"radio\"\nid = \"r\"\ncaption = \"R\"\noptions = [{ text = \"a\" }]\n"
                "default = \"b\"\n"),
        "10:11: control 'r': \"default\": \"b\" is not one of \"a\"");
    EXPECT_EQ(control("kind = \"check\"\nid = \"c\"\ncaption = \"C\"\noptions = [{ text = \"yes\" "
                      "}]\n"),
              "9:12: control 'c': an option's text must be \"TRUE\" or \"FALSE\"");
    EXPECT_EQ(control("kind = \"slide\"\nid = \"s\"\ncaption = \"S\"\nticks = [{ caption = \"a\" "
                      "}]\n"),
              "9:9: control 's': \"ticks\" needs at least 2 entries");
    EXPECT_EQ(
        control("kind = \"radio\"\nid = \"r\"\ncaption = \"R\"\noptions = [{ text = \"a\" }]\n"
                "required = true\n"),
        "10:1: control 'r': unknown key \"required\"; expected one of: kind, id, caption, "
        "common_actions, options, default");
    EXPECT_EQ(control("kind = \"multilist\"\nid = \"m\"\ncaption = \"M\"\nitems = [{ text = "
                      "\"a|b\" }]\n"),
              "9:19: control 'm': \"a|b\" must not hold \"|\"");
    EXPECT_EQ(control("kind = \"continuousslide\"\nid = \"c\"\ncaption = \"C\"\ndecimal_place = "
                      "1\nmin = 0\nmax = 2\ndefault = 1.25\n"),
              "12:11: control 'c': \"default\": 1.25 has more than 1 decimal places");
    EXPECT_EQ(control("kind = \"continuousslide\"\nid = \"c\"\ncaption = \"C\"\ndecimal_place = "
                      "2\nmin = 0\nmax = 400\n"),
              "11:7: control 'c': \"max\" lies beyond what the control holds (-327.68 to "
              "327.67)");
    EXPECT_EQ(control("kind = \"realnumbox\"\nid = \"x\"\ncaption = \"X\"\nmin = 0\nmax = 9\n"
                      "conditional_actions = [{ min = 1, max = 2, actions = [\"a\"] }, "
                      "{ min = 1, max = 2, actions = [\"b\"] }]\n"),
              "11:63: control 'x': a second sub-range from 1 to 2; give its actions to the "
              "first one");
    EXPECT_EQ(control("kind = \"textarea\"\nid = \"t\"\ncaption = \"T\"\ndefault = 1979-05-27\n"),
              "9:11: control 't': dates and times are not values of a control");
    EXPECT_EQ(control("kind = \"check\"\nid = \"c\"\ncaption = \"C\"\ncommon_actions = [\"\"]\n"),
              "9:19: control 'c': \"common_actions\" must not hold an empty text");
}

TEST(AssistantFile, ConditionsNameAnEarlierControlAndATestItsAnswerCanPass) {
    const std::string first = R"(title = "x"
[[page]]
id = "a"
caption = "A"
[[page.control]]
kind = "radio"
id = "r"
caption = "R"
options = [{ text = "one" }, { text = "two" }]
[[page]]
id = "b"
caption = "B"
)";
    EXPECT_EQ(LoadFailure(first), "");
    EXPECT_EQ(LoadFailure(first + "show_if = { control = \"later\", equals = \"one\" }\n"),
              "13:23: page 'b', show_if: \"later\" is no control on an earlier page");
    EXPECT_EQ(LoadFailure(first + "show_if = { control = \"r\", equals = \"three\" }\n"),
              "13:37: page 'b', show_if: \"equals\": \"three\" is not one of \"one\", \"two\"");
    EXPECT_EQ(LoadFailure(first + "show_if = { control = \"r\", at_least = 2 }\n"),
              "13:39: page 'b', show_if: \"at_least\": only numbers compare as at least or at "
              "most");
    EXPECT_EQ(LoadFailure(first + "show_if = { control = \"r\" }\n"),
              "13:11: page 'b', show_if: a condition needs a test: equals, not_equals, any_of, "
              "contains, at_least or at_most");
}

}  // namespace
}  // namespace panelkit2::run::test
