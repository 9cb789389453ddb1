// The automation interface of Radio, in published member order. Option indexes are passed
// by reference; Value and Action write the highest valid index back on a quiet end.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/choice/radio.hpp"

namespace panelkit2 {

const InterfaceTable& Radio::ClassInterface() {
    using M = Members<Radio>;
    static const InterfaceTable table(
        "PanelKit2.Radio",
        {
            M::Get("CtlID", 0x6803000c, &Radio::CtlID),
            M::Property("BackColor", 0x6803000b, &Radio::BackColor, &Radio::BackColor),
            M::Property("ForeColor", 0x6803000a, &Radio::ForeColor, &Radio::ForeColor),
            M::Property("ElementHeight", 0x68030009, &Radio::ElementHeight, &Radio::ElementHeight,
                        {By::Val}),
            M::Property("Caption", 0x68030008, &Radio::Caption, &Radio::Caption,
                        {By::Ref, By::Val}),
            M::Get("DesiredWidth", 0x68030007, &Radio::DesiredWidth),
            M::Get("Bottom", 0x68030006, &Radio::Bottom),
            M::Get("Right", 0x68030005, &Radio::Right),
            M::Property("ArrayCount", 0x68030004, &Radio::ArrayCount, &Radio::ArrayCount,
                        {By::Val}),
            M::Property("Value", 0x68030003, &Radio::Value, &Radio::Value, {By::Ref, By::Val}),
            M::Property("Action", 0x68030002, &Radio::Action, &Radio::Action),
            M::Get("Show", 0x68030001, &Radio::Show),
            M::Method("Clear", 0x6003000d, &Radio::Clear),
            M::Method("SetSelectedOption", 0x6003000e, &Radio::SetSelectedOption),
            M::Method("GetSelectedOption", 0x6003000f, &Radio::GetSelectedOption),
            M::Method("SetCaption", 0x60030010, &Radio::SetCaption),
            M::Method("AddOption", 0x60030011, &Radio::AddOption),
            M::Method("AddAction", 0x60030012, &Radio::AddAction),
            M::Method("AddHelp", 0x60030013, &Radio::AddHelp),
            M::Method("AddCaption", 0x60030014, &Radio::AddCaption),
            M::Method("GetSelectedAction", 0x60030015, &Radio::GetSelectedAction),
            M::Get("WLVisible", 0x68030000, &Radio::WLVisible),
        });
    return table;
}

const InterfaceTable& Radio::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
