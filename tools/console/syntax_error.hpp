#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace panelkit2::console {

// A script that cannot be parsed; `what()` is the message without the line prefix.
class SyntaxError : public std::runtime_error {
  public:
    SyntaxError(int64_t line, const std::string& message)
        : std::runtime_error(message), mLine(line) {}
    int64_t Line() const noexcept { return mLine; }

  private:
    int64_t mLine;
};

}  // namespace panelkit2::console
