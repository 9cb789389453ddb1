#include "panelkit2/range/slide.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"

namespace panelkit2::test {
namespace {

using Seen = std::vector<std::string>;

class SlideTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host::Host::Current().ResetServices();
        slide->Advise(events);
    }

    // Three sizes of retention: a common action, then ticks with actions and help.
    void FillRetention() {
        slide->SetCaption("Keep backups for");
        slide->AddAction("backup");
        slide->AddTick("A day");
        slide->AddAction("keep=1d");
        slide->AddTick("A week");
        slide->AddAction("keep=7d");
        slide->AddHelp("Seven daily copies");
        slide->AddTick("A month");
        slide->AddAction("keep=30d");
        events->Take();
    }

    std::shared_ptr<Slide> slide = std::make_shared<Slide>();
    std::shared_ptr<EventRecorder> events = std::make_shared<EventRecorder>();
};

TEST_F(SlideTest, ANewControlHasNoTicksAndNoAnswer) {
    EXPECT_EQ(slide->CtlID(), 9);
    EXPECT_EQ(slide->NumTicks(), 0);
    EXPECT_FALSE(slide->Show());
    EXPECT_EQ(slide->DesiredWidth(), 3500);
    EXPECT_EQ(slide->GetSelectedAction(), "");
    EXPECT_EQ(slide->GetSelectedOption(), "");
    // With no tick the spacing lies beyond the end of the track.
    EXPECT_EQ(slide->Track().TickFrequency(), 2000);
    // Common actions alone are no answer while there is no tick.
    slide->AddAction("common");
    EXPECT_EQ(slide->GetSelectedAction(), "");
}

TEST_F(SlideTest, ActionsBeforeTheFirstTickApplyEverywhere) {
    slide->AddAction("A");
    slide->AddAction("B");
    slide->AddTick("one");
    slide->AddTick("two");
    slide->AddAction("C");
    slide->AddAction("D");
    EXPECT_EQ(slide->Action(2), "C,D");
    EXPECT_EQ(slide->GetSelectedAction(), "A,B");
    slide->SetSelectedOption("two");
    EXPECT_EQ(slide->GetSelectedAction(), "A,B,C,D");
    // One tick is a special case: no spacing to divide, nothing to show.
    slide->Clear();
    slide->AddTick("only");
    slide->AddAction("X");
    EXPECT_FALSE(slide->Show());
    EXPECT_EQ(slide->Track().TickFrequency(), 2000);
    EXPECT_EQ(slide->GetSelectedAction(), "X");
}

TEST_F(SlideTest, TicksAreSpacedByIntegerDivisionOfTheTrack) {
    for (const char* caption : {"low", "mid", "high"}) slide->AddTick(caption);
    EXPECT_EQ(slide->Track().TickFrequency(), 500);
    EXPECT_EQ(slide->Track().LargeChange(), 500);
    slide->SetSelectedOption("high");
    EXPECT_EQ(slide->Track().Value(), 1000);
    slide->AddTick("top");
    EXPECT_EQ(slide->Track().TickFrequency(), 333);
    slide->SetSelectedOption("top");
    EXPECT_EQ(slide->Track().Value(), 999);
    // An action beyond the last tick grows the ticks to one more than its index.
    Let(*slide, "Action", int16_t{5}, "far");
    EXPECT_EQ(slide->NumTicks(), 6);
    EXPECT_EQ(slide->Track().TickFrequency(), 200);
    EXPECT_EQ(slide->Action(5), "far");
    EXPECT_EQ(slide->Action(6), "");
}

TEST_F(SlideTest, SelectionShowsTheTicksCaptionUnderTheMiddleThird) {
    FillRetention();
    // The first tick is shown until the thumb moves; the ends show the first and last.
    EXPECT_EQ(slide->GetSelectedOption(), "A day");
    EXPECT_EQ(slide->MinCaption(), "A day");
    EXPECT_EQ(slide->MaxCaption(), "A month");
    EXPECT_TRUE(slide->MaxLabel().Visible());
    slide->SetSelectedOption("A month");
    EXPECT_EQ(slide->GetSelectedOption(), "A month");
    EXPECT_EQ(slide->TickCaptionLabel().Caption(), "A month");
    EXPECT_EQ(slide->GetSelectedAction(), "backup,keep=30d");
    // Captions compare exactly; an unknown one leaves the thumb where it is.
    slide->SetSelectedOption("a week");
    EXPECT_EQ(slide->GetSelectedOption(), "A month");
    // Equal captions: the later tick wins.
    slide->TickCaption(1, "A month");
    slide->SetSelectedOption("A month");
    EXPECT_EQ(slide->Track().Value(), 1000);
}

