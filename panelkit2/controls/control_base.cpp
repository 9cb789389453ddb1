#include "panelkit2/controls/control_base.hpp"

namespace panelkit2 {

ControlBase::ControlBase(std::string name) : UserControl(std::move(name)), mExtender(UserControl) {}

host::PropertyBag ControlBase::SaveProperties() {
    host::PropertyBag bag;
    UserControl_WriteProperties(bag);
    return bag;
}

void ControlBase::LoadProperties(host::PropertyBag& bag) {
    UserControl_ReadProperties(bag);
}

}  // namespace panelkit2
