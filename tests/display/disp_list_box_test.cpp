// DispListBox: lines that are read but never chosen (no selection, no caret), the
// horizontal range following the widest line, the left-button messages seen through the
// hook, late binding, and a container that does not take it as a child.

#include "panelkit2/display/disp_list_box.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/key_codes.hpp"
#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

using test::ExpectError;

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

TEST_F(DispListBoxTest, ANewControlIsEmptyAndTheListFillsIt) {
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.NumLines(), 0);
    EXPECT_EQ(list.Surface().Width(), 2400);
    EXPECT_EQ(list.Surface().Height(), 1530);
    EXPECT_EQ(Box().Width(), 2400);
    EXPECT_EQ(Box().Height(), 1530);
    list.Surface().Move(0, 0, 3000, 900);
    EXPECT_EQ(Box().Width(), 3000);
    EXPECT_EQ(Box().Height(), 900);
    list.AddOption("first");
    list.AddOption("second");
    EXPECT_FALSE(list.IsEmpty());
    EXPECT_EQ(list.NumLines(), 2);
    EXPECT_EQ(Box().List(1), "second");
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
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
// Late binding and the container

TEST_F(DispListBoxTest, IsCreatedByNameAndAnswersLateBound) {
    ObjectRef object = LibraryClasses().Create("PanelKit2.DispListBox");
    Dispatchable& late = *object;
    EXPECT_TRUE(test::Get(late, "IsEmpty").AsBoolean());
    Variant line("late");
    Variant args[] = {line};
    CallByName(late, "AddOption", CallKind::GetOrMethod, Args(args, 1));
    EXPECT_EQ(test::Get(late, "NumLines").AsInteger(), 1);
    EXPECT_EQ(CallByDispId(late, 0x68030000, CallKind::GetOrMethod, {}).AsInteger(), 1);
    CallByDispId(late, 0x60030001, CallKind::GetOrMethod, {});
    EXPECT_TRUE(CallByDispId(late, 0x60030000, CallKind::GetOrMethod, {}).AsBoolean());
    test::Let(late, "Width", 1500.0f);
    EXPECT_EQ(static_cast<DispListBox&>(late).MainBox().Width(), 1500);
    ExpectError(err::NotSupported, "", [&] { test::Get(late, "CtlID"); });
    ExpectError(err::WrongArgumentCount, "", [&] { test::Get(late, "AddOption"); });
}

TEST_F(DispListBoxTest, AContainerRefusesItAsAChildForWantOfTheContract) {
    ControlPort port;
    auto child = std::make_shared<DispListBox>();
    ExpectError(err::NotSupported, "PanelKit::ControlPort.AddControl",
                [&] { port.AddControl(Variant(ObjectRef(child))); });
    EXPECT_EQ(port.mcolCtlVisible()->Count(), 0);
}

TEST_F(DispListBoxTest, AFullListPassesTheListsErrorOnUnchanged) {
    for (int32_t i = 0; i < 32767; ++i) list.MainBox().AddItem("x");
    const AutomationError error = test::Caught([&] { list.AddOption("one too many"); });
    EXPECT_EQ(error.Number(), err::InvalidCall);
    EXPECT_EQ(error.Source().find("PanelKit::DispListBox"), std::string::npos);
    EXPECT_EQ(list.NumLines(), 32767);
}

}  // namespace
}  // namespace panelkit2
