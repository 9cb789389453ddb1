// The automation interface of TextArea, in published member order.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/choice/text_area.hpp"

namespace panelkit2 {

const InterfaceTable& TextArea::ClassInterface() {
    using M = Members<TextArea>;
    using T = TextArea;
    static const InterfaceTable table(
        "PanelKit2.TextArea",
        {
            M::Get("CtlID", 0x6803000c, &T::CtlID),
            M::Property("Caption", 0x6803000b, &T::Caption, &T::Caption, {By::Val}),
            M::Property("CaptionWidth", 0x6803000a, &T::CaptionWidth, &T::CaptionWidth),
            M::Property("FieldWidth", 0x68030009, &T::FieldWidth, &T::FieldWidth),
            M::Get("DesiredWidth", 0x68030008, &T::DesiredWidth),
            M::Property("Text", 0x68030007, &T::Text, &T::Text),
            M::Get("Bottom", 0x68030006, &T::Bottom),
            M::Get("Right", 0x68030005, &T::Right),
            M::Property("Value", 0x68030004, &T::Value, &T::Value, {By::Val}),
            M::Property("Action", 0x68030003, &T::Action, &T::Action),
            M::Property("ForeColor", 0x68030002, &T::ForeColor, &T::ForeColor),
            M::Property("BackColor", 0x68030001, &T::BackColor, &T::BackColor),
            M::Get("Show", 0x68030000, &T::Show),
            M::Method("SetCaption", 0x6003000d, &T::SetCaption, {By::Val}),
            M::Method("Clear", 0x6003000e, &T::Clear),
            M::Method("AddOption", 0x6003000f, &T::AddOption),
            M::Method("AddAction", 0x60030010, &T::AddAction),
            M::Method("AddHelp", 0x60030011, &T::AddHelp),
            M::Method("AddCaption", 0x60030012, &T::AddCaption),
            M::Method("SetSelectedOption", 0x60030013, &T::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030014, &T::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030015, &T::GetSelectedAction),
        });
    return table;
}

const InterfaceTable& TextArea::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
