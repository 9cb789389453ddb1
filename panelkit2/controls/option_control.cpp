#include "panelkit2/controls/option_control.hpp"

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/controls/action_list.hpp"

namespace panelkit2 {

OptionControl::OptionControl(std::string name, const Design& design)
    : ControlBase(std::move(name)),
      mlngDesiredWidth(design.initialDesiredWidth),
      mDesign(design),
      mSource(design.sourceName) {}

void OptionControl::ForeColor(host::OleColor value) {
    if (mDesign.foreColorOnSurface) UserControl.ForeColor(value);
    PaintForeColor(value);
    if (mDesign.notifiesForeColor) UserControl.PropertyChanged(mDesign.foreColorProperty);
}

void OptionControl::BackColor(host::OleColor value) {
    UserControl.BackColor(value);
    PaintBackColor(value);
    UserControl.PropertyChanged("BackColor");
}

void OptionControl::AddAction(std::string_view text) {
    const ProcedureSource source = mDesign.addActionSource.empty()
                                       ? mSource.Method("AddAction")
                                       : ProcedureSource(mDesign.addActionSource);
    FullReRaise(source, [&] { RouteAction(text); });
}

void OptionControl::AppendRouted(std::string& optionList, std::string_view text) {
    AppendAction(mblnOptionMode ? optionList : mstrCommonAction, text);
}

std::string OptionControl::Answer(std::string_view selected) const {
    return JoinActions(mstrCommonAction, selected);
}

void OptionControl::ResetContract() {
    mstrCommonAction.clear();
    mblnOptionMode = false;
    mlngDesiredWidth = mDesign.initialDesiredWidth;
}

std::string OptionControl::CaptionOf(const host::WrapLabel& label) const {
    return FullReRaise(mSource.Get("Caption"), [&] { return label.Caption(); });
}

// The text goes in before the switch is turned on: the label ends the same, measured once.
void OptionControl::SizeToText(host::WrapLabel& label, std::string_view text) {
    label.Caption(std::string(text));
    label.AutoSize(true);
    label.AutoSize(false);
}

// Colours travel as Long: system colours (high bit set) are negative numbers.
void OptionControl::WriteColours(host::PropertyBag& bag) {
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
}

void OptionControl::ReadColours(host::PropertyBag& bag) {
    BackColor(static_cast<host::OleColor>(
        bag.ReadProperty("BackColor", static_cast<int32_t>(BackColor())).AsLong()));
    ForeColor(static_cast<host::OleColor>(
        bag.ReadProperty("ForeColor", static_cast<int32_t>(ForeColor())).AsLong()));
}

host::OleColor OptionControl::ReadColour(const host::PropertyBag& bag, std::string_view key) {
    return static_cast<host::OleColor>(bag.ReadProperty(key).AsLong());
}

}  // namespace panelkit2
