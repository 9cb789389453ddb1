// The automation interface of MultiList, in published member order: List's members and
// identifiers, with AddHelp before AddCaption. Selected takes its text by reference and
// writes back the text it used.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/choice/multi_list.hpp"

namespace panelkit2 {

const InterfaceTable& MultiList::ClassInterface() {
    using M = Members<MultiList>;
    using T = MultiList;
    static const InterfaceTable table(
        "PanelKit2.MultiList",
        {
            M::Get("CtlID", 0x6803000d, &T::CtlID),
            M::Property("BackColor", 0x6803000c, &T::BackColor, &T::BackColor),
            M::Property("ForeColor", 0x6803000b, &T::ForeColor, &T::ForeColor),
            M::Property("ElementHeight", 0x6803000a, &T::ElementHeight, &T::ElementHeight,
                        {By::Val}),
            M::Property("ElementWidth", 0x68030009, &T::ElementWidth, &T::ElementWidth, {By::Val}),
            M::Get("Bottom", 0x68030008, &T::Bottom),
            M::Get("Right", 0x68030007, &T::Right),
            M::Property("Caption", 0x68030006, &T::Caption, &T::Caption, {By::Val}),
            M::Get("DesiredWidth", 0x68030005, &T::DesiredWidth),
            M::Property("Selected", 0x68030004, &T::Selected, &T::Selected),
            M::Get("IsEmpty", 0x68030003, &T::IsEmpty),
            M::Get("ItemCount", 0x68030002, &T::ItemCount),
            M::Property("Action", 0x68030001, &T::Action, &T::Action),
            M::Get("Show", 0x68030000, &T::Show),
            M::Method("AddItem", 0x6003000e, &T::AddItem),
            M::Method("RemoveItem", 0x6003000f, &T::RemoveItem),
            M::Method("Clear", 0x60030010, &T::Clear),
            M::Method("SetCaption", 0x60030018, &T::SetCaption, {By::Val}),
            M::Method("AddOption", 0x60030011, &T::AddOption),
            M::Method("AddAction", 0x60030012, &T::AddAction),
            M::Method("AddHelp", 0x60030013, &T::AddHelp),
            M::Method("AddCaption", 0x60030014, &T::AddCaption),
            M::Method("SetSelectedOption", 0x60030015, &T::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030016, &T::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030017, &T::GetSelectedAction),
        });
    return table;
}

const InterfaceTable& MultiList::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
