// panelkit-run: an assistant from a file, run by a person in a window, from answers given
// ahead, or unattended. See docs/assistant-file.md and `panelkit-run --help`.

#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "tools/panelkit-run/command_line.hpp"
#include "tools/panelkit-run/core/answer_error.hpp"
#include "tools/panelkit-run/core/answers.hpp"
#include "tools/panelkit-run/core/assistant_loader.hpp"
#include "tools/panelkit-run/core/load_error.hpp"
#include "tools/panelkit-run/core/unattended.hpp"
#include "tools/panelkit-run/exit_codes.hpp"
#ifdef PANELKIT_RUN_WINDOW
#include "tools/panelkit-run/qt/window_run.hpp"
#endif

namespace {

using namespace panelkit2::run;

// A file that cannot be written.
class WriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The actions go to standard output; the structured result to its file, or after the
// actions when the file is "-".
void Report(const RunResult& result, const std::string& resultFile) {
    std::cout << result.Actions() << std::endl;
    if (resultFile.empty()) return;
    const std::string json = result.ToJson().dump(2, ' ', false, Json::error_handler_t::replace);
    if (resultFile == "-") {
        std::cout << json << std::endl;
        return;
    }
    std::ofstream file(resultFile, std::ios::binary | std::ios::trunc);
    file << json << '\n';
    file.close();
    if (!file) throw WriteError(resultFile + ": cannot write the result");
}

std::optional<RunResult> Run(const CommandLine& options, int& argc, char** argv) {
    const Assistant assistant = LoadAssistantFile(options.assistant);
    const Answers answers =
        options.answers.empty() ? Answers() : Answers::FromFile(options.answers, assistant);
    const bool unattended = options.unattended || !options.screenshotDir.empty();
#ifdef PANELKIT_RUN_WINDOW
    if (!unattended && !WindowPossible())
        throw LoadError({},
                        "no display to show the window on: run it with --unattended, or "
                        "set QT_QPA_PLATFORM=offscreen");
    if (!unattended) return RunInWindow(assistant, answers, argc, argv);
    RunResult result = RunUnattended(assistant, answers);
    if (!options.screenshotDir.empty()) {
        const std::string failure =
            DrawPages(assistant, answers, options.screenshotDir, argc, argv);
        if (!failure.empty()) throw WriteError(failure);
    }
    return result;
#else
    (void)argc, (void)argv;
    if (!unattended || !options.screenshotDir.empty())
        throw LoadError({},
                        "this panelkit-run was built without its window (Qt 6); use --unattended");
    return RunUnattended(assistant, answers);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (!parsed.options) return parsed.status;
    try {
        const std::optional<RunResult> result = Run(*parsed.options, argc, argv);
        if (!result) {
            std::cerr << "panelkit-run: cancelled\n";
            return kExitCancelled;
        }
        Report(*result, parsed.options->result);
        return kExitFinished;
    } catch (const LoadError& error) {
        std::cerr << "panelkit-run: " << error.what() << "\n";
        return kExitBadAssistant;
    } catch (const AnswerError& error) {
        std::cerr << "panelkit-run: " << error.what() << "\n";
        return kExitBadAnswers;
    } catch (const WriteError& error) {
        std::cerr << "panelkit-run: " << error.what() << "\n";
        return kExitIo;
    } catch (const std::exception& error) {
        std::cerr << "panelkit-run: internal error: " << error.what() << "\n";
        return kExitInternal;
    }
}
