#pragma once

// Values travel as JSON: defaults read from the assistant file, answers, results and the
// operands of conditions. Objects keep their keys in the order written, so a result reads
// id, kind, value, actions.

#include <string>

#include <nlohmann/json.hpp>

namespace panelkit2::run {

using Json = nlohmann::ordered_json;

// "a text", "a number", "true or false", ... for messages about a value of the wrong type.
std::string TypeName(const Json& value);
// The value as a message shows it: JSON text, shortened when long.
std::string Quote(const Json& value);

}  // namespace panelkit2::run
