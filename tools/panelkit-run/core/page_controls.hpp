#pragma once

// The controls of one page in a container: made by kind, filled through their own members
// and added for layout; values selected in them and read back with the actions that belong
// to them.

#include <vector>

#include "panelkit2/container/control_port.hpp"
#include "tools/panelkit-run/core/assistant.hpp"
#include "tools/panelkit-run/core/run_result.hpp"

namespace panelkit2::run {

struct LiveControl {
    const ControlDef* def = nullptr;
    ObjectRef control;
};

// Makes and fills the page's controls in `port` (after its NewCanvas) and adds them for
// layout. A control that refuses what the file gives it is a LoadError at the control.
std::vector<LiveControl> BuildControls(ControlPort& port, const Page& page);

// Selects a value the control takes.
void SelectValue(const LiveControl& live, const Json& value);
Json ReadValue(const LiveControl& live);
// The control's value and actions. The actions come from what the file attached; joined,
// they must read as the control's own answer, or the runner has a fault (std::logic_error).
ControlResult ReadResult(const Page& page, const LiveControl& live);

}  // namespace panelkit2::run
