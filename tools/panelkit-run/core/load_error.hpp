#pragma once

// A mistake in an assistant file: where it stands and what was expected. what() reads
// "FILE:LINE:COLUMN: MESSAGE", the form editors jump to.

#include <stdexcept>
#include <string>

#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

class LoadError : public std::runtime_error {
  public:
    LoadError(const FilePlace& place, const std::string& message)
        : std::runtime_error(Format(place, message)), mPlace(place), mstrMessage(message) {}

    const FilePlace& Place() const noexcept { return mPlace; }
    const std::string& Message() const noexcept { return mstrMessage; }

  private:
    static std::string Format(const FilePlace& place, const std::string& message) {
        if (place.file.empty()) return message;
        if (place.line == 0) return place.file + ": " + message;
        return place.file + ":" + std::to_string(place.line) + ":" + std::to_string(place.column) +
               ": " + message;
    }

    FilePlace mPlace;
    std::string mstrMessage;
};

}  // namespace panelkit2::run
