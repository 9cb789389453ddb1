#include "panelkit2/controls/control_id.hpp"

#include "panelkit2/automation/numeric.hpp"

namespace panelkit2 {

std::optional<ClassIdentity> FindClassIdentity(std::string_view className) {
    for (const auto& identity : kClassIdentities)
        if (EqualsNoCase(identity.className, className)) return identity;
    return std::nullopt;
}

}  // namespace panelkit2
