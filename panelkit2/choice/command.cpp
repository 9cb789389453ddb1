#include "panelkit2/choice/command.hpp"

#include <algorithm>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/toolkit/window_system.hpp"

namespace panelkit2 {

namespace {
// The designed extent of a new instance, also the defaults of its persisted extent.
constexpr float kDesignWidth = 800;
constexpr float kDesignHeight = 400;
constexpr int32_t kInitialDesiredWidth = 800;
// Room left around the caption label on the button.
constexpr float kLabelMargin = 300;
}  // namespace

Command::Command()
    : OptionControl("Command", {ControlID::CommandButton, "Command", kInitialDesiredWidth, false}),
      Command_(&UserControl, "Command"),
      wlCaption(&UserControl, "wlCaption") {
    UserControl.Move(0, 0, kDesignWidth, kDesignHeight);
    // Without a caption there is nothing to draw over the button.
    wlCaption.Visible(false);
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    Command_.Click.Connect([this] { UserControl_Click(); });
    wlCaption.MouseDown.Connect([this](int16_t button, int16_t shift, float x, float y) {
        wlCaption_MouseDown(button, shift, x, y);
    });
    wlCaption.MouseMove.Connect([this](int16_t button, int16_t shift, float x, float y) {
        wlCaption_MouseMove(button, shift, x, y);
    });
    wlCaption.MouseUp.Connect([this](int16_t button, int16_t shift, float x, float y) {
        wlCaption_MouseUp(button, shift, x, y);
    });
    UserControl_Initialize();
}

std::string Command::Caption() const {
    return CaptionOf(wlCaption);
}

// The caption algorithm: size the label to the text, show it only with a text, widen the
// control so the text fits with room around it.
//
// Where the published procedure ends by re-running the initialisation (which would put the
// desired width back to 800 and forget a push), only the button part of it is re-run: the
// button loses its own caption and is laid out again under the label. The desired width is
// what this caption needs, never less than a new button's: a button reused from a page
// with a long caption asks for no more than its own caption, so "Back" and "Next" stay
// narrow on the next page. A caption, being presentation, does not undo a push.
void Command::Caption(std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        SizeToText(wlCaption, value);
        wlCaption.ToolTipText(std::string(value));
        Command_.ToolTipText(std::string(value));
        wlCaption.Visible(!value.empty());
        const float needed = wlCaption.Width() + kLabelMargin;
        if (needed > UserControl.Width()) UserControl.Width(needed);
        mlngDesiredWidth = std::max(kInitialDesiredWidth, ToLong(needed));
        Command_.Caption({});
        UserControl_Resize();
    });
}

std::string Command::Action() const {
    return FullReRaise(Source().Get("Action"), [&] { return Command_.Tag(); });
}

void Command::Action(std::string_view value) {
    FullReRaise(Source().Let("Action"), [&] { AppendRouted(mActions.Named(), value); });
}

void Command::SetSelectionOption(bool vblnClicked) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] { mblnClicked = vblnClicked; });
}

std::string Command::GetSelectedOption() const {
    return mblnClicked ? "True" : "False";
}

// The "FALSE" actions count only until the button is pushed; the "TRUE" actions went out
// with ButtonPushed and are never part of the answer.
std::string Command::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        return Answer(mblnClicked ? std::string_view() : mActions.mstrFalseAction);
    });
}

void Command::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        Caption(std::string_view());
        mblnClicked = false;
        Command_.Tag({});
        Command_.ToolTipText({});
        mActions.Reset();
        ResetContract();
    });
}

void Command::SetClicked() {
    FullReRaise(Source().Method("SetClicked"), [&] { mblnClicked = true; });
}

void Command::AddOption(std::string_view vData) {
    FullReRaise(Source().Method("AddOption"), [&] {
        if (mActions.NameOption(vData)) mblnOptionMode = true;
    });
}

void Command::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        LayoutGuard guard(mblnLayoutBusy);
        Command_.Caption({});
        Command_.Move(0, 0, UserControl.Width(), UserControl.Height());
        mblnClicked = false;
        mlngDesiredWidth = kInitialDesiredWidth;
    });
}

