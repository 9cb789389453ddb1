#pragma once

// Assertions shared by the test suites: what a call raises, and late-bound shorthands.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/dispatch.hpp"

namespace panelkit2::test {

// The automation error `call` raises; number 0 with empty texts when it raises none.
template <class Call>
AutomationError Caught(Call&& call) {
    try {
        std::forward<Call>(call)();
    } catch (const AutomationError& error) {
        return error;
    }
    return AutomationError(0, "", "");
}

// The number of the automation error `call` raises, 0 when none.
template <class Call>
int32_t ErrorNumber(Call&& call) {
    return Caught(std::forward<Call>(call)).Number();
}

// `call` fails with `number` and, unless `source` is empty, with that source.
template <class Call>
void ExpectError(int32_t number, std::string_view source, Call&& call) {
    const AutomationError error = Caught(std::forward<Call>(call));
    EXPECT_EQ(error.Number(), number) << error.Description();
    if (!source.empty()) {
        EXPECT_EQ(error.Source(), source);
    }
}

// Late-bound calls by member name, as a host makes them.
template <class... A>
Variant Get(Dispatchable& object, std::string_view name, A&&... args) {
    Variant values[] = {Variant(std::forward<A>(args))..., Variant()};
    return CallByName(object, name, CallKind::GetOrMethod, Args(values, sizeof...(A)));
}

template <class... A>
void Let(Dispatchable& object, std::string_view name, A&&... args) {
    Variant values[] = {Variant(std::forward<A>(args))...};
    CallByName(object, name, CallKind::Let, Args(values, sizeof...(A)));
}

// Every event an object raises, as "Name arg,arg".
struct EventRecorder : EventSink {
    void OnEvent(Dispatchable&, const EventDef& event, Args args) override {
        std::string text(event.name);
        for (size_t i = 0; i < args.size(); ++i) text += (i ? "," : " ") + args[i].AsString();
        seen.push_back(std::move(text));
    }
    std::vector<std::string> Take() { return std::exchange(seen, {}); }
    std::vector<std::string> seen;
};

}  // namespace panelkit2::test
