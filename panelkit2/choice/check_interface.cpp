// The automation interface of Check, in published member order.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/choice/check.hpp"

namespace panelkit2 {

const InterfaceTable& Check::ClassInterface() {
    using M = Members<Check>;
    static const InterfaceTable table(
        "PanelKit2.Check",
        {
            M::Get("CtlID", 0x68030009, &Check::CtlID),
            M::Property("ForeColor", 0x68030008, &Check::ForeColor, &Check::ForeColor),
            M::Property("BackColor", 0x68030007, &Check::BackColor, &Check::BackColor),
            M::Property("Caption", 0x68030006, &Check::Caption, &Check::Caption, {By::Val}),
            M::Get("DesiredWidth", 0x68030005, &Check::DesiredWidth),
            M::Get("Bottom", 0x68030004, &Check::Bottom),
            M::Get("Right", 0x68030003, &Check::Right),
            M::Property("Value", 0x68030002, &Check::Value, &Check::Value, {By::Val}),
            M::Property("Action", 0x68030001, &Check::Action, &Check::Action),
            M::Get("Show", 0x68030000, &Check::Show),
            M::Method("Clear", 0x6003000a, &Check::Clear),
            M::Method("SetCaption", 0x60030012, &Check::SetCaption, {By::Val}),
            M::Method("AddHelp", 0x6003000b, &Check::AddHelp),
            M::Method("AddCaption", 0x6003000c, &Check::AddCaption),
            M::Method("AddOption", 0x6003000d, &Check::AddOption),
            M::Method("AddAction", 0x6003000e, &Check::AddAction),
            M::Method("SetSelectedOption", 0x6003000f, &Check::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030010, &Check::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030011, &Check::GetSelectedAction),
        });
    return table;
}

const InterfaceTable& Check::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
