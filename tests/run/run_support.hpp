#pragma once

// Shorthands for the runner's tests: assistants and answers from text, and the message a
// load or a run ends with.

#include <gtest/gtest.h>

#include <string>

#include "tools/panelkit-run/core/answer_error.hpp"
#include "tools/panelkit-run/core/answers.hpp"
#include "tools/panelkit-run/core/assistant_loader.hpp"
#include "tools/panelkit-run/core/load_error.hpp"
#include "tools/panelkit-run/core/unattended.hpp"

namespace panelkit2::run::test {

inline Assistant Load(const std::string& toml) {
    return LoadAssistantText(toml, "test.toml");
}

// "LINE:COLUMN: MESSAGE" of the mistake in the file; empty when it loads.
inline std::string LoadFailure(const std::string& toml) {
    try {
        Load(toml);
    } catch (const LoadError& error) {
        const std::string text = error.what();
        const std::string prefix = "test.toml:";
        return text.starts_with(prefix) ? text.substr(prefix.size()) : text;
    }
    return {};
}

inline Answers AnswersFor(const Assistant& assistant, const std::string& json) {
    return Answers::FromText(json, "answers.json", assistant);
}

// The message of the answers' or the run's AnswerError; empty when the run finishes.
inline std::string RunFailure(const Assistant& assistant, const std::string& json) {
    try {
        RunUnattended(assistant, AnswersFor(assistant, json));
    } catch (const AnswerError& error) {
        return error.what();
    }
    return {};
}

// One page holding the given control tables (TOML text of [[page.control]] tables).
inline std::string OnePage(const std::string& controls) {
    return "title = \"T\"\n[[page]]\nid = \"p\"\ncaption = \"P\"\n" + controls;
}

}  // namespace panelkit2::run::test
