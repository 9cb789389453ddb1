// Answers given ahead: both forms are read, and every unknown or invalid answer, and every
// required value left missing, ends the run with a message naming page, control and reason.

#include <gtest/gtest.h>

#include "tests/run/run_support.hpp"

namespace panelkit2::run::test {
namespace {

const char* const kAssistant = R"(title = "Service"
[[page]]
id = "net"
caption = "Network"
[[page.control]]
kind = "numbox"
id = "port"
caption = "Port"
min = 1
max = 65535
default = 8080
[[page.control]]
kind = "radio"
id = "proto"
caption = "Protocol"
options = [{ text = "HTTP" }, { text = "HTTPS" }]
[[page.control]]
kind = "continuousslide"
id = "share"
caption = "Share"
decimal_place = 1
min = 0
max = 1
[[page]]
id = "names"
caption = "Names"
[[page.control]]
kind = "stringbox"
id = "host"
options = [{ text = "Host" }, { text = "Alias" }]
required = true
[[page.control]]
kind = "combo"
id = "where"
elements = [{ caption = "Region", items = [{ text = "EU" }, { text = "US" }] }]
[[page.control]]
kind = "multilist"
id = "extras"
caption = "Extras"
items = [{ text = "Mail" }, { text = "Chat" }]
)";

class AnswersTest : public testing::Test {
  protected:
    std::string Failure(const std::string& json) { return RunFailure(assistant, json); }
    const Assistant assistant = Load(kAssistant);
};

TEST_F(AnswersTest, BothFormsAreReadAndAPlainTextStandsForAListOfOne) {
    const Answers plain = AnswersFor(
        assistant, R"({"net": {"port": 443}, "names": {"host": ["h", "a"], "where": "US"}})");
    EXPECT_EQ(plain.Count(), 3u);
    EXPECT_EQ(*plain.Find("net", "port"), Json(443));
    EXPECT_EQ(plain.Find("net", "proto"), nullptr);
    const Answers result = AnswersFor(assistant, R"({"assistant": "Service", "pages": [
        {"id": "net", "controls": [{"id": "proto", "kind": "radio", "value": "HTTPS",
                                    "actions": []}]}], "actions": ""})");
    EXPECT_EQ(result.Count(), 1u);
    EXPECT_EQ(*result.Find("net", "proto"), Json("HTTPS"));
    EXPECT_EQ(Failure(R"({"names": {"host": ["h", ""], "where": "US"}})"),
              "page 'names', control 'host': a value is required and none was given");
    EXPECT_EQ(Failure(R"({"names": {"host": ["h", "a"], "where": "US"}})"), "");
}

TEST_F(AnswersTest, UnknownPagesControlsAndKindsAreRefused) {
    EXPECT_EQ(Failure(R"({"network": {"port": 1}})"), "answers.json: no page has the id 'network'");
    EXPECT_EQ(Failure(R"({"net": {"prot": 1}})"),
              "answers.json: page 'net', control 'prot': no such control on this page (it has: "
              "port, proto, share)");
    EXPECT_EQ(Failure(R"({"names": {"port": 1}})"),
              "answers.json: page 'names', control 'port': no such control on this page (it "
              "has: host, where, extras)");
    EXPECT_EQ(Failure(R"({"pages": [{"id": "net", "controls": [{"id": "port", "kind": "radio",
                                                                "value": 1}]}]})"),
              "answers.json: page 'net', control 'port': the control is a numbox, not \"radio\"");
    EXPECT_EQ(Failure(R"({"pages": [{"id": "net", "controls": [{"id": "port"}]}]})"),
              "answers.json: page 'net', control 'port': \"value\" is missing");
    EXPECT_EQ(Failure(R"({"net": [1]})"),
              "answers.json: page 'net': expected an object of control ids and their values, "
              "found a list");
    EXPECT_EQ(Failure("[1]"),
              "answers.json: expected an object of page ids, or a result with \"pages\"");
    EXPECT_EQ(Failure("{\n  \"net\": {\"port\": 8\n}"),
              "answers.json:3:2: not valid JSON: "
              "unexpected end of input; expected '}'");
}

TEST_F(AnswersTest, ValuesOfTheWrongTypeOutsideTheRangeOrNamingNoOptionAreRefused) {
    const auto about = [](const std::string& page, const std::string& control,
                          const std::string& reason) {
        return "answers.json: page '" + page + "', control '" + control + "': " + reason;
    };
    EXPECT_EQ(Failure(R"({"net": {"port": 70000}})"),
              about("net", "port", "70000 lies outside the range 1 to 65535"));
    EXPECT_EQ(Failure(R"({"net": {"port": 80.5}})"),
              about("net", "port", "80.5 expected a whole number"));
    EXPECT_EQ(Failure(R"({"net": {"port": "80"}})"),
              about("net", "port", "expected a whole number, found a text"));
    EXPECT_EQ(Failure(R"({"net": {"proto": "FTP"}})"),
              about("net", "proto", "\"FTP\" is not one of \"HTTP\", \"HTTPS\""));
    EXPECT_EQ(Failure(R"({"net": {"share": 0.55}})"),
              about("net", "share", "0.55 has more than 1 decimal places"));
    EXPECT_EQ(Failure(R"({"names": {"host": ["only one"]}})"),
              about("names", "host", "expected 2 texts, one per row"));
    EXPECT_EQ(Failure(R"({"names": {"host": ["a", "b\nc"]}})"),
              about("names", "host", "row \"Alias\": a row holds one line"));
    EXPECT_EQ(Failure(R"({"names": {"where": ["Asia"]}})"),
              about("names", "where", "list \"Region\": \"Asia\" is not one of \"EU\", \"US\""));
    EXPECT_EQ(Failure(R"({"names": {"extras": ["Mail", "Mail"]}})"),
              about("names", "extras", "\"Mail\" is chosen twice"));
    EXPECT_EQ(Failure(R"({"names": {"extras": "Mail"}})"),
              about("names", "extras", "expected a list of texts, found a text"));
}

}  // namespace
}  // namespace panelkit2::run::test
