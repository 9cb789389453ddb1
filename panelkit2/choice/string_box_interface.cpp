// The automation interface of StringBox, in published member order. Row indexes are passed
// by reference; the indexed members of the index family write the highest row index back
// on a quiet end.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/choice/string_box.hpp"

namespace panelkit2 {

const InterfaceTable& StringBox::ClassInterface() {
    using M = Members<StringBox>;
    using S = StringBox;
    static const InterfaceTable table(
        "PanelKit2.StringBox",
        {
            M::Get("CtlID", 0x6803000f, &S::CtlID),
            M::Property("ElementWidth", 0x6803000e, &S::ElementWidth, &S::ElementWidth, {By::Val}),
            M::Property("ElementHeight", 0x6803000d, &S::ElementHeight, &S::ElementHeight,
                        {By::Val}),
            M::Property("Caption", 0x6803000c, &S::Caption, &S::Caption, {By::Ref, By::Val}),
            M::Property("CaptionWidth", 0x6803000b, &S::CaptionWidth, &S::CaptionWidth),
            M::Property("FieldWidth", 0x6803000a, &S::FieldWidth, &S::FieldWidth),
            M::Get("DesiredWidth", 0x68030009, &S::DesiredWidth),
            M::Property("Text", 0x68030008, &S::Text, &S::Text),
            M::Get("Bottom", 0x68030007, &S::Bottom),
            M::Get("Right", 0x68030006, &S::Right),
            M::Property("ArrayCount", 0x68030005, &S::ArrayCount, &S::ArrayCount, {By::Val}),
            M::Property("Value", 0x68030004, &S::Value, &S::Value, {By::Ref, By::Val}),
            M::Property("Action", 0x68030003, &S::Action, &S::Action),
            M::Property("ForeColor", 0x68030002, &S::ForeColor, &S::ForeColor),
            M::Property("BackColor", 0x68030001, &S::BackColor, &S::BackColor),
            M::Get("Show", 0x68030000, &S::Show),
            M::Method("Clear", 0x60030010, &S::Clear),
            M::Method("SetCaption", 0x60030018, &S::SetCaption, {By::Val}),
            M::Method("AddOption", 0x60030011, &S::AddOption),
            M::Method("AddAction", 0x60030012, &S::AddAction),
            M::Method("AddHelp", 0x60030013, &S::AddHelp),
            M::Method("AddCaption", 0x60030014, &S::AddCaption),
            M::Method("SetSelectedOption", 0x60030015, &S::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030016, &S::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030017, &S::GetSelectedAction),
        });
    return table;
}

const InterfaceTable& StringBox::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
