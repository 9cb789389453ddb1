#include "panelkit2/automation/class_factory.hpp"

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2 {

void ClassFactory::Register(std::string progId, Creator creator) {
    mcolEntries.push_back({std::move(progId), std::move(creator)});
}

const ClassFactory::Entry* ClassFactory::Find(std::string_view progId) const {
    for (const auto& entry : mcolEntries)
        if (EqualsNoCase(entry.progId, progId)) return &entry;
    return nullptr;
}

bool ClassFactory::IsRegistered(std::string_view progId) const {
    return Find(progId) != nullptr;
}

std::vector<std::string> ClassFactory::ProgIds() const {
    std::vector<std::string> ids;
    for (const auto& entry : mcolEntries) ids.push_back(entry.progId);
    return ids;
}

ObjectRef ClassFactory::Create(std::string_view progId) const {
    const Entry* entry = Find(progId);
    if (!entry)
        throw AutomationError(
            err::CannotCreateObject, "PanelKit2",
            "Cannot create object: no class is registered as \"" + std::string(progId) + "\"");
    return entry->creator();
}

}  // namespace panelkit2
