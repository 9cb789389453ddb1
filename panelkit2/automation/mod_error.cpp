#include "panelkit2/automation/mod_error.hpp"

#include <exception>
#include <new>
#include <stdexcept>

namespace panelkit2 {

namespace {
constexpr int32_t kOutOfMemory = 7;
}

AutomationError CurrentError() {
    try {
        throw;
    } catch (const AutomationError& error) {
        return error;
    } catch (const std::out_of_range& error) {
        return AutomationError(err::SubscriptOutOfRange, "PanelKit2",
                               StandardDescription(err::SubscriptOutOfRange));
    } catch (const std::bad_alloc&) {
        return AutomationError(kOutOfMemory, "PanelKit2", "Out of memory");
    } catch (const std::exception& error) {
        return AutomationError(err::InvalidCall, "PanelKit2", error.what());
    }
}

void ReRaise(const ProcedureSource& source, const AutomationError& error) {
    throw AutomationError(error.Number(), source.Text(), error.Description(), error.HelpFile(),
                          error.HelpContext());
}

void ReRaiseShort(const ProcedureSource& source, const AutomationError& error) {
    throw AutomationError(error.Number(), source.Text(), error.Description());
}

void ReRaiseTrail(std::string_view trail, const AutomationError& error) {
    throw AutomationError(error.Number(), error.Source() + std::string(trail), error.Description(),
                          error.HelpFile(), error.HelpContext());
}

}  // namespace panelkit2
