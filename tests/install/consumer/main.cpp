// Uses the installed library: one Check on its own, then a page of the control port made
// through the class factory, whose controls come from the library's own registrations.

#include <iostream>
#include <string>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/library_classes.hpp"

int main() {
    panelkit2::Check check;
    // Named strings: the parameters may be references or views.
    std::string option = "TRUE";
    std::string action = "install=yes";
    check.AddOption(option);
    check.AddAction(action);
    bool checked = true;
    check.SetSelectedOption(checked);
    std::cout << "check: " << check.GetSelectedAction() << "\n";

    const panelkit2::ObjectRef object = panelkit2::LibraryClasses().Create("PanelKit2.ControlPort");
    auto& port = dynamic_cast<panelkit2::ControlPort&>(*object);
    const panelkit2::ObjectRef control = port.GetNewControl(0);
    auto& logging = dynamic_cast<panelkit2::Check&>(*control);
    std::string always = "log=always";
    logging.AddAction(always);
    port.AddControl(panelkit2::Variant(control));
    std::cout << "port: " << port.GetSelectedActions() << "\n";
    return 0;
}
