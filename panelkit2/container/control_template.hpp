#pragma once

// The design-time templates of the container's twelve control arrays: name, size and the
// persisted values each new element reads, and the program identifier of the class that
// makes the element. A kind becomes available to GetNewControl as soon as its class is
// registered with the class factory; nothing here changes when it is.

#include <string_view>
#include <utility>
#include <vector>

#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/toolkit/property_bag.hpp"

namespace panelkit2 {

struct ControlTemplate {
    ControlID kind;
    std::string_view name;    // "Check1"
    std::string_view progId;  // "PanelKit2.Check"
    float width;
    float height;
    host::PropertyBag persisted;
};

// The template of a kind; error 9 for a value outside 0..11.
const ControlTemplate& TemplateOf(int32_t kind);

}  // namespace panelkit2
