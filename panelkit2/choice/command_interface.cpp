// The automation interface of Command, in published member order, and its event.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/choice/command.hpp"

namespace panelkit2 {

const InterfaceTable& Command::ClassInterface() {
    using M = Members<Command>;
    static const InterfaceTable table(
        "PanelKit2.Command",
        {
            M::Get("CtlID", 0x68030006, &Command::CtlID),
            M::Property("ForeColor", 0x68030005, &Command::ForeColor, &Command::ForeColor),
            M::Property("BackColor", 0x68030004, &Command::BackColor, &Command::BackColor),
            M::Property("Caption", 0x68030003, &Command::Caption, &Command::Caption),
            M::Get("DesiredWidth", 0x68030002, &Command::DesiredWidth),
            M::Property("Action", 0x68030001, &Command::Action, &Command::Action),
            M::Get("Show", 0x68030000, &Command::Show),
            M::Method("SetSelectionOption", 0x60030007, &Command::SetSelectionOption),
            M::Method("GetSelectedOption", 0x60030008, &Command::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030009, &Command::GetSelectedAction),
            M::Method("Clear", 0x6003000a, &Command::Clear),
            M::Method("SetCaption", 0x60030013, &Command::SetCaption, {By::Val}),
            M::Method("SetClicked", 0x6003000b, &Command::SetClicked),
            M::Method("AddOption", 0x6003000c, &Command::AddOption),
            M::Method("AddCaption", 0x6003000d, &Command::AddCaption),
            M::Method("AddHelp", 0x6003000e, &Command::AddHelp),
            M::Method("AddAction", 0x6003000f, &Command::AddAction),
            M::Method("Paint", 0x60030011, &Command::Paint),
            M::Method("UserControl_Resize", 0x60030012, &Command::UserControl_Resize),
        },
        {Event(Events::ButtonPushed, "ButtonPushed", {ByRef("strAction", VarType::String)})});
    return table;
}

const InterfaceTable& Command::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
