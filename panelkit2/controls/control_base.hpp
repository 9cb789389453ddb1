#pragma once

// What every control of the library has: its surface, the extender through which a
// container places it, and persistence of its design-time properties.

#include <string>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/toolkit/extender.hpp"
#include "panelkit2/toolkit/property_bag.hpp"
#include "panelkit2/toolkit/user_control.hpp"

namespace panelkit2 {

class ControlBase : public Dispatchable {
  public:
    explicit ControlBase(std::string name);

    host::UserControl& Surface() { return UserControl; }
    const host::UserControl& Surface() const { return UserControl; }
    Dispatchable* Extender() override { return &mExtender; }

    // The host saves the control (WriteProperties) or loads a saved one (ReadProperties).
    host::PropertyBag SaveProperties();
    void LoadProperties(host::PropertyBag& bag);

  protected:
    virtual void UserControl_WriteProperties(host::PropertyBag& bag) = 0;
    virtual void UserControl_ReadProperties(host::PropertyBag& bag) = 0;

    host::UserControl UserControl;

  private:
    host::Extender mExtender;
};

}  // namespace panelkit2
