#pragma once

// An answer the assistant cannot take: an unknown page or control, a value of the wrong
// type, outside a range or naming no option, or a required value missing. The message names
// the page, the control and the reason.

#include <stdexcept>
#include <string>

namespace panelkit2::run {

class AnswerError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;

    // "page 'PAGE', control 'CONTROL': REASON"
    static AnswerError About(const std::string& page, const std::string& control,
                             const std::string& reason) {
        return AnswerError("page '" + page + "', control '" + control + "': " + reason);
    }
};

}  // namespace panelkit2::run
