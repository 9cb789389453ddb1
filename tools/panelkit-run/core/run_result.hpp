#pragma once

// What a run answers: for every shown page, in the order shown, its container's actions and
// for each control its id, kind, value and actions as a list (so that an action holding a
// comma stays one entry); and the actions of all shown pages joined.

#include <string>
#include <vector>

#include "tools/panelkit-run/core/action_lists.hpp"
#include "tools/panelkit-run/core/json_value.hpp"

namespace panelkit2::run {

struct ControlResult {
    std::string id;
    std::string kind;
    Json value;
    ActionList actions;
};

struct PageResult {
    std::string id;
    std::string caption;
    // The container's own answer for the page.
    std::string actions;
    std::vector<ControlResult> controls;
};

struct RunResult {
    std::string title;
    std::vector<PageResult> pages;

    // The pages' answers joined with ","; pages without actions add nothing.
    std::string Actions() const;
    // {"assistant", "pages": [{"id", "caption", "actions", "controls": [{"id", "kind",
    // "value", "actions"}]}], "actions"}
    Json ToJson() const;
};

}  // namespace panelkit2::run
