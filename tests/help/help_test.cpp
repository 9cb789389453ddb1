// Help and its popup form: geometry around the text, one window per owner, hiding by
// timer, focus loss and request, the Hidden event, late binding. Headless font: lines
// 13 px, 15 twips per pixel.

#include "panelkit2/help/help.hpp"

#include <gtest/gtest.h>

#include <string>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/toolkit/command_button.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2 {
namespace {

constexpr float kLine = 13 * 15;

float TextWidth(const std::string& text) {
    return static_cast<float>(host::Host::Current().Metrics().TextWidthPixels(text)) * 15;
}

class HelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host::Host::Current().ResetServices();
        form().Hidden.Connect([this] { ++hiddenEvents; });
    }
    frmHelp& form() { return help.PopupForm(); }
    void Pop(std::string text, int32_t x, int32_t y) { help.PopUpBalloon(text, x, y); }
    void Advance(int64_t ms) { host::Host::Current().TheVirtualClock()->Advance(ms); }

    Help help;
    int hiddenEvents = 0;
};

TEST_F(HelpTest, OnePopupWindowSizedAroundItsTextHangsBelowTheAnchor) {
    const host::Hwnd window = form().WindowHandle();
    EXPECT_FALSE(help.Visible());
    Pop("Slow", 5000, 3000);
    const float w = TextWidth("Slow") + 150;
    EXPECT_TRUE(help.Visible());
    EXPECT_TRUE(form().TopMost());
    EXPECT_EQ(help.Caption(), "Slow");
    EXPECT_EQ(form().Left(), 5000 - w / 2);
    EXPECT_EQ(form().Top(), 3000);
    EXPECT_EQ(form().Width(), w);
    EXPECT_EQ(form().Height(), kLine + 100);
    EXPECT_EQ(form().CaptionLabel().Left(), 50);
    EXPECT_EQ(form().CaptionLabel().Top(), 50);
    EXPECT_EQ(form().BackColor(), 0x00C0FFFFu);
    EXPECT_EQ(form().CaptionLabel().BackColor(), 0x00C0FFFFu);

    Pop("two\nlines", 100, 200);  // the same window, moved and re-texted
    EXPECT_EQ(form().WindowHandle(), window);
    EXPECT_EQ(form().Left(), 100 - (TextWidth("lines") + 150) / 2);
    EXPECT_EQ(form().Height(), 2 * kLine + 100);
}

TEST_F(HelpTest, TheTimerHidesThePopupAbout2500MillisecondsAfterItWasSwitchedOn) {
    Pop("Slow", 100, 100);
    Advance(2499);
    EXPECT_TRUE(help.Visible());
    Advance(1);
    EXPECT_FALSE(help.Visible());
    EXPECT_FALSE(form().HideTimer().Running());
    EXPECT_EQ(hiddenEvents, 1);

    Pop("Slow", 100, 100);  // shown again while the timer runs: the first deadline holds
    Advance(1000);
    Pop("Fast", 100, 100);
    Advance(1500);
    EXPECT_FALSE(help.Visible());

    int16_t interval = 500;
    help.SetTimer(interval);
    Pop("Slow", 100, 100);
    help.DisableTimer();
    Advance(10000);
    EXPECT_TRUE(help.Visible());
    help.EnableTimer();
    Advance(500);
    EXPECT_FALSE(help.Visible());
    interval = -1;
    EXPECT_THROW(help.SetTimer(interval), AutomationError);
}

TEST_F(HelpTest, ThePopupLeavesTheFocusAloneAndHidesWhenItLosesIt) {
    host::Form window("Main");
    host::CommandButton other(&window, "Other");
    window.Show();
    other.UserClick();
    Pop("Slow", 100, 100);
    EXPECT_TRUE(other.HasFocus());
    form().UserClick();  // the user clicks into the popup ...
    other.UserClick();   // ... and then somewhere else
    EXPECT_FALSE(help.Visible());
    EXPECT_FALSE(form().HideTimer().Running());
    EXPECT_EQ(hiddenEvents, 1);
}

TEST_F(HelpTest, HideBalloonStopsTheTimerQuietlyAndIsHarmlessWhenHidden) {
    help.HideBalloon();
    Pop("Slow", 100, 100);
    form().UserClick();  // even holding the focus, a requested hiding is not reported
    help.HideBalloon();
    help.HideBalloon();
    EXPECT_FALSE(help.Visible());
    EXPECT_FALSE(form().HideTimer().Running());
    EXPECT_EQ(hiddenEvents, 0);
}

TEST_F(HelpTest, TheWindowLivesExactlyAsLongAsItsOwner) {
    host::Hwnd window = 0;
    {
        Help owner;
        window = owner.PopupForm().WindowHandle();
        owner.PopUpBalloon("Slow", 0, 0);
    }
    EXPECT_EQ(host::Host::Current().FromHandle(window), nullptr);
    EXPECT_EQ(host::Host::Current().TheVirtualClock()->ActiveTimers(), 0u);
}

TEST_F(HelpTest, LateBoundButNotCreatableByName) {
    EXPECT_FALSE(LibraryClasses().IsRegistered("PanelKit2.Help"));
    Variant args[] = {Variant("Slow"), Variant(int32_t{2000}), Variant("1000")};
    CallByName(help, "popupballoon", CallKind::GetOrMethod, args);
    EXPECT_EQ(args[2].Type(), VarType::Long);  // written back as the declared type
    EXPECT_EQ(form().Top(), 1000);
    EXPECT_EQ(CallByName(help, "Caption", CallKind::GetOrMethod, {}).AsString(), "Slow");
    CallByName(help, "HideBalloon", CallKind::GetOrMethod, {});
    EXPECT_FALSE(CallByName(help, "Visible", CallKind::GetOrMethod, {}).AsBoolean());
    Variant bad[] = {Variant("soon")};
    EXPECT_THROW(CallByName(help, "SetTimer", CallKind::GetOrMethod, bad), AutomationError);
}

}  // namespace
}  // namespace panelkit2
