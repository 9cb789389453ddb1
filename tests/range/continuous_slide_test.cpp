#include "panelkit2/range/continuous_slide.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"

namespace panelkit2::test {
namespace {

using Seen = std::vector<std::string>;

class ContinuousSlideTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host::Host::Current().ResetServices();
        slide->Advise(events);
    }
    void TearDown() override { host::Host::Current().Focus(nullptr); }

    // 0 to 1 in hundredths.
    void Hundredths() {
        slide->SetDecimalPlace(2);
        slide->DefaultMin(0);
        slide->DefaultMax(1);
    }
    // Two overlapping sub-ranges after a common action; help on the lower one.
    void FillHalves() {
        Hundredths();
        slide->AddAction("C");
        slide->AddOption(0, 0.5f);
        slide->AddAction("A");
        slide->AddHelp("lower half");
        slide->AddOption(0.4f, 1);
        slide->AddAction("B");
        events->Take();
    }
    host::Slider& Track() { return slide->Track(); }
    // What HelpPop reports for `help` with the thumb at `position` of `span`.
    std::string ExpectedHelpPop(const std::string& help, double position, double span) {
        const double x = Track().Left() + std::round(position * Track().Width() / span);
        const double y = Track().Top() - slide->Surface().TextHeight(help) - 200;
        return "HelpPop " + help + "," + std::to_string(std::lround(x)) + "," +
               std::to_string(std::lround(y));
    }

    std::shared_ptr<ContinuousSlide> slide = std::make_shared<ContinuousSlide>();
    std::shared_ptr<EventRecorder> events = std::make_shared<EventRecorder>();
};

// ---------------------------------------------------------------------------------------
// Positions, decimals and values

TEST_F(ContinuousSlideTest, ANewControlShowsZeroOnAnEmptyDisabledTrack) {
    EXPECT_EQ(slide->Min(), 0);
    EXPECT_EQ(slide->Max(), 0);
    EXPECT_FALSE(Track().Enabled());
    EXPECT_EQ(slide->GetTickCaption(), "0");
    EXPECT_EQ(slide->MinCaption(), "0");
    EXPECT_EQ(slide->MaxCaption(), "0");
    EXPECT_EQ(Track().SmallChange(), 10);
    // The user cannot move a disabled thumb.
    slide->Surface().Visible(true);
    Track().UserDragTo(5);
    EXPECT_EQ(Track().Value(), 0);
    // The first upper end apart from the lower one enables it.
    slide->Max(100);
    EXPECT_TRUE(Track().Enabled());
    EXPECT_EQ(slide->MaxCaption(), "100");
}

TEST_F(ContinuousSlideTest, DecimalPlacesMapPositionsToValues) {
    Hundredths();
    EXPECT_EQ(slide->Min(), 0);
    EXPECT_EQ(slide->Max(), 100);
    EXPECT_EQ(slide->MinCaption(), "0.00");
    EXPECT_EQ(slide->MaxCaption(), "1.00");
    EXPECT_EQ(Track().SmallChange(), 1000);
    EXPECT_EQ(Track().LargeChange(), 1000);
    slide->SetSlideValue(0.25f);
    EXPECT_EQ(slide->GetTickCaption(), "0.25");
    // Three decimals: the same position is a tenth of the value, and the ends are shown
    // again; the thumb goes back to the lower end.
    slide->SetSelectedOption(0.05f);
    slide->SetDecimalPlace(3);
    EXPECT_EQ(slide->MaxCaption(), "0.100");
    EXPECT_EQ(Track().Value(), 0);
    Track().Value(5);
    EXPECT_EQ(slide->GetTickCaption(), "0.005");
    // Negative positions keep their sign before the digits.
    slide->Min(-1234);
    EXPECT_EQ(slide->MinCaption(), "-1.234");
    EXPECT_EQ(slide->GetSelectedOption(), -1.234f);
    EXPECT_EQ(slide->FormatPosition(-5), "-0.005");
}

