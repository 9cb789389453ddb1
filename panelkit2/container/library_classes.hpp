#pragma once

// The class factory of the library: every creatable class registered under its program
// identifier. Hosts may register classes of their own beside them.

#include "panelkit2/automation/class_factory.hpp"

namespace panelkit2 {

ClassFactory& LibraryClasses();

}  // namespace panelkit2
