#pragma once

// The order in which the kinds fill a control, as the library routes actions: the actions
// common to every answer go first, while no option takes them yet; then the caption; then
// each option with its actions (and help), which the control attaches to the option added
// last.

#include <string>
#include <string_view>
#include <vector>

#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

template <class Control>
void FillCommonActions(Control& control, const ControlDef& def) {
    for (const std::string& action : def.commonActions) control.AddAction(action);
}

template <class Control>
void FillCommonAndCaption(Control& control, const ControlDef& def) {
    FillCommonActions(control, def);
    control.SetCaption(def.caption);
}

// `add` adds one option by its text (AddOption, AddItem, AddTick, ...).
template <class Control, class Add>
void FillOptions(Control& control, const std::vector<Option>& options, Add add) {
    for (const Option& option : options) {
        add(control, option.text);
        for (const std::string& action : option.actions) control.AddAction(action);
        if (!option.help.empty()) control.AddHelp(option.help);
    }
}

}  // namespace panelkit2::run
