#pragma once

// Focus: an empty control that only takes the input focus. A control places one, invisible,
// where the focus should go when it must leave one of its own constituents (a scroll bar
// that is worked with the mouse only). It has no members of its own and persists nothing;
// its extender places and focuses it. Private to the library: no program identifier is
// registered, so it is made in C++ by the controls that embed it.

#include "panelkit2/controls/control_base.hpp"

namespace panelkit2 {

class Focus : public ControlBase {
  public:
    Focus();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override { (void)bag; }
    void UserControl_ReadProperties(host::PropertyBag& bag) override { (void)bag; }
};

}  // namespace panelkit2
