// The automation interface of Combo, in published member order.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/choice/combo.hpp"

namespace panelkit2 {

const InterfaceTable& Combo::ClassInterface() {
    using M = Members<Combo>;
    static const InterfaceTable table(
        "PanelKit2.Combo",
        {
            M::Get("CtlID", 0x6803000f, &Combo::CtlID),
            M::Property("ElementHeight", 0x6803000e, &Combo::ElementHeight, &Combo::ElementHeight,
                        {By::Val}),
            M::Property("ElementWidth", 0x6803000d, &Combo::ElementWidth, &Combo::ElementWidth,
                        {By::Val}),
            M::Property("Caption", 0x6803000c, &Combo::Caption, &Combo::Caption),
            M::Get("DesiredWidth", 0x6803000b, &Combo::DesiredWidth),
            M::Property("CaptionWidth", 0x6803000a, &Combo::CaptionWidth, &Combo::CaptionWidth),
            M::Property("FieldWidth", 0x68030009, &Combo::FieldWidth, &Combo::FieldWidth),
            M::Get("Bottom", 0x68030008, &Combo::Bottom),
            M::Get("Right", 0x68030007, &Combo::Right),
            M::Property("ArrayCount", 0x68030006, &Combo::ArrayCount, &Combo::ArrayCount,
                        {By::Val}),
            M::Get("IsEmpty", 0x68030005, &Combo::IsEmpty),
            M::Property("Selected", 0x68030004, &Combo::Selected, &Combo::Selected),
            M::Property("Action", 0x68030003, &Combo::Action, &Combo::Action),
            M::Property("ForeColor", 0x68030002, &Combo::ForeColor, &Combo::ForeColor),
            M::Property("BackColor", 0x68030001, &Combo::BackColor, &Combo::BackColor),
            M::Get("Show", 0x68030000, &Combo::Show),
            M::Method("Clear", 0x60030010, &Combo::Clear),
            M::Method("SetCaption", 0x6003001a, &Combo::SetCaption, {By::Val}),
            M::Method("AddItem", 0x60030011, &Combo::AddItem),
            M::Method("ItemCount", 0x60030012, &Combo::ItemCount),
            M::Method("AddOption", 0x60030013, &Combo::AddOption),
            M::Method("AddAction", 0x60030014, &Combo::AddAction),
            M::Method("AddHelp", 0x60030015, &Combo::AddHelp),
            M::Method("AddCaption", 0x60030016, &Combo::AddCaption),
            M::Method("SetSelectedOption", 0x60030017, &Combo::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030018, &Combo::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030019, &Combo::GetSelectedAction),
        });
    return table;
}

const InterfaceTable& Combo::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