TEST_F(ContinuousSlideTest, ValuesBecomePositionsInSinglePrecisionThenTheFloor) {
    slide->SetDecimalPlace(2);
    // 0.29 and 0.57 as Singles lie just below; in their own precision they are whole.
    slide->DefaultMin(0.29f);
    EXPECT_EQ(slide->Min(), 29);
    slide->DefaultMax(0.57f);
    EXPECT_EQ(slide->Max(), 57);
    EXPECT_EQ(slide->DefaultMax(), 0.57f);
    slide->SetSlideValue(0.57f);
    EXPECT_EQ(Track().Value(), 57);
    slide->SetSlideValue(0.299f);
    EXPECT_EQ(Track().Value(), 29);
    // The floor, not the nearest: below zero it goes further down.
    slide->SetDecimalPlace(0);
    slide->DefaultMin(-0.5f);
    EXPECT_EQ(slide->Min(), -1);
    // Values outside the track stop at its ends.
    slide->SetSlideValue(1000);
    EXPECT_EQ(Track().Value(), 57);
}

TEST_F(ContinuousSlideTest, EqualEndsDisableTheTrackAndAnEndPassingTheOtherPushesIt) {
    slide->Max(50);
    slide->Min(50);
    EXPECT_FALSE(Track().Enabled());
    EXPECT_EQ(slide->MinCaption(), "50");
    EXPECT_EQ(slide->MaxCaption(), "50");
    // The track keeps the range it had; a different upper end enables it again.
    EXPECT_EQ(slide->Min(), 0);
    slide->Max(80);
    EXPECT_TRUE(Track().Enabled());
    // A lower end above the upper one pushes it one position further.
    slide->Min(90);
    EXPECT_EQ(slide->Max(), 91);
    EXPECT_EQ(slide->Min(), 90);
    EXPECT_EQ(Track().Value(), 90);
    // An upper end below the lower one pulls that one a position below it.
    slide->Max(20);
    EXPECT_EQ(slide->Min(), 19);
    EXPECT_EQ(slide->Max(), 20);
    EXPECT_EQ(slide->MinCaption(), "20");
    EXPECT_EQ(slide->MaxCaption(), "20");
}

// ---------------------------------------------------------------------------------------
// Sub-ranges and actions

TEST_F(ContinuousSlideTest, ConditionalActionsAppendAndAddActionReplaces) {
    Hundredths();
    slide->AddAction("X");
    slide->AddAction("Y");
    slide->AddOption(0, 1);
    slide->AddAction("P");
    slide->AddAction("Q");
    EXPECT_EQ(slide->Action(), "Q");
    EXPECT_EQ(slide->GetSelectedAction(), "X,Y,Q");
    // Every sub-range with the same ends takes a conditional action, after a comma.
    slide->AddOption(0, 1);
    slide->SetConditionalAction(0, 1, "R");
    slide->SetConditionalAction(0, 1, "S");
    EXPECT_EQ(slide->GetSelectedAction(), "X,Y,Q,R,S,R,S");
    // Until a conditional action stored a sub-range of its own, a new one takes the place
    // of the newest option.
    slide->SetConditionalAction(0.5f, 1, "T");
    EXPECT_EQ(slide->Action(), "T");
    EXPECT_EQ(slide->GetSelectedAction(), "X,Y,Q,R,S");
    slide->SetConditionalAction(0, 0.2f, "U");
    EXPECT_EQ(slide->GetSelectedAction(), "X,Y,Q,R,S,U");
}

TEST_F(ContinuousSlideTest, TheActionPropertyKeysOnTheTracksRangeInPositions) {
    slide->Max(100);
    slide->Action("common");
    EXPECT_EQ(slide->GetSelectedAction(), "common");
    slide->AddOption(0, 10);
    // The track's range is 0 to 100 positions: it takes the newest option's place (no
    // sub-range was stored yet), then it is appended to.
    slide->Action("all");
    slide->Action("again");
    EXPECT_EQ(slide->Action(), "all,again");
    slide->SetSlideValue(50);
    EXPECT_EQ(slide->GetSelectedAction(), "common,all,again");
}

