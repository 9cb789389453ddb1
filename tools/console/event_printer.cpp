#include "tools/console/event_printer.hpp"

namespace panelkit2::console {

EventPrinter::EventPrinter(std::ostream& out, std::string variable)
    : mOut(out), mVariable(std::move(variable)) {}

void EventPrinter::OnEvent(Dispatchable&, const EventDef& event, Args args) {
    mOut << "event " << mVariable << '.' << event.name << '(';
    for (size_t i = 0; i < args.size(); ++i) mOut << (i ? ", " : "") << args[i].ToDisplayText();
    mOut << ")\n";
}

}  // namespace panelkit2::console
