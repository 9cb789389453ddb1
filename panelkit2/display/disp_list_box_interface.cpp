// The automation interface of DispListBox. The class numbers its members itself: the
// property from 0x68030000, the methods from 0x60030000, in published member order.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/display/disp_list_box.hpp"

namespace panelkit2 {

const InterfaceTable& DispListBox::ClassInterface() {
    using M = Members<DispListBox>;
    using D = DispListBox;
    static const InterfaceTable table("PanelKit2.DispListBox",
                                      {
                                          M::Method("IsEmpty", 0x60030000, &D::IsEmpty),
                                          M::Method("Clear", 0x60030001, &D::Clear),
                                          M::Method("AddOption", 0x60030002, &D::AddOption),
                                          M::Get("NumLines", 0x68030000, &D::NumLines),
                                      });
    return table;
}

const InterfaceTable& DispListBox::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
