#pragma once

#include <ostream>
#include <string>

#include "panelkit2/automation/dispatch.hpp"

namespace panelkit2::console {

// Prints every event of the objects it is advised to as `event <var>.<Name>(<arg>, <arg>)`,
// naming the object by the script variable given to `on`.
class EventPrinter : public EventSink {
  public:
    EventPrinter(std::ostream& out, std::string variable);
    void OnEvent(Dispatchable& source, const EventDef& event, Args args) override;
    const std::string& Variable() const { return mVariable; }

  private:
    std::ostream& mOut;
    std::string mVariable;
};

}  // namespace panelkit2::console
