#pragma once

// The kinds of control an assistant file may name, one adapter each.

#include <string_view>
#include <vector>

#include "tools/panelkit-run/core/kind.hpp"

namespace panelkit2::run {

// Every kind, in the order of their control identifiers.
const std::vector<const Kind*>& AllKinds();
// The kind the file calls `name`; nullptr when there is none.
const Kind* FindKind(std::string_view name);
// "check, radio, ..." for messages.
std::string KindNames();

// One per kind, each in kinds/<name>_kind.cpp.
const Kind& TheCheckKind();
const Kind& TheComboKind();
const Kind& TheCommandKind();
const Kind& TheContinuousSlideKind();
const Kind& TheListKind();
const Kind& TheMultiListKind();
const Kind& TheNumBoxKind();
const Kind& TheRadioKind();
const Kind& TheRealNumBoxKind();
const Kind& TheSlideKind();
const Kind& TheStringBoxKind();
const Kind& TheTextAreaKind();

}  // namespace panelkit2::run
