#include "panelkit2/display/disp_list_box.hpp"

#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2 {

namespace {
// A new control is as large as a list entry of a page heading.
constexpr float kInitialWidth = 2400;
constexpr float kInitialHeight = 1530;
// Room beyond the widest line, pixels.
constexpr int32_t kExtentMargin = 10;
constexpr const char* kWindowKey = "lstMainBox";
constexpr const char* kLeftClickKey = "LeftClick";
constexpr const char* kLeftDblClickKey = "LeftDblClick";
}  // namespace

DispListBox::DispListBox() : ControlBase("DispListBox"), lstMainBox(&UserControl, "lstMainBox") {
    ConnectEvents();
    UserControl.Move(0, 0, kInitialWidth, kInitialHeight);
    UserControl_Initialize();
}

DispListBox::~DispListBox() {
    UserControl_Terminate();
}

void DispListBox::ConnectEvents() {
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    UserControl.GotFocus.Connect([this] { HideListCaret(); });
    lstMainBox.GotFocus.Connect([this] { HideListCaret(); });
    lstMainBox.Click.Connect([this] { Deselect(); });
    lstMainBox.KeyPress.Connect([this](int16_t&) { Deselect(); });
    GTMsgHook1.Message.Connect(
        [this](host::Hwnd, int32_t, int32_t, int32_t lParam) { GTMsgHook1_Message(lParam); });
}

// The list box's window and its two left-button messages, each flag down; then the hook
// is switched on.
void DispListBox::UserControl_Initialize() {
    mWindowEntry = &GTMsgHook1.AddWindow(kWindowKey, lstMainBox.WindowHandle());
    mLeftClick = &mWindowEntry->AddMessage(kLeftClickKey, host::msg::LeftButtonDown);
    mWindowEntry->AddMessage(kLeftDblClickKey, host::msg::LeftButtonDoubleClick);
    GTMsgHook1.Enabled(true);
}

void DispListBox::UserControl_Terminate() {
    mLeftClick = nullptr;
    if (mWindowEntry) GTMsgHook1.RemoveWindow(kWindowKey);
    mWindowEntry = nullptr;
    GTMsgHook1.Enabled(false);
}

void DispListBox::UserControl_Resize() {
    lstMainBox.Move(0, 0, UserControl.Width(), UserControl.Height());
    ReadClientRect();
}

void DispListBox::ReadClientRect() {
    host::win::GetClientRect(lstMainBox.WindowHandle(), mrctClient);
}

void DispListBox::HideListCaret() {
    host::win::HideCaret(lstMainBox.WindowHandle());
}

// The list keeps no selection: whatever the user or the code selected is let go at once.
void DispListBox::Deselect() {
    const int16_t current = lstMainBox.ListIndex();
    if (current != -1) lstMainBox.Selected(current, false);
}

void DispListBox::AddOption(std::string_view strNewLine) {
    lstMainBox.AddItem(std::string(strNewLine));
    Deselect();
    ReadClientRect();
    const double twips = SharedSubs::GetTextWidth(UserControl.hDC(), strNewLine);
    const int32_t pixels = ToLong(twips / host::Host::Current().TwipsPerPixelX());
    if (pixels > mlngHorizontalExtent) {
        mlngHorizontalExtent = pixels + kExtentMargin;
        host::win::SendMessage(lstMainBox.WindowHandle(), host::win::ListSetHorizontalExtent,
                               mlngHorizontalExtent, 0);
    }
    HideListCaret();
}

void DispListBox::Clear() {
    lstMainBox.Clear();
    host::win::SendMessage(lstMainBox.WindowHandle(), host::win::ListSetHorizontalExtent,
                           mrctClient.right, 0);
    mlngHorizontalExtent = mrctClient.right;
}

// A left press or double click on the list: the press is flagged on the window's entry
// unless it falls inside the client area.
void DispListBox::GTMsgHook1_Message(int32_t lParam) {
    const host::win::Point point{host::MsgHook::LowWord(lParam), host::MsgHook::HighWord(lParam)};
    if (!mLeftClick) return;
    mLeftClick->Flag(true);
    if (host::win::PtInRect(mrctClient, point)) mLeftClick->Flag(false);
}

}  // namespace panelkit2
