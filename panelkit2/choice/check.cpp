#include "panelkit2/choice/check.hpp"

#include <cmath>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr float kBoxSize = 255;
constexpr float kLabelTop = 50;
constexpr float kLabelGap = 50;
constexpr float kControlHeight = 255;
constexpr int32_t kInitialDesiredWidth = 400;
}  // namespace

Check::Check()
    : OptionControl("Check", {ControlID::Check, "Check", kInitialDesiredWidth}),
      Check_(&UserControl, "Check"),
      wlCaption(&UserControl, "wlCaption") {
    Check_.Move(0, 0, kBoxSize, kBoxSize);
    wlCaption.Move(kBoxSize, kLabelTop, 0, wlCaption.Height());
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    wlCaption.Click.Connect([this] { wlCaption_Click(); });
    UserControl_Initialize();
}

std::string Check::Caption() const {
    return CaptionOf(wlCaption);
}

// The caption algorithm: size the label to the text, widen the control to hold box and
// label, mirror the text into the tool tips; a non-empty caption also switches action
// routing to the state lists and becomes the desired width. Ends silently at a failing
// step, keeping the steps already done.
void Check::Caption(std::string_view value) {
    Silently([&] {
        SizeToText(wlCaption, value);
        UserControl.Width(wlCaption.Width() + Check_.Width() + kLabelGap);
        Check_.ToolTipText(std::string(value));
        wlCaption.ToolTipText(std::string(value));
        if (value.empty()) return;
        mblnOptionMode = true;
        mlngDesiredWidth = ToLong(UserControl.Width());
        UserControl.PropertyChanged("Caption");
    });
}

int32_t Check::Bottom() const {
    return FullReRaise(Source().Get("Bottom"),
                       [&] { return ToLong(double(Check_.Top()) + Check_.Height()); });
}

int32_t Check::Right() const {
    return FullReRaise(Source().Get("Right"),
                       [&] { return ToLong(double(Check_.Left()) + Check_.Width()); });
}

bool Check::Value() const {
    return FullReRaise(Source().Get("Value"), [&] { return Check_.Value() != 0; });
}

void Check::Value(bool value) {
    FullReRaise(Source().Let("Value"), [&] {
        Check_.Value(value ? 1 : 0);
        UserControl.PropertyChanged("Value");
    });
}

std::string Check::Action() const {
    return FullReRaise(Source().Get("action"), [&] { return Check_.Tag(); });
}

void Check::Action(std::string_view value) {
    FullReRaise(Source().Let("action"), [&] { AppendRouted(mActions.Named(), value); });
}

void Check::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        Caption(std::string_view());
        Check_.Value(0);
        Check_.Tag({});
        Check_.ToolTipText({});
        mActions.Reset();
        ResetContract();
        Paint();
    });
}

void Check::AddOption(std::string_view vData) {
    FullReRaise(Source().Method("AddOption"), [&] {
        if (mActions.NameOption(vData)) mblnOptionMode = true;
    });
}

void Check::SetSelectedOption(bool vData) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] { Check_.Value(vData ? 1 : 0); });
}

bool Check::GetSelectedOption() const {
    return FullReRaise(Source().Method("GetSelectedOption"), [&] { return Check_.Value() == 1; });
}

// Common actions first, then those of the current state; a grayed box counts as unchecked.
std::string Check::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"),
                       [&] { return Answer(mActions.Of(Check_.Value() == 1)); });
}

void Check::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mblnOptionMode = false;
            mlngDesiredWidth = kInitialDesiredWidth;
        }
        Paint();
    });
}

// Back to the initial geometry: exactly as large as the box.
void Check::Paint() {
    FullReRaise(Source().Method("Paint"), [&] {
        if (mblnLayoutBusy) return;
        UserControl.Width(Check_.Width());
        UserControl.Height(Check_.Height());
        Check_.Top(0);
        UserControl.Refresh();
    });
}

// Box at the left edge, the label beside it filling the rest; the control is one box high.
void Check::UserControl_Resize() {
    if (mblnLayoutBusy) return;
    LayoutGuard guard(mblnLayoutBusy);
    Check_.Move(0, 0);
    const float previousLabelLeft = wlCaption.Left();
    wlCaption.Move(Check_.Width(), kLabelTop, std::fabs(UserControl.Width() - previousLabelLeft));
    UserControl.Height(kControlHeight);
}

// A click on the caption toggles the box; a grayed box becomes unchecked.
void Check::wlCaption_Click() {
    Check_.Value(Check_.Value() == 0 ? 1 : 0);
}

void Check::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("Height", UserControl.Height(), Check_.Height());
    bag.WriteProperty("Width", UserControl.Width(), Check_.Width());
    WriteColours(bag);
    bag.WriteProperty("Caption", wlCaption.Caption(), std::string());
    bag.WriteProperty("Value", Check_.Value(), int16_t{0});
    bag.WriteProperty("Action", Action(), std::string());
}

// Reads without laying out: the caption goes straight into the label, so tool tips,
// desired width and routing stay as they were.
void Check::UserControl_ReadProperties(host::PropertyBag& bag) {
    LayoutGuard guard(mblnLayoutBusy);
    UserControl.Height(bag.ReadProperty("Height", Check_.Height()).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", Check_.Width()).AsSingle());
    ReadColours(bag);
    wlCaption.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    Check_.Value(bag.ReadProperty("Value", int16_t{0}).AsInteger());
    Check_.Tag(bag.ReadProperty("Action", std::string()).AsString());
}

}  // namespace panelkit2