void Command::Paint() {
    FullReRaise(Source().Method("Paint"), [&] {
        if (mblnLayoutBusy) return;
        Command_.Move(0, 0, UserControl.Width(), UserControl.Height());
        UserControl.Refresh();
    });
}

// The button fills the control; the label takes its one-line width again (the tool tip
// keeps the full caption), wraps when that leaves too little room, and is centred on it.
void Command::UserControl_Resize() {
    FullReRaise(Source().Method("UserControl_Resize"), [&] {
        if (mblnLayoutBusy) return;
        LayoutGuard guard(mblnLayoutBusy);
        Command_.Move(0, 0, UserControl.Width(), UserControl.Height());
        SizeToText(wlCaption, wlCaption.ToolTipText());
        if (UserControl.Width() - kLabelMargin < wlCaption.Width()) {
            wlCaption.Width(UserControl.Width() - kLabelMargin);
            wlCaption.Reflow();
        }
        wlCaption.Move((Command_.Width() - wlCaption.Width()) / 2 + Command_.Left(),
                       (Command_.Height() - wlCaption.Height()) / 2 + Command_.Top());
    });
}

// Pushing: the button is clicked for good and its "TRUE" actions go out. The list itself
// travels by reference, as published, so a handler's change to the text stays.
void Command::UserControl_Click() {
    FullReRaise(Source().Method("UserControl_Click"), [&] {
        mblnClicked = true;
        Variant strAction(mActions.mstrTrueAction);
        RaiseEvent(Events::ButtonPushed, Args(&strAction, 1));
        mActions.mstrTrueAction = strAction.AsString();
    });
}

// The label covers the middle of the button and takes its mouse input, so the label draws
// the button pressed while the left button is held over the button's area.
void Command::DrawPressed(bool pressed) {
    host::win::SendMessage(Command_.WindowHandle(), host::win::ButtonSetState, pressed ? 1 : 0, 0);
    mblnPressedLook = pressed;
}

// Hit test against the button's area, in the label's coordinates.
bool Command::OutsideButton(float x, float y) const {
    const float lw = wlCaption.Width();
    const float lh = wlCaption.Height();
    const float bw = Command_.Width();
    const float bh = Command_.Height();
    return x < (lw - bw) / 2 || x > (lw - bw) / 2 + bw || y < (lh - bh) / 2 ||
           y > lh + (bh - lh) / 2;
}

void Command::wlCaption_MouseDown(int16_t button, int16_t shift, float x, float y) {
    (void)shift, (void)x, (void)y;
    if (button == host::WrapLabel::LeftButton) DrawPressed(true);
}

void Command::wlCaption_MouseMove(int16_t button, int16_t shift, float x, float y) {
    (void)shift;
    const bool outside = OutsideButton(x, y);
    if (!outside && (button & host::WrapLabel::LeftButton) != 0 && !mblnPressedLook)
        DrawPressed(true);
    else if (outside && mblnPressedLook)
        DrawPressed(false);
}

// A release pushes the button wherever the pointer is, as the label kept the mouse.
void Command::wlCaption_MouseUp(int16_t button, int16_t shift, float x, float y) {
    (void)button, (void)shift, (void)x, (void)y;
    DrawPressed(false);
    UserControl_Click();
}

void Command::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("Height", UserControl.Height(), kDesignHeight);
    bag.WriteProperty("Width", UserControl.Width(), kDesignWidth);
    bag.WriteProperty("Caption", Command_.Caption(), std::string());
    bag.WriteProperty("Action", Action(), std::string());
    WriteColours(bag);
}

// Colours are written but not read back; a persisted action joins the common actions.
void Command::UserControl_ReadProperties(host::PropertyBag& bag) {
    UserControl.Height(bag.ReadProperty("Height", kDesignHeight).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", kDesignWidth).AsSingle());
    Command_.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    Action(bag.ReadProperty("Action", std::string()).AsString());
}

}  // namespace panelkit2