// ---------------------------------------------------------------------------------------
// The thumb, its caption and help

TEST_F(ContinuousSlideTest, ADraggedThumbShowsItsValueAndTheHelpOfItsSubRanges) {
    FillHalves();
    slide->AddOption(0.45f, 0.46f);
    slide->AddHelp("middle");
    slide->Surface().Visible(true);
    events->Take();

    Track().UserDragTo(45);
    EXPECT_EQ(slide->GetTickCaption(), "0.45");
    // No snapping: the thumb stays where it was let go.
    Track().UserRelease();
    EXPECT_EQ(Track().Value(), 45);
    EXPECT_TRUE(Track().HasFocus());
    const Seen seen = events->Take();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), ExpectedHelpPop("lower half,middle", 45, 100));
    EXPECT_EQ(Track().Text(), "lower half,middle");
    // Outside every sub-range with help the help goes, and the track hints the value.
    Track().UserDragTo(70);
    Track().UserRelease();
    EXPECT_EQ(events->Take().back(), "Hidepop");
    EXPECT_EQ(Track().Text(), "0.70");
    // A hidden track offers nothing.
    Track().Visible(false);
    slide->SetSlideValue(0.1f);
    EXPECT_EQ(events->Take().back(), "Hidepop");
}

TEST_F(ContinuousSlideTest, TheHelpAnchorFollowsTheThumbAlongTheRange) {
    slide->Surface().Width(6000);
    slide->Max(200);
    slide->Min(100);
    slide->AddOption(100, 200);
    slide->AddHelp("anywhere");
    slide->SetSlideValue(150);
    EXPECT_EQ(events->Take().back(), ExpectedHelpPop("anywhere", 50, 100));
    // A track without room has its one position at the left end.
    Track().Min(150);
    Track().Max(150);
    Track().Change.Emit();
    EXPECT_EQ(events->Take().back(), ExpectedHelpPop("anywhere", 0, 1));
}

// ---------------------------------------------------------------------------------------
// Clear, layout and persistence

TEST_F(ContinuousSlideTest, ClearKeepsTheTracksRangeAndForgetsTheRest) {
    FillHalves();
    slide->SetConditionalAction(0.9f, 1, "top");
    slide->SetCaption("Quality");
    slide->SetSlideValue(0.45f);
    slide->Clear();
    EXPECT_EQ(slide->Caption(), "");
    EXPECT_FALSE(slide->CaptionLabel().Visible());
    EXPECT_EQ(slide->DecimalPlace(), 0);
    EXPECT_EQ(slide->Max(), 100);
    EXPECT_EQ(Track().Value(), 0);
    EXPECT_EQ(slide->MinCaption(), "");
    EXPECT_EQ(slide->MaxCaption(), "");
    EXPECT_EQ(slide->GetSelectedAction(), "");
    EXPECT_EQ(slide->DesiredWidth(), 3500);
    // Actions are common again until the next option. A conditional action had stored a
    // sub-range before, so a new one goes after the option instead of taking its place.
    slide->AddAction("again");
    slide->AddOption(0, 5);
    slide->AddAction("opt");
    slide->SetConditionalAction(0, 9, "cond");
    EXPECT_EQ(slide->GetSelectedAction(), "again,opt,cond");
    EXPECT_EQ(slide->Action(), "cond");
}

