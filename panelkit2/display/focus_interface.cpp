// The late-bound interface of Focus: no members of its own (the extender answers Left,
// Top, Visible, SetFocus, ...).

#include "panelkit2/display/focus.hpp"

namespace panelkit2 {

const InterfaceTable& Focus::ClassInterface() {
    static const InterfaceTable table("PanelKit2.Focus", std::vector<MemberDef>{});
    return table;
}

const InterfaceTable& Focus::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
