#include "tools/panelkit-run/core/page_controls.hpp"

#include <stdexcept>

#include "panelkit2/automation/automation_error.hpp"
#include "tools/panelkit-run/core/kind.hpp"
#include "tools/panelkit-run/core/load_error.hpp"

namespace panelkit2::run {

namespace {

LoadError Refused(const ControlSpec& spec, const AutomationError& error) {
    return LoadError(spec.place, "control '" + spec.id + "': the " +
                                     std::string(spec.kind->Name()) +
                                     " refuses it: " + error.Description() + " (error " +
                                     std::to_string(error.Number()) + ")");
}

}  // namespace

std::vector<LiveControl> BuildControls(ControlPort& port, const Page& page) {
    std::vector<LiveControl> controls;
    controls.reserve(page.controls.size());
    for (const ControlSpec& spec : page.controls) {
        try {
            ObjectRef control = port.GetNewControl(static_cast<int16_t>(spec.kind->Id()));
            spec.kind->Fill(*control, spec);
            port.AddControl(Variant(control));
            controls.push_back({&spec, std::move(control)});
        } catch (const AutomationError& error) {
            throw Refused(spec, error);
        }
    }
    return controls;
}

void SelectValue(const LiveControl& live, const Json& value) {
    try {
        live.spec->kind->Select(*live.control, *live.spec, value);
    } catch (const AutomationError& error) {
        throw Refused(*live.spec, error);
    }
}

Json ReadValue(const LiveControl& live) {
    return live.spec->kind->Read(*live.control, *live.spec);
}

ControlResult ReadResult(const Page& page, const LiveControl& live) {
    const ControlSpec& spec = *live.spec;
    ControlResult result{spec.id, std::string(spec.kind->Name()), ReadValue(live), {}};
    result.actions = spec.kind->ActionsFor(spec, result.value);
    // Asked by name, as the container asks its children.
    const std::string own =
        CallByName(*live.control, "GetSelectedAction", CallKind::GetOrMethod, {}).AsString();
    if (Joined(result.actions) != own)
        throw std::logic_error("page '" + page.id + "', control '" + spec.id +
                               "': the file's actions read \"" + Joined(result.actions) +
                               "\" but the control answers \"" + own + "\"");
    return result;
}

}  // namespace panelkit2::run
