#pragma once

// Late-bound calls and error expectations shared by the container's tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/container/control_port.hpp"
#include "support/assertions.hpp"
#include "tests/container/fake_control.hpp"

namespace panelkit2::container_test {

inline Variant Call(Dispatchable& object, std::string_view member,
                    std::initializer_list<Variant> args = {}) {
    std::vector<Variant> slots(args);
    return CallByName(object, member, CallKind::GetOrMethod, slots);
}

inline Variant Get(Dispatchable& object, std::string_view member) {
    return Call(object, member);
}

inline void Let(Dispatchable& object, std::string_view member, Variant value) {
    std::vector<Variant> slots{std::move(value)};
    CallByName(object, member, CallKind::Let, slots);
}

// A stand-in added to the port for layout.
inline std::shared_ptr<FakeControl> Added(ControlPort& port, ControlID kind, float height = 300,
                                          int32_t desiredWidth = 0) {
    auto control = Fake(kind, height, desiredWidth);
    port.AddControl(ObjectRef(control));
    return control;
}

// What a host sees of an object's events: "Name(arg, arg)" per event.
class EventLog : public EventSink {
  public:
    void OnEvent(Dispatchable&, const EventDef& event, Args args) override {
        std::string line = std::string(event.name) + "(";
        for (size_t i = 0; i < args.size(); ++i) line += (i ? ", " : "") + args[i].ToDisplayText();
        events.push_back(line + ")");
    }
    std::vector<std::string> events;
};

using test::ExpectError;

}  // namespace panelkit2::container_test
