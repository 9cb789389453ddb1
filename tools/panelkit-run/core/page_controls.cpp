#include "tools/panelkit-run/core/page_controls.hpp"

#include <stdexcept>

#include "panelkit2/automation/automation_error.hpp"
#include "tools/panelkit-run/core/kind.hpp"
#include "tools/panelkit-run/core/load_error.hpp"

namespace panelkit2::run {

namespace {

LoadError Refused(const ControlDef& def, const AutomationError& error) {
    return LoadError(def.place, "control '" + def.id + "': the " + std::string(def.kind->Name()) +
                                    " refuses it: " + error.Description() + " (error " +
                                    std::to_string(error.Number()) + ")");
}

}  // namespace

std::vector<LiveControl> BuildControls(ControlPort& port, const Page& page) {
    std::vector<LiveControl> controls;
    controls.reserve(page.controls.size());
    for (const ControlDef& def : page.controls) {
        try {
            ObjectRef control = port.GetNewControl(static_cast<int16_t>(def.kind->Id()));
            def.kind->Fill(*control, def);
            port.AddControl(Variant(control));
            controls.push_back({&def, std::move(control)});
        } catch (const AutomationError& error) {
            throw Refused(def, error);
        }
    }
    return controls;
}

void SelectValue(const LiveControl& live, const Json& value) {
    try {
        live.def->kind->Select(*live.control, *live.def, value);
    } catch (const AutomationError& error) {
        throw Refused(*live.def, error);
    }
}

Json ReadValue(const LiveControl& live) {
    return live.def->kind->Read(*live.control, *live.def);
}

ControlResult ReadResult(const Page& page, const LiveControl& live) {
    const ControlDef& def = *live.def;
    ControlResult result{def.id, std::string(def.kind->Name()), ReadValue(live), {}};
    result.actions = def.kind->ActionsFor(def, result.value);
    // Asked by name, as the container asks its children.
    const std::string own =
        CallByName(*live.control, "GetSelectedAction", CallKind::GetOrMethod, {}).AsString();
    if (Joined(result.actions) != own)
        throw std::logic_error("page '" + page.id + "', control '" + def.id +
                               "': the file's actions read \"" + Joined(result.actions) +
                               "\" but the control answers \"" + own + "\"");
    return result;
}

}  // namespace panelkit2::run
