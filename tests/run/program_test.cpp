// The program as a user runs it: its options, its exit statuses, its output and the files
// it writes.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/panelkit-run/core/json_value.hpp"

namespace panelkit2::run::test {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string output;
};

// Runs the program with the arguments (shell words), standard error after standard output.
Outcome RunProgram(const std::string& arguments) {
    // Qt's own libraries keep allocations past exit; only those are suppressed.
    const std::string command = "LSAN_OPTIONS=suppressions=" + std::string(PANELKIT_RUN_SOURCE) +
                                "/qt/lsan.supp:print_suppressions=0 " + PANELKIT_RUN_PROGRAM + " " +
                                arguments + " 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return outcome;
    char buffer[4096];
    size_t read = 0;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.output.append(buffer, read);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

std::string Example(const std::string& name) {
    return std::string(PANELKIT_RUN_EXAMPLES) + "/" + name;
}

class ProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("panelkit-run-" + std::to_string(getpid()) + "-" + test->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = dir / name;
        std::ofstream(path) << text;
        return path.string();
    }

    fs::path dir;
};

TEST_F(ProgramTest, HelpListsEveryOption) {
    const Outcome help = RunProgram("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--answers", "--result", "--unattended", "--screenshot-dir",
                               "--help", "FILE", "Exit status"})
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
    const Outcome wrong = RunProgram("--colour");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.output.find("--unattended"), std::string::npos);
}

TEST_F(ProgramTest, FinishPrintsTheActionsAndTheResultGoesToItsFileOrAfterThem) {
    const std::string assistant = Example("workstation.toml");
    const std::string answers = Example("workstation.answers.json");
    const Outcome both =
        RunProgram(assistant + " --unattended --answers " + answers + " --result -");
    ASSERT_EQ(both.status, 0) << both.output;
    const size_t firstLine = both.output.find('\n');
    EXPECT_EQ(both.output.substr(0, firstLine),
              "region=DE,lang=en,date=iso,tz=Europe/Berlin,kbd=de,kbd.delay=short,"
              "kbd.repeat=custom,updates=auto,channel=stable,restart=day,restart.warn=15min,"
              "restart.message=custom");
    const Json printed = Json::parse(both.output.substr(firstLine + 1));
    EXPECT_EQ(printed, Json::parse(std::ifstream(Example("workstation.expected.json"))));

    // Written to a file, then fed back as the answers: the same result again.
    const std::string first = (dir / "first.json").string();
    const std::string second = (dir / "second.json").string();
    ASSERT_EQ(
        RunProgram(assistant + " --unattended --answers " + answers + " --result " + first).status,
        0);
    ASSERT_EQ(
        RunProgram(assistant + " --unattended --answers " + first + " --result " + second).status,
        0);
    EXPECT_EQ(Json::parse(std::ifstream(first)), Json::parse(std::ifstream(second)));
}

TEST_F(ProgramTest, MistakesEndWithTheirStatusAndAMessage) {
    const std::string broken = Write("broken.toml", "title = \"x\"\n[[page]]\nid = \"a\"\n");
    const Outcome load = RunProgram(broken + " --unattended");
    EXPECT_EQ(load.status, 2);
    EXPECT_EQ(load.output,
              "panelkit-run: " + broken + ":2:1: page 'a': \"caption\" is missing (a text)\n");
    EXPECT_EQ(RunProgram((dir / "missing.toml").string() + " --unattended").status, 2);

    const std::string wrong = Write("wrong.json", R"({"keyboard": {"repeat_rate": 99}})");
    const Outcome answers =
        RunProgram(Example("workstation.toml") + " --unattended --answers " + wrong);
    EXPECT_EQ(answers.status, 3);
    EXPECT_EQ(answers.output, "panelkit-run: " + wrong +
                                  ": page 'keyboard', control 'repeat_rate': 99 lies outside the "
                                  "range 2 to 50\n");
    // The share's rows are required and the answers leave them empty.
    const std::string missing =
        Write("missing.json", R"({"targets": {"targets": ["A network share"]}})");
    const Outcome required =
        RunProgram(Example("backup.toml") + " --unattended --answers " + missing);
    EXPECT_EQ(required.status, 3);
    EXPECT_EQ(required.output,
              "panelkit-run: page 'share', control 'share': a value is required "
              "and none was given\n");

    const Outcome unwritable = RunProgram(Example("workstation.toml") + " --unattended --result " +
                                          (dir / "no/such.json").string());
    EXPECT_EQ(unwritable.status, 4);
}

#ifdef PANELKIT_RUN_WINDOW
TEST_F(ProgramTest, ScreenshotsShowEveryPageTheRunShows) {
    const Outcome run =
        RunProgram(Example("backup.toml") + " --answers " + Example("backup.answers.json") +
                   " --screenshot-dir " + (dir / "shots").string());
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* name : {"01-schedule.png", "02-retention.png", "03-targets.png",
                             "04-share.png", "05-network.png"}) {
        std::ifstream picture(dir / "shots" / name, std::ios::binary);
        char signature[4] = {};
        picture.read(signature, 4);
        EXPECT_EQ(std::string(signature + 1, 3), "PNG") << name;
    }
    EXPECT_FALSE(fs::exists(dir / "shots" / "06-network.png"));
}
#endif

}  // namespace
}  // namespace panelkit2::run::test