TEST_F(SlideTest, AReleasedThumbSnapsToTheTickAtOrBelowIt) {
    FillRetention();
    slide->Surface().Visible(true);
    host::Slider& track = slide->Track();
    track.UserDragTo(740);
    // A held thumb moves freely; the middle caption follows it.
    EXPECT_EQ(track.Value(), 740);
    EXPECT_EQ(slide->GetSelectedOption(), "A week");
    track.UserRelease();
    EXPECT_EQ(track.Value(), 500);
    EXPECT_EQ(slide->GetSelectedAction(), "backup,keep=7d");
    EXPECT_TRUE(track.HasFocus());
    // The arrow keys step a whole tick.
    track.UserKey(host::Slider::KeyRight);
    EXPECT_EQ(track.Value(), 1000);
    EXPECT_EQ(slide->GetSelectedOption(), "A month");
    track.UserKey(host::Slider::KeyHome);
    EXPECT_EQ(slide->GetSelectedOption(), "A day");
}

TEST_F(SlideTest, ATickWithHelpOffersItAboveTheTrack) {
    FillRetention();
    slide->SetSelectedOption("A week");
    const Seen seen = events->Take();
    ASSERT_FALSE(seen.empty());
    // Centred over the tick's share of the track, a gap above it, in the control's twips.
    const std::string help = "Seven daily copies";
    const int32_t step = 2900 / 3;
    const double width = slide->Surface().TextWidth(help);
    const double height = slide->Surface().TextHeight(help);
    const std::string expected = "HelpPop " + help + "," +
                                 std::to_string(std::lround(300 + step * 2 - (width - 200) / 2)) +
                                 "," + std::to_string(std::lround(240 - height - 200));
    for (const std::string& event : seen) EXPECT_EQ(event, expected);
    EXPECT_EQ(slide->Track().Text(), help);
    // A tick without help, or a hidden track, withdraws it and hints the caption.
    slide->SetSelectedOption("A month");
    EXPECT_EQ(events->Take().back(), "Hidepop");
    EXPECT_EQ(slide->Track().Text(), "A month");
    slide->Track().Visible(false);
    slide->SetSelectedOption("A week");
    EXPECT_EQ(events->Take().back(), "Hidepop");
}

TEST_F(SlideTest, HelpIsAttachedToTheNewestTickOrTheOneNamed) {
    slide->AddTick("one");
    slide->AddTick("two");
    slide->AddHelp("for two");
    slide->AddHelp("for one", 1);
    events->Take();
    slide->SetSelectedOption("one");
    EXPECT_EQ(events->Take().back().rfind("HelpPop for one,", 0), 0u);
    slide->SetSelectedOption("two");
    EXPECT_EQ(events->Take().back().rfind("HelpPop for two,", 0), 0u);
    ExpectError(9, "PanelKit2|PanelKit::Slide.AddHelp", [&] { slide->AddHelp("x", 3); });
}

TEST_F(SlideTest, TheContainerShowsAndHidesItsHelpPopup) {
    ControlPort port;
    port.Surface().Move(0, 0, 6000, 4000);
    const ObjectRef child = port.GetNewControl(static_cast<int16_t>(ControlID::Slide));
    auto& control = dynamic_cast<Slide&>(*child);
    control.AddTick("Off");
    control.AddTick("On");
    control.AddHelp("Starts with the system");
    port.AddControl(child);
    port.Position();
    port.ShowControls();
    control.SetSelectedOption("On");
    EXPECT_TRUE(port.HelpPopup().Visible());
    EXPECT_EQ(port.HelpPopup().Caption(), "Starts with the system");
    control.SetSelectedOption("Off");
    EXPECT_FALSE(port.HelpPopup().Visible());
}

