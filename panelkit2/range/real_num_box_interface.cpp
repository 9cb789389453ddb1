// The automation interface of RealNumBox, in published member order. It raises no events.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/range/real_num_box.hpp"

namespace panelkit2 {

const InterfaceTable& RealNumBox::ClassInterface() {
    using M = Members<RealNumBox>;
    using R = RealNumBox;
    static const InterfaceTable table(
        "PanelKit2.RealNumBox",
        {
            M::Get("CtlID", 0x68030011, &R::CtlID),
            M::Property("BackColor", 0x68030010, &R::BackColor, &R::BackColor),
            M::Property("ForeColor", 0x6803000F, &R::ForeColor, &R::ForeColor),
            M::Property("ElementHeight", 0x6803000E, &R::ElementHeight, &R::ElementHeight,
                        {By::Val}),
            M::Property("Caption", 0x6803000D, &R::Caption, &R::Caption, {By::Val}),
            M::Get("DesiredWidth", 0x6803000C, &R::DesiredWidth),
            M::Get("Bottom", 0x6803000B, &R::Bottom),
            M::Get("Right", 0x6803000A, &R::Right),
            M::Property("DefaultMin", 0x68030009, &R::DefaultMin, &R::DefaultMin),
            M::Property("DefaultMax", 0x68030008, &R::DefaultMax, &R::DefaultMax),
            M::Property("Min", 0x68030007, &R::Min, &R::Min, {By::Val}),
            M::Property("Max", 0x68030006, &R::Max, &R::Max, {By::Val}),
            M::Property("FieldWidth", 0x68030005, &R::FieldWidth, &R::FieldWidth),
            M::Property("Value", 0x68030004, &R::Value, &R::Value),
            M::Property("ActionMin", 0x68030003, &R::ActionMin, &R::ActionMin),
            M::Property("ActionMax", 0x68030002, &R::ActionMax, &R::ActionMax),
            M::Property("Action", 0x68030001, &R::Action, &R::Action),
            M::Get("Show", 0x68030000, &R::Show),
            M::Method("Clear", 0x60030012, &R::Clear),
            M::Method("SetCaption", 0x6003001B, &R::SetCaption, {By::Val}),
            M::Method("SetSelectedOption", 0x60030013, &R::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030014, &R::GetSelectedOption),
            M::Method("SetConditionalAction", 0x60030015, &R::SetConditionalAction),
            M::Method("AddOption", 0x60030016, &R::AddOption),
            M::Method("AddAction", 0x60030017, &R::AddAction),
            M::Method("AddHelp", 0x60030018, &R::AddHelp),
            M::Method("AddCaption", 0x60030019, &R::AddCaption),
            M::Method("GetSelectedAction", 0x6003001A, &R::GetSelectedAction),
        });
    return table;
}

const InterfaceTable& RealNumBox::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
