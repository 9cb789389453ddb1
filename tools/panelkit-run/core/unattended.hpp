#pragma once

// A run without any window: every page that is shown gets the answers given ahead, the
// file's defaults or its kind's first values, through the same controls and checks as a
// run by a person. A required value left missing is an AnswerError naming page and control.

#include "tools/panelkit-run/core/answers.hpp"
#include "tools/panelkit-run/core/assistant.hpp"
#include "tools/panelkit-run/core/run_result.hpp"

namespace panelkit2::run {

RunResult RunUnattended(const Assistant& assistant, const Answers& answers);

}  // namespace panelkit2::run
