#pragma once

// Answers given ahead: page id -> control id -> value. Read from a result of an earlier run
// (its "pages" with their "controls") or from a hand-written object of the same ids
// ({"PAGE": {"CONTROL": VALUE}}), holding any subset of the pages and controls. Every answer
// is checked on reading against the assistant: its page and control must exist, and the
// control must take the value; the first that does not is an AnswerError.

#include <map>
#include <string>
#include <string_view>

#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

class Answers {
  public:
    Answers() = default;
    static Answers FromFile(const std::string& path, const Assistant& assistant);
    // `name` stands for the file in messages.
    static Answers FromText(const std::string& text, const std::string& name,
                            const Assistant& assistant);

    // The answer for a control, nullptr when none was given.
    const Json* Find(std::string_view page, std::string_view control) const;
    size_t Count() const;

  private:
    void ReadResultForm(const Json& result, const Assistant& assistant);
    void ReadPlainForm(const Json& answers, const Assistant& assistant);
    void Add(const Page& page, const std::string& controlId, const Json& value, const Json* kind);

    std::string mstrName;
    std::map<std::string, std::map<std::string, Json, std::less<>>, std::less<>> mAnswers;
};

}  // namespace panelkit2::run
