#pragma once

// A push button. Its pressed look is state of its own, set through the window system's
// button set-state message, so a control can draw it pressed while the mouse is down on a
// label that covers it.

#include <string>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class CommandButton : public Widget {
  public:
    CommandButton(Widget* parent, std::string name);

    const std::string& Caption() const noexcept { return mstrCaption; }
    void Caption(std::string value);
    // The button Enter pushes, the button Esc pushes: flags for views and hosts.
    bool Default() const noexcept { return mblnDefault; }
    void Default(bool value) { mblnDefault = value; }
    bool Cancel() const noexcept { return mblnCancel; }
    void Cancel(bool value) { mblnCancel = value; }
    bool Pressed() const noexcept { return mblnPressed; }
    void Pressed(bool value);

    void CopyDesignFrom(const Widget& source) override;

    Signal<> Click;

    // Focus, then Click; nothing on a hidden or disabled button.
    void UserClick();

  private:
    std::string mstrCaption;
    bool mblnDefault = false;
    bool mblnCancel = false;
    bool mblnPressed = false;
};

}  // namespace panelkit2::host
