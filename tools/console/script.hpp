#pragma once

#include <ostream>
#include <string_view>

namespace panelkit2::console {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitSyntaxError = 2;

// Parses the whole script before running any of it, so a script with a syntax error has no
// side effects: it prints `syntax error at line N: ...` and returns kExitSyntaxError.
// Otherwise every statement runs, failures print an error line, and the result is
// kExitSuccess.
int RunScript(std::string_view text, std::ostream& out);

}  // namespace panelkit2::console
