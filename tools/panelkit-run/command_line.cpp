#include "tools/panelkit-run/command_line.hpp"

#include <iostream>

#include <CLI/CLI.hpp>

#include "tools/panelkit-run/exit_codes.hpp"

namespace panelkit2::run {

namespace {

constexpr const char* kDescription =
    "Runs the assistant described in FILE (see docs/assistant-file.md): in a window where a "
    "person goes through its pages with Back, Next and Finish, or with --unattended, "
    "without any window, from the answers given with --answers and the file's defaults.\n"
    "Finish prints the actions of every shown page joined with \",\".";

constexpr const char* kFooter =
    "Exit status: 0 finished; 1 cancelled (Escape or the window closed); 2 the command line "
    "or the assistant file is wrong; 3 an answer is unknown, invalid or missing; 4 a file "
    "could not be written; 5 a fault of the runner.";

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, char** argv) {
    CommandLine options;
    CLI::App app(kDescription, "panelkit-run");
    app.footer(kFooter);
    app.add_option("FILE", options.assistant, "The assistant file (TOML)")->required();
    app.add_option("--answers", options.answers,
                   "Answers given ahead (JSON): a result of an earlier run, or "
                   "{\"PAGE\": {\"CONTROL\": VALUE}}; each is selected before the page shows")
        ->option_text("FILE");
    app.add_option("--result", options.result,
                   "Write the structured result (JSON) to FILE when finished; - for standard "
                   "output, after the actions")
        ->option_text("FILE");
    app.add_flag("--unattended", options.unattended,
                 "Run without a window: answers, defaults and the same checks");
    app.add_option("--screenshot-dir", options.screenshotDir,
                   "Run unattended and draw every page shown, answers selected, offscreen into "
                   "DIR/NN-PAGE.png")
        ->option_text("DIR");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return {std::nullopt, kExitFinished};
    } catch (const CLI::ParseError& error) {
        std::cerr << "panelkit-run: " << error.what() << "\n\n" << app.help();
        return {std::nullopt, kExitBadAssistant};
    }
    return {options, kExitFinished};
}

}  // namespace panelkit2::run
