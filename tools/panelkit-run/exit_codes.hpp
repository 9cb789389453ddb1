#pragma once

// The exit statuses of panelkit-run.

namespace panelkit2::run {

inline constexpr int kExitFinished = 0;
// The person cancelled (Escape, or the window closed).
inline constexpr int kExitCancelled = 1;
// The command line or the assistant file is wrong.
inline constexpr int kExitBadAssistant = 2;
// An answer is unknown, invalid or missing.
inline constexpr int kExitBadAnswers = 3;
// A file could not be read or written.
inline constexpr int kExitIo = 4;
// The runner disagrees with a control about its actions: a fault of the runner.
inline constexpr int kExitInternal = 5;

}  // namespace panelkit2::run
