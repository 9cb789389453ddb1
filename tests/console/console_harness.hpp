#pragma once

#include <string>
#include <string_view>

namespace panelkit2::console_test {

struct ConsoleRun {
    std::string output;
    int status = 0;
};

// Runs a script through the console language, capturing everything it prints, with the
// test classes Test.Thing and Test.Control registered.
ConsoleRun RunConsole(std::string_view script);
std::string Output(std::string_view script);

}  // namespace panelkit2::console_test
