#pragma once

// Actions as lists, one entry per action the assistant file attached, so that an action
// holding a comma stays one entry. The joining rules are the controls' own, applied to
// lists: joined with "," a list built here reads exactly as the control's answer.

#include <string>
#include <vector>

namespace panelkit2::run {

using ActionList = std::vector<std::string>;

// The list's text: its entries joined with ",".
std::string Joined(const ActionList& list);

// Appends an owner's actions as the controls append one owner's list to another: nothing
// is put before the first non-empty part, and an owner without actions after it leaves an
// empty entry ("a", then nothing, reads "a,").
void AppendOwner(ActionList& into, const ActionList& owner);

// Appends an owner's actions only when it has some.
void AppendNonEmpty(ActionList& into, const ActionList& owner);

// A control's answer: the common actions, then the actions of what is selected.
ActionList Answer(const ActionList& common, const ActionList& selected);

}  // namespace panelkit2::run
