#pragma once

// A borderless top-level window (no parent). It starts hidden. Position and size are the
// widget geometry, in screen twips.
//
// The form is active while the focused widget is the form itself or lies inside it.
// LostFocus is raised when it stops being active: the focus moved from the form or any of
// its widgets to a widget outside it, or to nothing. (A form that holds the focus itself
// also raises LostFocus when one of its own widgets takes the focus, as every widget does
// when it loses the focus.)

#include <memory>
#include <string>

#include "panelkit2/toolkit/signal.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class Form : public Widget {
  public:
    explicit Form(std::string name);
    ~Form() override;

    // Makes the form visible and gives it the focus unless a widget inside it has it.
    void Show();
    void Hide() { Visible(false); }
    bool Active() const noexcept { return mblnActive; }

    const std::string& Caption() const noexcept { return mstrCaption; }
    void Caption(std::string value);
    // Stays above every window that is not top-most.
    bool TopMost() const noexcept { return mblnTopMost; }
    void SetTopMost(bool value);

    void CopyDesignFrom(const Widget& source) override;

    // A click on the form's own area: the form takes the focus.
    void UserClick();
    // The user drags the window to a new place (the window-moved message follows).
    void UserMoveTo(float left, float top);

  private:
    void FollowFocus(Widget* from);

    std::string mstrCaption;
    bool mblnTopMost = false;
    bool mblnActive = false;
    Signal<Widget*, Widget*>::Connection mFocusConnection;
    // Expires with the form: a focus move already being delivered skips a dead form.
    std::shared_ptr<Form*> mSelf = std::make_shared<Form*>(this);
};

}  // namespace panelkit2::host
