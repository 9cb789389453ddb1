#include "tools/panelkit-run/core/unattended.hpp"

#include "panelkit2/container/control_port.hpp"
#include "tools/panelkit-run/core/answer_error.hpp"
#include "tools/panelkit-run/core/session.hpp"

namespace panelkit2::run {

RunResult RunUnattended(const Assistant& assistant, const Answers& answers) {
    ControlPort port;
    Session session(assistant, port, answers);
    session.Start();
    do {
        if (const LiveControl* missing = session.FirstMissing())
            throw AnswerError::About(session.CurrentPage().id, missing->spec->id,
                                     "a value is required and none was given");
    } while (session.Next());
    return session.Result();
}

}  // namespace panelkit2::run
