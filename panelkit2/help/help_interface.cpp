// The late-bound interface of Help. The class is private, so these identifiers are the
// library's own: properties from 0x68030000 and methods from 0x60030000, in member order.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/help/help.hpp"

namespace panelkit2 {

const InterfaceTable& Help::ClassInterface() {
    using M = Members<Help>;
    static const InterfaceTable table(
        "PanelKit2.Help",
        {
            M::Property("Visible", 0x68030000, &Help::Visible, &Help::Visible, {By::Val}),
            M::Property("Caption", 0x68030001, &Help::Caption, &Help::Caption, {By::Val}),
            M::Method("PopUpBalloon", 0x60030000, &Help::PopUpBalloon),
            M::Method("HideBalloon", 0x60030001, &Help::HideBalloon),
            M::Method("EnableTimer", 0x60030002, &Help::EnableTimer),
            M::Method("DisableTimer", 0x60030003, &Help::DisableTimer),
            M::Method("SetTimer", 0x60030004, &Help::SetTimer),
        });
    return table;
}

const InterfaceTable& Help::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
