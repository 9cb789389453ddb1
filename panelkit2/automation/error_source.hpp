#pragma once

// Where a failure is reported from: "PanelKit::" + class + "." + procedure, property
// procedures with "(Get)" or "(Let)". A procedure names its source on every call, so the
// parts stay views and the text is made only when a failure is actually raised.

#include <string>
#include <string_view>

namespace panelkit2 {

class ProcedureSource {
  public:
    // A source written out whole.
    constexpr ProcedureSource(const char* text) : mstrClass(text) {}
    constexpr ProcedureSource(std::string_view text) : mstrClass(text) {}
    ProcedureSource(const std::string& text) : mstrClass(text) {}
    constexpr ProcedureSource(std::string_view prefix, std::string_view className,
                              std::string_view procedure, std::string_view suffix)
        : mstrPrefix(prefix), mstrClass(className), mstrProcedure(procedure), mstrSuffix(suffix) {}

    std::string Text() const {
        std::string text;
        text.reserve(mstrPrefix.size() + mstrClass.size() + 1 + mstrProcedure.size() +
                     mstrSuffix.size());
        text.append(mstrPrefix).append(mstrClass);
        if (!mstrProcedure.empty()) text.append(".").append(mstrProcedure);
        return text.append(mstrSuffix);
    }

  private:
    std::string_view mstrPrefix;
    std::string_view mstrClass;
    std::string_view mstrProcedure;
    std::string_view mstrSuffix;
};

// The sources of one class. Procedure names are passed as the class publishes them, so
// the few spellings of their own ("action(Get)") stay as they are.
class ErrorSource {
  public:
    constexpr explicit ErrorSource(std::string_view className,
                                   std::string_view prefix = "PanelKit::")
        : mstrPrefix(prefix), mstrClass(className) {}

    constexpr std::string_view ClassName() const { return mstrClass; }
    constexpr ProcedureSource Method(std::string_view procedure) const {
        return {mstrPrefix, mstrClass, procedure, {}};
    }
    constexpr ProcedureSource Get(std::string_view property) const {
        return {mstrPrefix, mstrClass, property, "(Get)"};
    }
    constexpr ProcedureSource Let(std::string_view property) const {
        return {mstrPrefix, mstrClass, property, "(Let)"};
    }

  private:
    std::string_view mstrPrefix;
    std::string_view mstrClass;
};

}  // namespace panelkit2
