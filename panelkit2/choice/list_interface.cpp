// The automation interface of List, in published member order. Action and RemoveItem take
// the item position by reference; Action writes the last item's position back on a quiet
// end.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/choice/list.hpp"

namespace panelkit2 {

const InterfaceTable& List::ClassInterface() {
    using M = Members<List>;
    static const InterfaceTable table(
        "PanelKit2.List",
        {
            M::Get("CtlID", 0x6803000d, &List::CtlID),
            M::Property("BackColor", 0x6803000c, &List::BackColor, &List::BackColor),
            M::Property("ForeColor", 0x6803000b, &List::ForeColor, &List::ForeColor),
            M::Property("ElementHeight", 0x6803000a, &List::ElementHeight, &List::ElementHeight,
                        {By::Val}),
            M::Property("ElementWidth", 0x68030009, &List::ElementWidth, &List::ElementWidth,
                        {By::Val}),
            M::Get("Bottom", 0x68030008, &List::Bottom),
            M::Get("Right", 0x68030007, &List::Right),
            M::Property("Caption", 0x68030006, &List::Caption, &List::Caption, {By::Val}),
            M::Get("DesiredWidth", 0x68030005, &List::DesiredWidth),
            M::Property("Selected", 0x68030004, &List::Selected, &List::Selected),
            M::Get("IsEmpty", 0x68030003, &List::IsEmpty),
            M::Get("ItemCount", 0x68030002, &List::ItemCount),
            M::Property("Action", 0x68030001, &List::Action, &List::Action),
            M::Get("Show", 0x68030000, &List::Show),
            M::Method("AddItem", 0x6003000e, &List::AddItem),
            M::Method("RemoveItem", 0x6003000f, &List::RemoveItem),
            M::Method("Clear", 0x60030010, &List::Clear),
            M::Method("SetCaption", 0x60030018, &List::SetCaption, {By::Val}),
            M::Method("AddOption", 0x60030011, &List::AddOption),
            M::Method("AddAction", 0x60030012, &List::AddAction),
            M::Method("AddCaption", 0x60030013, &List::AddCaption),
            M::Method("AddHelp", 0x60030014, &List::AddHelp),
            M::Method("SetSelectedOption", 0x60030015, &List::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030016, &List::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030017, &List::GetSelectedAction),
        });
    return table;
}

const InterfaceTable& List::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