TEST_F(ContinuousSlideTest, LayoutPlacesCaptionTrackAndThirds) {
    Hundredths();
    slide->Surface().Width(6000);
    EXPECT_EQ(slide->Surface().Height(), 1215);
    EXPECT_EQ(Track().Left(), 300);
    EXPECT_EQ(Track().Width(), 5400);
    // The middle caption stays centred as the value's text changes.
    slide->SetSlideValue(0.5f);
    const host::WrapLabel& middle = slide->TickCaptionLabel();
    EXPECT_FLOAT_EQ(middle.Left() + middle.Width() / 2, 3000);
    EXPECT_FLOAT_EQ(slide->MaxLabel().Left() + slide->MaxLabel().Width() / 2, 5000);
    // The caption shows only with text; a long one widens the control.
    EXPECT_FALSE(slide->CaptionLabel().Visible());
    slide->SetCaption(std::string(90, 'w'));
    EXPECT_TRUE(slide->CaptionLabel().Visible());
    EXPECT_EQ(slide->DesiredWidth(), std::lround(slide->CaptionLabel().Width() + 300));
    slide->Surface().Width(2000);
    EXPECT_EQ(slide->CaptionLabel().Width(), 1800);
    EXPECT_GT(slide->CaptionLabel().Height(), 195);
}

TEST_F(ContinuousSlideTest, ReloadAppliesTheDefaultRangeWithoutDecimals) {
    slide->SetDecimalPlace(1);
    slide->DefaultMin(1.5f);
    slide->DefaultMax(12.5f);
    slide->SetCaption("Ratio");
    slide->Surface().Width(5000);
    // Colours are the control's own.
    slide->ForeColor(0x00112233);
    EXPECT_NE(slide->ForeColor(), 0x00112233u);
    host::PropertyBag saved = host::PropertyBag::LoadText(slide->SaveProperties().SaveText());
    EXPECT_EQ(saved.Keys(),
              (std::vector<std::string>{"Height", "Width", "DefaultMin", "DefaultMax"}));
    ContinuousSlide loaded;
    loaded.LoadProperties(saved);
    EXPECT_EQ(loaded.Surface().Width(), 5000);
    EXPECT_EQ(loaded.DefaultMax(), 12.5f);
    EXPECT_EQ(loaded.Min(), 1);
    EXPECT_EQ(loaded.Max(), 12);
    // The persisted caption is the panel's, not the one shown above the track: a
    // container's template gives one, and the first Clear takes it away.
    EXPECT_EQ(loaded.Caption(), "");
    host::PropertyBag templated;
    templated.WriteProperty("Caption", std::string("Caption"));
    loaded.LoadProperties(templated);
    EXPECT_EQ(loaded.Caption(), "");
    EXPECT_EQ(loaded.SaveProperties().ReadProperty("Caption").AsString(), "Caption");
    loaded.Clear();
    EXPECT_FALSE(loaded.SaveProperties().Contains("Caption"));
}

TEST_F(ContinuousSlideTest, BadHostInputIsRefusedWithAClearError) {
    Hundredths();
    ExpectError(380, "PanelKit::ContinuousSlide.SetDecimalPlace",
                [&] { slide->SetDecimalPlace(-1); });
    ExpectError(6, "PanelKit::ContinuousSlide.DecimalPlace(Let)", [&] { slide->DecimalPlace(9); });
    EXPECT_EQ(slide->DecimalPlace(), 2);
    // Positions are 16-bit: 400 in hundredths is beyond them, and nothing changes.
    ExpectError(6, "PanelKit::ContinuousSlide.DefaultMax(Let)", [&] { slide->DefaultMax(400); });
    EXPECT_EQ(slide->DefaultMax(), 1);
    EXPECT_EQ(slide->Max(), 100);
    ExpectError(6, "PanelKit::ContinuousSlide.SetSlideValue",
                [&] { slide->SetSlideValue(std::nanf("")); });
    // No more than 32768 sub-ranges.
    slide->AddOption(0, 1);
    for (int i = 0; i < 32767; ++i) slide->AddOption(0, 1);
    ExpectError(6, "PanelKit::ContinuousSlide.AddOption", [&] { slide->AddOption(0, 1); });
}

}  // namespace
}  // namespace panelkit2::test
