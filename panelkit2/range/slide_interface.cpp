// The automation interface of Slide, in published member order.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/range/slide.hpp"

namespace panelkit2 {

const InterfaceTable& Slide::ClassInterface() {
    using M = Members<Slide>;
    static const InterfaceTable table(
        "PanelKit2.Slide",
        {
            M::Get("CtlID", 0x6803000C, &Slide::CtlID),
            M::Property("BackColor", 0x6803000B, &Slide::BackColor, &Slide::BackColor),
            M::Property("ForeColor", 0x6803000A, &Slide::ForeColor, &Slide::ForeColor),
            M::Property("Caption", 0x68030009, &Slide::Caption, &Slide::Caption),
            M::Get("DesiredWidth", 0x68030008, &Slide::DesiredWidth),
            M::Property("NumTicks", 0x68030007, &Slide::NumTicks, &Slide::NumTicks),
            M::Property("Action", 0x68030001, &Slide::Action, &Slide::Action),
            M::Get("Show", 0x68030000, &Slide::Show),
            M::Method("Clear", 0x6003000D, &Slide::Clear),
            M::Method("SetCaption", 0x6003001B, &Slide::SetCaption, {By::Val}),
            M::Method("AddTick", 0x6003000E, &Slide::AddTick, {Opt(std::string())}),
            M::Method("AddOption", 0x6003000F, &Slide::AddOption),
            M::Method("AddAction", 0x60030010, &Slide::AddAction),
            M::Method("SetSelectedOption", 0x60030011, &Slide::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030012, &Slide::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030013, &Slide::GetSelectedAction),
            M::Method("AddCaption", 0x60030014, &Slide::AddCaption),
            M::Method("AddHelp", 0x60030015, Overload<std::string_view, int16_t>(&Slide::AddHelp),
                      {By::Ref, Opt(int16_t{0})}),
        },
        HelpEvents());
    return table;
}

const InterfaceTable& Slide::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
