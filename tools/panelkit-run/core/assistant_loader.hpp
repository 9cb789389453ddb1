#pragma once

// Reads an assistant file (TOML) into an Assistant, checking every field as it goes. The
// first mistake ends the reading with a LoadError naming the file, line and column and what
// was expected there.

#include <string>

#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

Assistant LoadAssistantFile(const std::string& path);
// `name` stands for the file in messages.
Assistant LoadAssistantText(const std::string& text, const std::string& name);

}  // namespace panelkit2::run
