#pragma once

// The ways a procedure passes a failure on to its caller. Each procedure states its form in
// one line: `return FullReRaise("PanelKit::Check.Clear", [&] { ... });`.

#include <string>
#include <string_view>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/error_source.hpp"

namespace panelkit2 {

// The failure in flight as an automation error: automation errors as they are, standard
// library failures as their nearest standard error (out of range 9, out of memory 7,
// anything else 5).
AutomationError CurrentError();

// Full form: same number, description, help file and context; the procedure's source.
[[noreturn]] void ReRaise(const ProcedureSource& source, const AutomationError& error);
// Short form: same number and description with the procedure's source; no help.
[[noreturn]] void ReRaiseShort(const ProcedureSource& source, const AutomationError& error);
// Source trail: the incoming source followed by the trail (which begins with "|").
[[noreturn]] void ReRaiseTrail(std::string_view trail, const AutomationError& error);

template <class Body>
auto FullReRaise(const ProcedureSource& source, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        ReRaise(source, CurrentError());
    }
}

template <class Body>
auto ShortReRaise(const ProcedureSource& source, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        ReRaiseShort(source, CurrentError());
    }
}

template <class Body>
auto SourceTrail(std::string_view trail, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        ReRaiseTrail(trail, CurrentError());
    }
}

// Own number: whatever fails inside, the procedure reports its own error (number, source
// and description of its own).
template <class Body>
auto OwnError(int32_t number, const ProcedureSource& source, std::string_view description,
              Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        (void)CurrentError();
        throw AutomationError(number, source.Text(), std::string(description));
    }
}

// Ends silently when the body fails with `number`; any other failure passes unchanged.
template <class Body>
void Swallow(int32_t number, Body&& body) {
    try {
        body();
    } catch (...) {
        AutomationError error = CurrentError();
        if (error.Number() != number) throw error;
    }
}

// Ends silently on any failure, keeping what was done before it (procedures whose failures
// are not reported to the caller).
template <class Body>
void Silently(Body&& body) {
    try {
        body();
    } catch (...) {
        (void)CurrentError();
    }
}

// Index family: error 9 ends quietly (`onQuietEnd` runs, e.g. to write back the highest
// valid index) and the getter returns what it had found so far in `found`; any other
// failure is re-raised in the short form.
template <class Result, class Body, class QuietEnd>
Result IndexFamily(const ProcedureSource& source, Result found, Body&& body,
                   QuietEnd&& onQuietEnd) {
    try {
        return body(found);
    } catch (...) {
        AutomationError error = CurrentError();
        if (error.Number() != err::SubscriptOutOfRange) ReRaiseShort(source, error);
        onQuietEnd();
        return found;
    }
}

}  // namespace panelkit2
