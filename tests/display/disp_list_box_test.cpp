// DispListBox: lines that are read but never chosen (no selection, no caret), the
// horizontal range following the widest line, the left-button messages seen through the
// hook. The console script covers late binding, the container and bad host input.

#include "panelkit2/display/disp_list_box.hpp"

#include <gtest/gtest.h>

#include <string>

#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/key_codes.hpp"
#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

// Pixels of a text as the control measures it.
int32_t TextPixels(std::string_view text) {
    return SharedSubs::GetTextWidth(0, text) / 15;
}

class DispListBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    host::ListBox& Box() { return list.MainBox(); }
    int32_t SentExtent() {
        return host::win::SendMessage(Box().WindowHandle(), host::win::ListGetHorizontalExtent, 0,
                                      0);
    }
    // A left-button message on the list box at client pixels (x, y).
    void Press(int32_t message, int32_t x, int32_t y) {
        const auto lParam = static_cast<int32_t>((static_cast<uint32_t>(y) << 16) |
                                                 (static_cast<uint32_t>(x) & 0xFFFF));
        host::Host::Current().WindowMessage.Emit(Box().WindowHandle(), message, 1, lParam);
    }
    bool LeftClickFlag() { return list.Hook().Window("lstMainBox").Message("LeftClick").Flag(); }

    DispListBox list;
};

TEST_F(DispListBoxTest, TheListFillsTheControl) {
    EXPECT_EQ(Box().Width(), 2400);
    EXPECT_EQ(Box().Height(), 1530);
    list.Surface().Move(0, 0, 3000, 900);
    EXPECT_EQ(Box().Left(), 0);
    EXPECT_EQ(Box().Width(), 3000);
    EXPECT_EQ(Box().Height(), 900);
}

// ---------------------------------------------------------------------------------------
// The horizontal range

TEST_F(DispListBoxTest, TheRangeGrowsToTheWidestLineAndClearGoesBackToTheVisibleWidth) {
    const std::string wide(60, 'W');
    ASSERT_GT(TextPixels(wide), 160);  // wider than the list's 160 pixels
    list.AddOption("short");
    EXPECT_EQ(list.HorizontalExtent(), TextPixels("short") + 10);
    list.AddOption(wide);
    EXPECT_EQ(list.HorizontalExtent(), TextPixels(wide) + 10);
    EXPECT_EQ(SentExtent(), TextPixels(wide) + 10);
    list.AddOption("narrow again");
    EXPECT_EQ(SentExtent(), TextPixels(wide) + 10);
    list.Clear();
    EXPECT_EQ(list.HorizontalExtent(), 160);
    EXPECT_EQ(SentExtent(), 160);
    // After a clear a line narrower than the list leaves the range at the visible width.
    list.AddOption("short");
    EXPECT_EQ(SentExtent(), 160);
}

TEST_F(DispListBoxTest, LinesAreMeasuredWithTheScreensPixelSize) {
    host::Host::Current().SetTwipsPerPixel(12, 12);
    DispListBox fine;
    // Twips of the text at 12 per pixel, back to pixels with the same scale.
    fine.AddOption("Measured");
    const int32_t twips = SharedSubs::GetTextWidth(0, "Measured");
    EXPECT_EQ(fine.HorizontalExtent(), twips / 12 + 10);
    fine.Surface().Width(1200);
    fine.Clear();
    EXPECT_EQ(fine.HorizontalExtent(), 100);
}

// ---------------------------------------------------------------------------------------
// Read only: no selection, no caret

TEST_F(DispListBoxTest, NeitherClicksNorKeysNorCodeLeaveALineSelected) {
    for (const char* line : {"alpha", "beta", "gamma"}) list.AddOption(line);
    for (int i = 3; i < 20; ++i) list.AddOption("line " + std::to_string(i));
    Box().UserClickItem(1);
    EXPECT_EQ(Box().ListIndex(), -1);
    EXPECT_EQ(Box().SelCount(), 0);
    Box().UserKeyDown(host::key::Down);
    EXPECT_EQ(Box().ListIndex(), -1);
    // Keys still scroll: End brings the last of the 20 lines into view (7 rows show).
    Box().UserKeyDown(host::key::End);
    EXPECT_EQ(Box().ListIndex(), -1);
    EXPECT_EQ(Box().TopIndex(), 13);
    Box().UserKeyPress('g');
    EXPECT_EQ(Box().ListIndex(), -1);
    EXPECT_EQ(Box().TopIndex(), 2);
    Box().ListIndex(2);
    EXPECT_EQ(Box().ListIndex(), -1);
    EXPECT_EQ(Box().SelCount(), 0);
}

TEST_F(DispListBoxTest, TheListShowsNoCaretWhenFocusedOrFilled) {
    list.AddOption("alpha");
    Box().SetFocus();
    EXPECT_TRUE(Box().HasFocus());
    EXPECT_FALSE(Box().CaretVisible());
    Box().UserClickItem(0);
    EXPECT_FALSE(Box().CaretVisible());
    list.AddOption("beta");
    EXPECT_FALSE(Box().CaretVisible());
    EXPECT_TRUE(Box().HasFocus());
}

// ---------------------------------------------------------------------------------------
// The hook

TEST_F(DispListBoxTest, APressOutsideTheClientAreaIsFlaggedOnTheHooksEntry) {
    EXPECT_TRUE(list.Hook().Enabled());
    EXPECT_EQ(list.Hook().Window("lstMainBox").MessageCount(), 2u);
    EXPECT_EQ(list.Hook().Window("lstMainBox").Message("LeftDblClick").Number(), 515);
    EXPECT_FALSE(LeftClickFlag());
    // The client area is 160 x 102 pixels.
    Press(host::msg::LeftButtonDown, 170, 10);
    EXPECT_TRUE(LeftClickFlag());
    Press(host::msg::LeftButtonDown, 159, 101);
    EXPECT_FALSE(LeftClickFlag());
    Press(host::msg::LeftButtonDoubleClick, -1, 5);
    EXPECT_TRUE(LeftClickFlag());
    // A click on a line is a press inside.
    list.AddOption("alpha");
    Box().UserClickItem(0);
    EXPECT_FALSE(LeftClickFlag());
    // The area follows the control's size.
    Press(host::msg::LeftButtonDown, 170, 10);
    EXPECT_TRUE(LeftClickFlag());
    list.Surface().Width(3000);
    Press(host::msg::LeftButtonDown, 170, 10);
    EXPECT_FALSE(LeftClickFlag());
}

// ---------------------------------------------------------------------------------------
// Errors

TEST_F(DispListBoxTest, AFullListPassesTheListsErrorOnUnchanged) {
    for (int32_t i = 0; i < 32767; ++i) list.MainBox().AddItem("x");
    const AutomationError error = test::Caught([&] { list.AddOption("one too many"); });
    EXPECT_EQ(error.Number(), err::InvalidCall);
    EXPECT_EQ(error.Source().find("PanelKit::DispListBox"), std::string::npos);
    EXPECT_EQ(list.NumLines(), 32767);
}

}  // namespace
}  // namespace panelkit2
