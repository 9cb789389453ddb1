// The automation interface of ContinuousSlide, in published member order.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/range/continuous_slide.hpp"

namespace panelkit2 {

const InterfaceTable& ContinuousSlide::ClassInterface() {
    using M = Members<ContinuousSlide>;
    using C = ContinuousSlide;
    static const InterfaceTable table(
        "PanelKit2.ContinuousSlide",
        {
            M::Get("CtlID", 0x6803000D, &C::CtlID),
            M::Property("BackColor", 0x6803000C, &C::BackColor, &C::BackColor),
            M::Property("ForeColor", 0x6803000B, &C::ForeColor, &C::ForeColor),
            M::Property("Caption", 0x6803000A, &C::Caption, &C::Caption),
            M::Get("DesiredWidth", 0x68030009, &C::DesiredWidth),
            M::Property("Min", 0x68030008, &C::Min, &C::Min),
            M::Property("Max", 0x68030007, &C::Max, &C::Max),
            M::Property("DefaultMin", 0x68030006, &C::DefaultMin, &C::DefaultMin),
            M::Property("DefaultMax", 0x68030005, &C::DefaultMax, &C::DefaultMax),
            M::Property("Action", 0x68030002, &C::Action, &C::Action),
            M::Get("Show", 0x68030001, &C::Show),
            M::Property("DecimalPlace", 0x68030000, &C::DecimalPlace, &C::DecimalPlace, {By::Val}),
            M::Method("Clear", 0x6003000E, &C::Clear),
            M::Method("SetCaption", 0x6003001B, &C::SetCaption, {By::Val}),
            M::Method("SetDecimalPlace", 0x6003000F, &C::SetDecimalPlace),
            M::Method("AddOption", 0x60030010, &C::AddOption),
            M::Method("AddAction", 0x60030011, &C::AddAction),
            M::Method("AddHelp", 0x60030012, &C::AddHelp),
            M::Method("AddCaption", 0x60030013, &C::AddCaption),
            M::Method("SetSlideValue", 0x60030014, &C::SetSlideValue),
            M::Method("SetConditionalAction", 0x60030015, &C::SetConditionalAction),
            M::Method("SetSelectedOption", 0x60030016, &C::SetSelectedOption),
            M::Method("GetSelectedOption", 0x60030017, &C::GetSelectedOption),
            M::Method("GetSelectedAction", 0x60030018, &C::GetSelectedAction),
        },
        HelpEvents());
    return table;
}

const InterfaceTable& ContinuousSlide::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
