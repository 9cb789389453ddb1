// The automation interface of NumBox, in published member order, and its event.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/range/num_box.hpp"

namespace panelkit2 {

const InterfaceTable& NumBox::ClassInterface() {
    using M = Members<NumBox>;
    static const InterfaceTable table(
        "PanelKit2.NumBox",
        {
            M::Get("CtlID", 0x68030011, &NumBox::CtlID),
            M::Property("BackColor", 0x68030010, &NumBox::BackColor, &NumBox::BackColor),
            M::Property("ForeColor", 0x6803000F, &NumBox::ForeColor, &NumBox::ForeColor),
            M::Property("ElementHeight", 0x6803000E, &NumBox::ElementHeight, &NumBox::ElementHeight,
                        {By::Val}),
            M::Property("Caption", 0x6803000D, &NumBox::Caption, &NumBox::Caption, {By::Val}),
            M::Get("DesiredWidth", 0x6803000C, &NumBox::DesiredWidth),
            M::Get("Bottom", 0x6803000B, &NumBox::Bottom),
            M::Get("Right", 0x6803000A, &NumBox::Right),
            M::Property("DefaultMin", 0x68030009, &NumBox::DefaultMin, &NumBox::DefaultMin),
            M::Property("DefaultMax", 0x68030008, &NumBox::DefaultMax, &NumBox::DefaultMax),
            M::Property("Min", 0x68030007, &NumBox::Min, &NumBox::Min, {By::Val}),
            M::Property("Max", 0x68030006, &NumBox::Max, &NumBox::Max, {By::Val}),
            M::Property("FieldWidth", 0x68030005, &NumBox::FieldWidth, &NumBox::FieldWidth),
            M::Property("Value", 0x68030004, &NumBox::Value, &NumBox::Value),
            M::Property("ActionMin", 0x68030003, &NumBox::ActionMin, &NumBox::ActionMin),
            M::Property("ActionMax", 0x68030002, &NumBox::ActionMax, &NumBox::ActionMax),
            M::Property("Action", 0x68030001, &NumBox::Action, &NumBox::Action),
            M::Get("Show", 0x68030000, &NumBox::Show),
            M::Method("Clear", 0x60030012, &NumBox::Clear),
            M::Method("SetCaption", 0x6003001B, &NumBox::SetCaption, {By::Val}),
            M::Method("SetSelectedOption", 0x60030013, &NumBox::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030014, &NumBox::GetSelectedOption),
            M::Method("SetConditionalAction", 0x60030015, &NumBox::SetConditionalAction),
            M::Method("AddOption", 0x60030016, &NumBox::AddOption),
            M::Method("AddAction", 0x60030017, &NumBox::AddAction),
            M::Method("AddHelp", 0x60030018, &NumBox::AddHelp),
            M::Method("AddCaption", 0x60030019, &NumBox::AddCaption),
            M::Method("GetSelectedAction", 0x6003001A, &NumBox::GetSelectedAction),
        },
        {Event(Events::Change, "Change", {})});
    return table;
}

const InterfaceTable& NumBox::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
