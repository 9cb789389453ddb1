#include "panelkit2/foundation/class_factory.hpp"

namespace panelkit2 {

void RegisterLibraryClasses(ClassFactory& factory) {
    (void)factory;
}

}  // namespace panelkit2
