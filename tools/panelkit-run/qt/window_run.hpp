#pragma once

// The assistant in a real window (the Qt view), and its pages drawn offscreen.

#include <optional>
#include <string>

#include "tools/panelkit-run/core/answers.hpp"
#include "tools/panelkit-run/core/assistant.hpp"
#include "tools/panelkit-run/core/run_result.hpp"

namespace panelkit2::run {

// Whether a window can be shown: a display, or a Qt platform chosen in QT_QPA_PLATFORM
// (offscreen, for tests).
bool WindowPossible();

// Shows the assistant until the person finishes it (its result) or cancels it (nullopt).
std::optional<RunResult> RunInWindow(const Assistant& assistant, const Answers& answers, int& argc,
                                     char** argv);

// Draws every page an unattended run shows, answers selected, into DIR/NN-PAGE.png. Returns
// what could not be written, empty when everything was.
std::string DrawPages(const Assistant& assistant, const Answers& answers, const std::string& dir,
                      int& argc, char** argv);

}  // namespace panelkit2::run
