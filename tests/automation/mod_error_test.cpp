// The re-raise forms and the conversion of standard-library failures.

#include "panelkit2/automation/mod_error.hpp"
#include "support/assertions.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace panelkit2 {
namespace {

const AutomationError kInner(13, "inner", "Type mismatch", "help.chm", 42);

TEST(ReRaise, FullShortAndTrailFormsKeepWhatTheyPromise) {
    auto full = test::Caught([] { FullReRaise("PanelKit::X.Y", [] { throw kInner; }); });
    EXPECT_EQ(full.Number(), 13);
    EXPECT_EQ(full.Source(), "PanelKit::X.Y");
    EXPECT_EQ(full.HelpFile(), "help.chm");
    EXPECT_EQ(full.HelpContext(), 42);

    auto brief = test::Caught([] { ShortReRaise("PanelKit::X.Z", [] { throw kInner; }); });
    EXPECT_EQ(brief.Source(), "PanelKit::X.Z");
    EXPECT_EQ(brief.Description(), "Type mismatch");
    EXPECT_EQ(brief.HelpFile(), "");
    EXPECT_EQ(brief.HelpContext(), 0);

    // Three levels of trails read as a path from the innermost source outwards.
    auto trail = test::Caught([] {
        SourceTrail("|PanelKit2.ControlPort::Position",
                    [] { SourceTrail("|PanelKit::Slide.AddHelp", [] { throw kInner; }); });
    });
    EXPECT_EQ(trail.Source(), "inner|PanelKit::Slide.AddHelp|PanelKit2.ControlPort::Position");
}

TEST(ReRaise, IndexFamilyEndsQuietlyOnlyForSubscriptErrors) {
    int written = -1;
    std::string found = IndexFamily<std::string>(
        "PanelKit::List.List(Get)", "",
        [](std::string&) -> std::string { RaiseStandard(err::SubscriptOutOfRange); },
        [&] { written = 3; });
    EXPECT_EQ(found, "");
    EXPECT_EQ(written, 3);

    auto other = test::Caught([] {
        IndexFamily<int>(
            "PanelKit::List.List(Get)", 0, [](int&) -> int { throw kInner; }, [] {});
    });
    EXPECT_EQ(other.Number(), 13);
    EXPECT_EQ(other.Source(), "PanelKit::List.List(Get)");
    EXPECT_EQ(other.HelpFile(), "");
}

TEST(ReRaise, SwallowEndsSilentlyForItsNumberOnly) {
    EXPECT_NO_THROW(Swallow(360, [] { RaiseStandard(360); }));
    EXPECT_EQ(test::Caught([] { Swallow(360, [] { RaiseStandard(380); }); }).Number(), 380);
}

TEST(ReRaise, StandardLibraryFailuresBecomeAutomationErrors) {
    EXPECT_EQ(test::Caught([] { FullReRaise("s", [] { throw std::out_of_range("x"); }); }).Number(),
              9);
    EXPECT_EQ(test::Caught([] { FullReRaise("s", [] { throw std::bad_alloc(); }); }).Number(), 7);
    EXPECT_EQ(test::Caught([] { FullReRaise("s", [] { throw std::logic_error("x"); }); }).Number(),
              5);
}

}  // namespace
}  // namespace panelkit2