TEST_F(SlideTest, LayoutPlacesCaptionTrackAndThirds) {
    FillRetention();
    slide->Surface().Width(6000);
    EXPECT_EQ(slide->Surface().Height(), 1215);
    EXPECT_EQ(slide->Track().Left(), 300);
    EXPECT_EQ(slide->Track().Width(), 5400);
    const host::WrapLabel& middle = slide->TickCaptionLabel();
    EXPECT_FLOAT_EQ(middle.Left() + middle.Width() / 2, 3000);
    EXPECT_FLOAT_EQ(slide->MinLabel().Left() + slide->MinLabel().Width() / 2, 1000);
    EXPECT_FLOAT_EQ(slide->MaxLabel().Left() + slide->MaxLabel().Width() / 2, 5000);
    // A caption wider than the control wraps inside it; narrower than 100 twips waits.
    slide->SetCaption(std::string(60, 'w'));
    slide->Surface().Width(2000);
    EXPECT_EQ(slide->CaptionLabel().Width(), 1800);
    EXPECT_GT(slide->CaptionLabel().Height(), 195);
    slide->Surface().Width(50);
    EXPECT_EQ(slide->Track().Width(), 1400);
    slide->Surface().Width(900);
    EXPECT_EQ(slide->Track().Width(), 300);
}

TEST_F(SlideTest, ALongCaptionWidensTheControl) {
    slide->SetCaption("Short");
    EXPECT_EQ(slide->DesiredWidth(), 3500);
    slide->SetCaption(std::string(80, 'm'));
    const float label = slide->CaptionLabel().Width();
    EXPECT_EQ(slide->DesiredWidth(), std::lround(label + 300));
    EXPECT_EQ(slide->Caption(), std::string(80, 'm'));
}

TEST_F(SlideTest, ClearKeepsTheEndCaptionsAndTheTrack) {
    FillRetention();
    slide->SetSelectedOption("A month");
    slide->Clear();
    EXPECT_EQ(slide->NumTicks(), 0);
    EXPECT_EQ(slide->Caption(), "");
    EXPECT_EQ(slide->DesiredWidth(), 3500);
    EXPECT_EQ(slide->GetSelectedAction(), "");
    EXPECT_EQ(slide->MinCaption(), "A day");
    EXPECT_EQ(slide->MaxCaption(), "A month");
    EXPECT_EQ(slide->Track().Value(), 1000);
    slide->AddAction("again");
    slide->AddTick("one");
    EXPECT_EQ(slide->GetSelectedAction(), "again");
}

TEST_F(SlideTest, ReloadRestoresSizeAndCaptionButNotColours) {
    slide->SetCaption("Retention");
    slide->Surface().Width(5000);
    slide->ForeColor(0x00112233);
    host::PropertyBag saved = host::PropertyBag::LoadText(slide->SaveProperties().SaveText());
    Slide loaded;
    loaded.LoadProperties(saved);
    EXPECT_EQ(loaded.Surface().Width(), 5000);
    EXPECT_EQ(loaded.Caption(), "Retention");
    EXPECT_NE(loaded.ForeColor(), 0x00112233u);
    // The caption survives a later layout.
    loaded.Surface().Width(4000);
    EXPECT_EQ(loaded.Caption(), "Retention");
}

TEST_F(SlideTest, BadIndexesAndCountsAreReported) {
    FillRetention();
    ExpectError(9, "PanelKit::Slide.Action(Get)", [&] { slide->Action(4); });
    ExpectError(9, "PanelKit::Slide.Action(Let)", [&] { slide->Action(-1, "x"); });
    ExpectError(9, "PanelKit::Slide.TickCaption(Get)", [&] { slide->TickCaption(-2); });
    ExpectError(9, "PanelKit::Slide.TickCaption(Let)", [&] { slide->TickCaption(7, "x"); });
    ExpectError(380, "", [&] { slide->NumTicks(-1); });
    EXPECT_EQ(slide->NumTicks(), 3);
    ExpectError(13, "", [&] { slide->Min("low"); });
    // An action one past the last possible tick overflows the count.
    ExpectError(6, "PanelKit::Slide.Action(Let)", [&] { slide->Action(32767, "x"); });
    EXPECT_EQ(slide->NumTicks(), 3);
    // Late-bound: a text where the index belongs.
    EXPECT_EQ(ErrorNumber([&] { Get(*slide, "Action", "first"); }), 13);
}

TEST_F(SlideTest, MoreTicksThanTrackUnitsCannotBeResolved) {
    slide->NumTicks(2000);
    EXPECT_EQ(slide->Track().TickFrequency(), 0);
    ExpectError(11, "PanelKit::Slide.GetSelectedAction", [&] { slide->GetSelectedAction(); });
    // The user's thumb moves without a tick to settle on.
    slide->Surface().Visible(true);
    slide->Track().UserDragTo(300);
    slide->Track().UserRelease();
    EXPECT_EQ(slide->Track().Value(), 300);
    EXPECT_TRUE(events->Take().empty());
}

}  // namespace
}  // namespace panelkit2::test
