#pragma once

// The command line of panelkit-run, read with CLI11.

#include <optional>
#include <string>

namespace panelkit2::run {

struct CommandLine {
    std::string assistant;
    std::string answers;
    std::string result;
    std::string screenshotDir;
    bool unattended = false;
};

// The options, or the exit status when the run ends here (--help: 0, a mistake: 2, after
// the usage went to standard error).
struct ParsedCommandLine {
    std::optional<CommandLine> options;
    int status = 0;
};

ParsedCommandLine ParseCommandLine(int argc, char** argv);

}  // namespace panelkit2::run
