#pragma once

// What the number kinds share: the range and the sub-ranges with their actions (and help)
// read from the file, the check of a number against them, and the actions of the sub-ranges
// holding a value, in the order the file lists them.

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/panelkit-run/core/action_lists.hpp"
#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

class TableReader;

struct NumberRules {
    // Whole numbers only.
    bool whole = false;
    // Decimals a value may have; -1 for any.
    int16_t decimals = -1;
    // The numbers a control can hold at all.
    double lowest = 0;
    double highest = 0;
    // Sub-ranges may carry a help text, and then need no actions.
    bool help = false;
};

// "min" and "max" (min below max), then "conditional_actions": tables of min, max,
// actions (and help), no two with the same ends. "decimal_place" must be read first when
// the rules depend on it.
void ReadRange(TableReader& fields, ControlDef& def, const NumberRules& rules);
void ReadSubRanges(TableReader& fields, ControlDef& def, const NumberRules& rules);

// Why `value` is no number the control takes: the wrong type, too many decimals or outside
// the range. Empty when it takes it.
std::string RefuseNumber(const ControlDef& def, const Json& value, const NumberRules& rules);

// The number as the file or an answer gives it, in the precision the control compares in.
template <class T>
ActionList ActionsInSubRanges(const ControlDef& def, T value) {
    ActionList selected;
    for (const SubRange& range : def.conditionalActions)
        if (static_cast<T>(range.min) <= value && value <= static_cast<T>(range.max))
            AppendOwner(selected, range.actions);
    return Answer(def.commonActions, selected);
}

// A number written with `decimals` decimals, read back as the nearest double, so that 0.29
// in single precision comes out as 0.29.
double RoundedToDecimals(double value, int16_t decimals);
// The shortest text that reads back as the same float, as a double.
double ShortestOf(float value);

}  // namespace panelkit2::run
