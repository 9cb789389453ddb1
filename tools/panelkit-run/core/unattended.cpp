#include "tools/panelkit-run/core/unattended.hpp"

#include "panelkit2/container/control_port.hpp"
#include "tools/panelkit-run/core/answer_error.hpp"
#include "tools/panelkit-run/core/session.hpp"

namespace panelkit2::run {

namespace {
// The size of the page in the assistant's window, twips.
constexpr float kPageWidth = 9600;
constexpr float kPageHeight = 6000;
}  // namespace

RunResult RunUnattended(const Assistant& assistant, const Answers& answers) {
    ControlPort port;
    // Laid out as in a window: the container sizes its controls, and a control reused page
    // after page starts from that size.
    port.Surface().Move(0, 0, kPageWidth, kPageHeight);
    Session session(assistant, port, answers);
    session.OnBuilt([&port] { port.Position(); });
    session.Start();
    do {
        if (const LiveControl* missing = session.FirstMissing())
            throw AnswerError::About(session.CurrentPage().id, missing->def->id,
                                     "a value is required and none was given");
    } while (session.Next());
    return session.Result();
}

}  // namespace panelkit2::run
