#include <gtest/gtest.h>

#include "panelkit2/toolkit/command_button.hpp"
#include "panelkit2/toolkit/form.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/list_box.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/window_system.hpp"

namespace panelkit2::host {
namespace {

struct WindowSystemTest : ::testing::Test {
    Form form{"frm"};
    Frame frame{&form, "fra"};
    ListBox list{&frame, "lst"};
    TextBox box{&form, "txt"};
    CommandButton button{&form, "cmd"};

    void SetUp() override {
        Host::Current().ResetServices();
        form.Move(1500, 3000, 6000, 4500);
        frame.Move(150, 150, 3000, 3000);
        list.Move(300, 450, 1500, 975);
        form.Show();
    }
};

TEST_F(WindowSystemTest, ButtonStateMessageSetsThePressedLook) {
    EXPECT_EQ(win::SendMessage(button.WindowHandle(), win::ButtonSetState, 1, 0), 0);
    EXPECT_TRUE(button.Pressed());
    win::SendMessage(button.WindowHandle(), win::ButtonSetState, 0, 0);
    EXPECT_FALSE(button.Pressed());
}

TEST_F(WindowSystemTest, EditMessagesUndoAndForgetTheLastEdit) {
    const Hwnd edit = box.WindowHandle();
    EXPECT_EQ(win::SendMessage(edit, win::EditUndo, 0, 0), 0);
    box.UserType("7x");
    EXPECT_EQ(win::SendMessage(edit, win::EditCanUndo, 0, 0), 1);
    EXPECT_EQ(win::SendMessage(edit, win::EditUndo, 0, 0), 1);
    EXPECT_EQ(box.Text(), "7");
    win::SendMessage(edit, win::EditEmptyUndoBuffer, 0, 0);
    EXPECT_EQ(win::SendMessage(edit, win::EditUndo, 0, 0), 0);
    EXPECT_EQ(box.Text(), "7");
}

TEST_F(WindowSystemTest, ListMessagesSetAndReadTheHorizontalExtent) {
    const Hwnd lst = list.WindowHandle();
    win::SendMessage(lst, win::ListSetHorizontalExtent, 250, 0);
    EXPECT_EQ(list.HorizontalExtent(), 250);
    EXPECT_EQ(win::SendMessage(lst, win::ListGetHorizontalExtent, 0, 0), 250);
    // Messages meant for other kinds, unknown messages and handles change nothing.
    EXPECT_EQ(win::SendMessage(box.WindowHandle(), win::ListGetHorizontalExtent, 0, 0), 0);
    EXPECT_EQ(win::SendMessage(lst, win::ButtonSetState, 1, 0), 0);
    EXPECT_EQ(win::SendMessage(lst, 9999, 1, 0), 0);
    EXPECT_EQ(win::SendMessage(0, win::EditUndo, 0, 0), 0);
    EXPECT_EQ(list.HorizontalExtent(), 250);
}

TEST_F(WindowSystemTest, ParentsLeadToTheDesktop) {
    EXPECT_EQ(win::GetParent(list.WindowHandle()), frame.WindowHandle());
    EXPECT_EQ(win::GetParent(frame.WindowHandle()), form.WindowHandle());
    EXPECT_EQ(win::GetParent(form.WindowHandle()), win::GetDesktopWindow());
    EXPECT_EQ(win::GetParent(-5), 0);
}

TEST_F(WindowSystemTest, ClientRectangleAndHitTestInPixels) {
    win::Rect rect{1, 1, 1, 1};
    ASSERT_TRUE(win::GetClientRect(list.WindowHandle(), rect));
    EXPECT_EQ(rect.right, 100);
    EXPECT_EQ(rect.bottom, 65);
    EXPECT_TRUE(win::PtInRect(rect, {0, 0}));
    EXPECT_TRUE(win::PtInRect(rect, {99, 64}));
    EXPECT_FALSE(win::PtInRect(rect, {100, 10}));
    EXPECT_FALSE(win::PtInRect(rect, {10, -1}));
    Host::Current().SetTwipsPerPixel(12, 12);
    win::GetClientRect(list.WindowHandle(), rect);
    EXPECT_EQ(rect.right, 125);
    EXPECT_FALSE(win::GetClientRect(-5, rect));
    EXPECT_EQ(rect.right, 0);
}

TEST_F(WindowSystemTest, CaretHidesUntilTheNextFocus) {
    EXPECT_FALSE(win::HideCaret(list.WindowHandle()));  // no focus, no caret
    list.SetFocus();
    EXPECT_TRUE(list.CaretVisible());
    EXPECT_TRUE(win::HideCaret(list.WindowHandle()));
    EXPECT_FALSE(list.CaretVisible());
    box.SetFocus();
    list.SetFocus();
    EXPECT_TRUE(list.CaretVisible());
    EXPECT_FALSE(win::HideCaret(button.WindowHandle()));
}

TEST_F(WindowSystemTest, ScreenOriginAddsTheWindowAndEveryAncestorOffset) {
    const win::Point origin = win::ScreenOrigin(list.WindowHandle());
    EXPECT_EQ(origin.x, (1500 + 150 + 300) / 15);
    EXPECT_EQ(origin.y, (3000 + 150 + 450) / 15);
    const win::Point formOrigin = win::ScreenOrigin(form.WindowHandle());
    EXPECT_EQ(formOrigin.x, 100);
    EXPECT_EQ(formOrigin.y, 200);
}

TEST_F(WindowSystemTest, SetWindowPosPlacesAndRaisesAForm) {
    const Hwnd hwnd = form.WindowHandle();
    ASSERT_TRUE(win::SetWindowPos(hwnd, true, 0, 0, 100, 100, win::HideWindow | win::NoActivate));
    EXPECT_TRUE(form.TopMost());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Width(), 1500);
    win::SetWindowPos(hwnd, true, 10, 20, 0, 0, win::NoSize | win::ShowWindow | win::NoActivate);
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(form.Active());
    EXPECT_EQ(form.Left(), 150);
    EXPECT_EQ(form.Top(), 300);
    EXPECT_EQ(form.Height(), 1500);
    win::SetWindowPos(hwnd, false, 0, 0, 0, 0, win::NoMove | win::NoSize | win::ShowWindow);
    EXPECT_FALSE(form.TopMost());
    EXPECT_TRUE(form.Active());
    EXPECT_FALSE(win::SetWindowPos(-5, true, 0, 0, 1, 1));
}

}  // namespace
}  // namespace panelkit2::host
