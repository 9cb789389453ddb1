#include "panelkit2/choice/check.hpp"

#include <cmath>

#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2 {

namespace {
constexpr float kBoxSize = 255;
constexpr float kLabelTop = 50;
constexpr float kLabelGap = 50;
constexpr float kControlHeight = 255;
constexpr int32_t kInitialDesiredWidth = 400;
}  // namespace

Check::Check()
    : ControlBase("Check"), Check_(&UserControl, "Check"), wlCaption(&UserControl, "wlCaption") {
    Check_.Move(0, 0, kBoxSize, kBoxSize);
    wlCaption.Move(kBoxSize, kLabelTop, 0, wlCaption.Height());
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    wlCaption.Click.Connect([this] { wlCaption_Click(); });
    UserControl_Initialize();
}

int16_t Check::CtlID() const {
    return static_cast<int16_t>(ControlID::Check);
}

host::OleColor Check::ForeColor() const {
    return UserControl.ForeColor();
}

void Check::ForeColor(host::OleColor value) {
    UserControl.ForeColor(value);
    Check_.ForeColor(value);
    UserControl.PropertyChanged("ForeColor");
}

host::OleColor Check::BackColor() const {
    return UserControl.BackColor();
}

void Check::BackColor(host::OleColor value) {
    UserControl.BackColor(value);
    Check_.BackColor(value);
    UserControl.PropertyChanged("BackColor");
}

std::string Check::Caption() const {
    return FullReRaise("PanelKit::Check.Caption(Get)", [&] { return wlCaption.Caption(); });
}

// The caption algorithm: size the label to the text, widen the control to hold box and
// label, mirror the text into the tool tips; a non-empty caption also switches action
// routing to the state lists and becomes the desired width. Ends silently at a failing
// step, keeping the steps already done.
void Check::Caption(const std::string& value) {
    Silently([&] {
        wlCaption.AutoSize(true);
        wlCaption.Caption(value);
        wlCaption.AutoSize(false);
        UserControl.Width(wlCaption.Width() + Check_.Width() + kLabelGap);
        Check_.ToolTipText(value);
        wlCaption.ToolTipText(value);
        if (value.empty()) return;
        mActions.mblnOptionMode = true;
        mlngDesiredWidth = ToLong(UserControl.Width());
        UserControl.PropertyChanged("Caption");
    });
}

int32_t Check::DesiredWidth() const {
    return mlngDesiredWidth;
}

int32_t Check::Bottom() const {
    return FullReRaise("PanelKit::Check.Bottom(Get)",
                       [&] { return ToLong(double(Check_.Top()) + Check_.Height()); });
}

int32_t Check::Right() const {
    return FullReRaise("PanelKit::Check.Right(Get)",
                       [&] { return ToLong(double(Check_.Left()) + Check_.Width()); });
}

bool Check::Value() const {
    return FullReRaise("PanelKit::Check.Value(Get)", [&] { return Check_.Value() != 0; });
}

void Check::Value(bool value) {
    FullReRaise("PanelKit::Check.Value(Let)", [&] {
        Check_.Value(value ? 1 : 0);
        UserControl.PropertyChanged("Value");
    });
}

std::string Check::Action() const {
    return FullReRaise("PanelKit::Check.action(Get)", [&] { return Check_.Tag(); });
}

void Check::Action(const std::string& value) {
    FullReRaise("PanelKit::Check.action(Let)", [&] { mActions.Route(value); });
}

bool Check::Show() const {
    return true;
}

void Check::Clear() {
    FullReRaise("PanelKit::Check.Clear", [&] {
        Caption(std::string());
        Check_.Value(0);
        Check_.Tag({});
        Check_.ToolTipText({});
        mActions.Reset();
        mlngDesiredWidth = kInitialDesiredWidth;
        Paint();
    });
}

void Check::SetCaption(const std::string& strNewValue) {
    Caption(strNewValue);
}

// A check box shows no help.
void Check::AddHelp(std::string& HelpString) {
    (void)HelpString;
}

void Check::AddCaption(std::string& CaptionString) {
    Caption(CaptionString);
}

void Check::AddOption(std::string& vData) {
    FullReRaise("PanelKit::Check.AddOption", [&] { mActions.NameOption(vData); });
}

void Check::AddAction(std::string& vData) {
    FullReRaise("PanelKit::Check.AddAction", [&] { Action(vData); });
}

void Check::SetSelectedOption(bool& vData) {
    FullReRaise("PanelKit::Check.SetSelectedOption", [&] { Check_.Value(vData ? 1 : 0); });
}

bool Check::GetSelectedOption() const {
    return FullReRaise("PanelKit::Check.GetSelectedOption", [&] { return Check_.Value() == 1; });
}

// Common actions first, then those of the current state; a grayed box counts as unchecked.
std::string Check::GetSelectedAction() const {
    return FullReRaise("PanelKit::Check.GetSelectedAction",
                       [&] { return mActions.Selected(Check_.Value() == 1); });
}

void Check::UserControl_Initialize() {
    FullReRaise("PanelKit::Check.UserControl_Initialize", [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mActions.mblnOptionMode = false;
            mlngDesiredWidth = kInitialDesiredWidth;
        }
        Paint();
    });
}

// Back to the initial geometry: exactly as large as the box.
void Check::Paint() {
    FullReRaise("PanelKit::Check.Paint", [&] {
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
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
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
    BackColor(static_cast<host::OleColor>(
        bag.ReadProperty("BackColor", static_cast<int32_t>(BackColor())).AsLong()));
    ForeColor(static_cast<host::OleColor>(
        bag.ReadProperty("ForeColor", static_cast<int32_t>(ForeColor())).AsLong()));
    wlCaption.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    Check_.Value(bag.ReadProperty("Value", int16_t{0}).AsInteger());
    Check_.Tag(bag.ReadProperty("Action", std::string()).AsString());
}

}  // namespace panelkit2
