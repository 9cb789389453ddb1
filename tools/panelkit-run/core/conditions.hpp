#pragma once

// Conditions on earlier answers ("show_if"): reading one from the file, checked against the
// control it names, and testing it against that control's answer.

#include <toml++/toml.h>

#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

class TableReader;

// The control must stand on a page before the one being read (the pages read so far);
// every operand must be a value that control takes.
Condition LoadCondition(const Assistant& assistant, const TableReader& page,
                        const toml::table& table);

// Whether the page is shown, given the answer of the condition's control (nullptr when that
// control was on a page that was not shown).
bool ConditionHolds(const Condition& condition, const Json* answer);

}  // namespace panelkit2::run
