#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/controls/control_base.hpp"
#include "tools/console/event_printer.hpp"
#include "tools/console/syntax_tree.hpp"

namespace panelkit2::console {

// Error numbers the console raises itself, with the source "panelkit-console".
namespace console_err {
inline constexpr int32_t ObjectRequired = 424;
inline constexpr int32_t VariableUndefined = 500;
}  // namespace console_err

// Runs parsed statements against live automation objects. Variables are named without
// regard to case and hold any Variant. A failing statement prints
// `error <number> <source>: <description>` and changes no variable.
class Interpreter {
  public:
    explicit Interpreter(std::ostream& out);
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    void Execute(const Statement& statement);

  private:
    void Run(const PrintStatement& statement);
    void Run(const AssignStatement& statement);
    void Run(const LetStatement& statement);
    void Run(const CallStatement& statement);
    void Run(const OnStatement& statement);
    void Run(const SaveStatement& statement);

    Variant Evaluate(const Expression& expression);
    Variant Evaluate(const LiteralExpression& literal);
    Variant Evaluate(const VariableExpression& variable);
    Variant Evaluate(const NewExpression& creation);
    Variant Evaluate(const LoadExpression& load);
    Variant Evaluate(const MemberChain& chain);

    ObjectRef ChainTarget(const MemberChain& chain);
    Variant Invoke(Dispatchable& object, const MemberAccess& access, CallKind kind,
                   const Expression* assigned);
    void WriteBack(const Expression* argument, const Variant& value);

    const Variant& Lookup(std::string_view name) const;
    static ObjectRef RequireObject(const Variant& value);
    static ControlBase& RequireControl(Dispatchable& object);
    void PrintError(const AutomationError& error);

    std::ostream& mOut;
    std::unordered_map<std::string, Variant> mVariables;  // keyed by lower-case name
    struct Subscription {
        std::weak_ptr<Dispatchable> object;
        std::shared_ptr<EventPrinter> printer;
    };
    // Declared last so that the printers go first: objects that raise events while the
    // variables are torn down print nothing after the script has ended.
    std::vector<Subscription> mSubscriptions;
};

}  // namespace panelkit2::console
