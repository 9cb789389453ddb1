#include <memory>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/foundation/class_factory.hpp"

namespace panelkit2 {

void RegisterLibraryClasses(ClassFactory& factory) {
    factory.Register("PanelKit2.Check", [] { return std::make_shared<Check>(); });
    factory.Register("PanelKit2.Command", [] { return std::make_shared<Command>(); });
    factory.Register("PanelKit2.ControlPort", [] { return std::make_shared<ControlPort>(); });
}

}  // namespace panelkit2
