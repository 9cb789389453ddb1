#pragma once

// DispListBox: lines of text the user may read and scroll but not choose. A list box that
// never keeps a selection, shows no caret, and widens its horizontal scroll range to the
// widest line added. Used on its own and inside Heading for the list entries of a page
// heading. Not an option control: no options, actions or captions, no CtlID, nothing
// persisted, no events.
//
// The list box's left-button messages are watched through a message hook; a press outside
// the list's client area is flagged on the hook's entry for the window.

#include <cstdint>
#include <string_view>

#include "panelkit2/controls/control_base.hpp"
#include "panelkit2/toolkit/list_box.hpp"
#include "panelkit2/toolkit/msg_hook.hpp"
#include "panelkit2/toolkit/window_system.hpp"

namespace panelkit2 {

class DispListBox : public ControlBase {
  public:
    DispListBox();
    ~DispListBox() override;
    DispListBox(const DispListBox&) = delete;
    DispListBox& operator=(const DispListBox&) = delete;

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    bool IsEmpty() const { return lstMainBox.ListCount() == 0; }
    int16_t NumLines() const { return lstMainBox.ListCount(); }
    // Appends a line; a line wider than the horizontal range widens it to the line and 10
    // pixels more.
    void AddOption(std::string_view strNewLine);
    // Removes every line; the horizontal range becomes the list's visible width again.
    void Clear();

    // The horizontal range, pixels, as last sent to the list box.
    int32_t HorizontalExtent() const noexcept { return mlngHorizontalExtent; }

    // Constituents, for views and tests that look inside.
    host::ListBox& MainBox() { return lstMainBox; }
    host::MsgHook& Hook() { return GTMsgHook1; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override { (void)bag; }
    void UserControl_ReadProperties(host::PropertyBag& bag) override { (void)bag; }

  private:
    void ConnectEvents();
    void UserControl_Initialize();
    void UserControl_Terminate();
    void UserControl_Resize();
    void Deselect();
    void HideListCaret();
    void ReadClientRect();
    void GTMsgHook1_Message(int32_t lParam);

    host::ListBox lstMainBox;
    host::MsgHook GTMsgHook1;
    // The hook's entry for the list box's window and its left-click message.
    host::MsgHook::WatchedWindow* mWindowEntry = nullptr;
    host::MsgHook::WatchedMessage* mLeftClick = nullptr;
    host::win::Rect mrctClient;
    int32_t mlngHorizontalExtent = 0;
};

}  // namespace panelkit2
