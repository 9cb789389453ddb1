// panelkit-console: runs a script of automation statements against the library.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "tools/console/script.hpp"

namespace {

constexpr std::string_view kUsage =
    "usage: panelkit-console [SCRIPT]\n"
    "       panelkit-console --help\n"
    "\n"
    "Runs SCRIPT, or standard input when SCRIPT is missing or \"-\", one statement per line:\n"
    "  x = new PanelKit2.Check          create an object by program identifier\n"
    "  x.Caption = \"Logging\"            property let (indexed: x.Value(1) = True)\n"
    "  x.AddOption(\"On\")                method call; variable arguments are by reference\n"
    "  print x.#0x68030009              print a value; members by name or #dispatch id\n"
    "  on x                             print every event x raises from now on\n"
    "  save x \"x.bag\"                   write a control's properties to a file\n"
    "  y = load PanelKit2.Check \"x.bag\" a new control that reads them back\n"
    "  # comment\n"
    "\n"
    "Exit status: 0 when the script ran (failing statements print an error line),\n"
    "2 for a syntax error (nothing runs), 1 when the script cannot be read.\n";

std::optional<std::string> ReadAll(std::istream& in) {
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(text).str();
}

std::optional<std::string> ReadScript(const std::string& path) {
    if (path == "-") return ReadAll(std::cin);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return ReadAll(file);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace panelkit2::console;
    const std::string argument = argc > 1 ? argv[1] : "-";
    if (argc == 2 && (argument == "--help" || argument == "-h")) {
        std::cout << kUsage;
        return kExitSuccess;
    }
    if (argc > 2 || (argument.starts_with('-') && argument != "-")) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    const auto script = ReadScript(argument);
    if (!script) {
        std::cerr << "panelkit-console: cannot read " << argument << '\n';
        return kExitUsage;
    }
    const int status = RunScript(*script, std::cout);
    std::cout.flush();
    return status;
}
