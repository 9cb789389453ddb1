#include "tools/console/interpreter.hpp"

#include <variant>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/toolkit/property_bag.hpp"

namespace panelkit2::console {

namespace {

constexpr const char* kSource = "panelkit-console";

std::string VariableKey(std::string_view name) {
    return ToLower(name);
}

const VariableExpression* AsVariable(const Expression* expression) {
    return expression ? std::get_if<VariableExpression>(&expression->node) : nullptr;
}

}  // namespace

Interpreter::Interpreter(std::ostream& out) : mOut(out) {}

void Interpreter::Execute(const Statement& statement) {
    try {
        std::visit([this](const auto& node) { Run(node); }, statement.node);
    } catch (...) {
        PrintError(CurrentError());
    }
}

void Interpreter::PrintError(const AutomationError& error) {
    mOut << "error " << error.Number() << ' ' << error.Source() << ": " << error.Description()
         << '\n';
}

void Interpreter::Run(const PrintStatement& statement) {
    const std::string text = statement.value ? Evaluate(*statement.value).ToDisplayText() : "";
    mOut << text << '\n';
}

// An Empty result (a method without one) is stored like any other value.
void Interpreter::Run(const AssignStatement& statement) {
    Variant value = Evaluate(*statement.value);
    mVariables[VariableKey(statement.variable)] = std::move(value);
}

void Interpreter::Run(const LetStatement& statement) {
    const ObjectRef object = ChainTarget(statement.target);
    Invoke(*object, statement.target.accesses.back(), CallKind::Let, statement.value.get());
}

void Interpreter::Run(const CallStatement& statement) {
    Evaluate(statement.call);
}

// Advising the same object twice under the same name would print each event twice.
void Interpreter::Run(const OnStatement& statement) {
    const ObjectRef object = RequireObject(Lookup(statement.variable));
    for (const auto& subscription : mSubscriptions)
        if (subscription.object.lock() == object &&
            EqualsNoCase(subscription.printer->Variable(), statement.variable))
            return;
    auto printer = std::make_shared<EventPrinter>(mOut, statement.variable);
    object->Advise(printer);
    mSubscriptions.push_back({object, std::move(printer)});
}

void Interpreter::Run(const SaveStatement& statement) {
    const ObjectRef object = RequireObject(Evaluate(*statement.control));
    const std::string path = Evaluate(*statement.file).AsString();
    RequireControl(*object).SaveProperties().SaveFile(path);
}

Variant Interpreter::Evaluate(const Expression& expression) {
    return std::visit([this](const auto& node) { return Evaluate(node); }, expression.node);
}

Variant Interpreter::Evaluate(const LiteralExpression& literal) {
    return literal.value;
}

Variant Interpreter::Evaluate(const VariableExpression& variable) {
    return Lookup(variable.name);
}

Variant Interpreter::Evaluate(const NewExpression& creation) {
    return LibraryClasses().Create(creation.progId);
}

// A control created by program identifier that reads its properties from a saved file.
Variant Interpreter::Evaluate(const LoadExpression& load) {
    const std::string path = Evaluate(*load.file).AsString();
    ObjectRef object = LibraryClasses().Create(load.progId);
    ControlBase& control = RequireControl(*object);
    host::PropertyBag bag = host::PropertyBag::LoadFile(path);
    control.LoadProperties(bag);
    return object;
}

Variant Interpreter::Evaluate(const MemberChain& chain) {
    const ObjectRef object = ChainTarget(chain);
    return Invoke(*object, chain.accesses.back(), CallKind::GetOrMethod, nullptr);
}

// The object whose member the chain's last access names.
ObjectRef Interpreter::ChainTarget(const MemberChain& chain) {
    ObjectRef object = RequireObject(Lookup(chain.variable));
    for (size_t i = 0; i + 1 < chain.accesses.size(); ++i)
        object = RequireObject(Invoke(*object, chain.accesses[i], CallKind::GetOrMethod, nullptr));
    return object;
}

// Arguments, then the assigned value of a let, are evaluated left to right; the callee's
// by-reference writes reach the script's variables once the call has returned.
Variant Interpreter::Invoke(Dispatchable& object, const MemberAccess& access, CallKind kind,
                            const Expression* assigned) {
    std::vector<Variant> values;
    values.reserve(access.arguments.size() + 1);
    for (const auto& argument : access.arguments)
        values.push_back(argument ? Evaluate(*argument) : Variant::Missing());
    if (assigned) values.push_back(Evaluate(*assigned));
    const Args args(values.data(), values.size());
    Variant result = access.dispId ? CallByDispId(object, *access.dispId, kind, args)
                                   : CallByName(object, access.name, kind, args);
    for (size_t i = 0; i < access.arguments.size(); ++i)
        WriteBack(access.arguments[i].get(), values[i]);
    if (assigned) WriteBack(assigned, values.back());
    return result;
}

void Interpreter::WriteBack(const Expression* argument, const Variant& value) {
    if (const VariableExpression* variable = AsVariable(argument))
        mVariables[VariableKey(variable->name)] = value;
}

const Variant& Interpreter::Lookup(std::string_view name) const {
    const auto found = mVariables.find(VariableKey(name));
    if (found == mVariables.end())
        throw AutomationError(console_err::VariableUndefined, kSource,
                              "Variable is undefined: '" + std::string(name) + "'");
    return found->second;
}

// Empty and Nothing are "not set" (91); a number or a text is no object at all (424).
ObjectRef Interpreter::RequireObject(const Variant& value) {
    if (value.Type() == VarType::Object) return value.AsObject();
    if (value.IsEmpty()) RaiseStandard(err::ObjectNotSet, kSource);
    throw AutomationError(console_err::ObjectRequired, kSource, "Object required");
}

ControlBase& Interpreter::RequireControl(Dispatchable& object) {
    if (auto* control = dynamic_cast<ControlBase*>(&object)) return *control;
    throw AutomationError(err::NotSupported, kSource,
                          std::string(object.Interface().ProgId()) +
                              " is not a control: only controls save and load properties");
}

}  // namespace panelkit2::console
