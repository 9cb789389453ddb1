// `save` and `load` of a control's persisted properties.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/console/console_harness.hpp"

namespace panelkit2::console_test {
namespace {

class ConsolePersistence : public testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(mDirectory); }
    void TearDown() override { std::filesystem::remove_all(mDirectory); }

    // A file in the test's own directory, as a script literal.
    std::string File(const std::string& name) const {
        return "\"" + (mDirectory / name).string() + "\"";
    }

    std::filesystem::path mDirectory =
        std::filesystem::path(testing::TempDir()) /
        ("console_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(ConsolePersistence, ALoadedControlHasTheSavedProperties) {
    EXPECT_EQ(Output("c = new Test.Control\nc.Caption = \"Saved \"\"caption\"\"\"\nsave c " +
                     File("c.bag") + "\nc.Caption = \"changed\"\nd = load Test.Control " +
                     File("c.bag") + "\nprint d\nprint d.Caption\nprint c.Caption\n"),
              "<Test.Control>\nSaved \"caption\"\nchanged\n");
}

TEST_F(ConsolePersistence, OnlyControlsSaveAndLoad) {
    EXPECT_EQ(Output("t = new Test.Thing\nsave t " + File("t.bag") + "\nd = load Test.Thing " +
                     File("t.bag") + "\nprint d\nsave 5 " + File("t.bag") + "\n"),
              "error 438 panelkit-console: Test.Thing is not a control: only controls save and "
              "load properties\n"
              "error 438 panelkit-console: Test.Thing is not a control: only controls save and "
              "load properties\n"
              "error 500 panelkit-console: Variable is undefined: 'd'\n"
              "error 424 panelkit-console: Object required\n");
    EXPECT_FALSE(std::filesystem::exists(mDirectory / "t.bag"));
}

TEST_F(ConsolePersistence, AMissingFileIsAnErrorLine) {
    const std::string output = Output("d = load Test.Control " + File("none.bag") + "\nprint 1\n");
    EXPECT_TRUE(output.starts_with("error 53 ") && output.ends_with("\n1\n")) << output;
}

}  // namespace
}  // namespace panelkit2::console_test
