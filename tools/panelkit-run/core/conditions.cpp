#include "tools/panelkit-run/core/conditions.hpp"

#include <algorithm>
#include <array>

#include "tools/panelkit-run/core/kind.hpp"
#include "tools/panelkit-run/core/toml_table_reader.hpp"

namespace panelkit2::run {

namespace {

using Test = Condition::Test;

struct TestName {
    Test test;
    std::string_view key;
};

constexpr std::array<TestName, 6> kTests{{{Test::Equals, "equals"},
                                          {Test::NotEquals, "not_equals"},
                                          {Test::AnyOf, "any_of"},
                                          {Test::Contains, "contains"},
                                          {Test::AtLeast, "at_least"},
                                          {Test::AtMost, "at_most"}}};

// Why the test cannot be made on the control; empty when it can.
std::string RefuseOperand(const ControlDef& control, Test test, const Json& operand) {
    const Kind& kind = *control.kind;
    switch (test) {
        case Test::Equals:
        case Test::NotEquals:
            return kind.Refuse(control, operand);
        case Test::AnyOf:
            if (!operand.is_array() || operand.empty()) return "expected a list of values";
            for (const Json& value : operand)
                if (std::string why = kind.Refuse(control, value); !why.empty()) return why;
            return {};
        case Test::Contains:
            if (kind.ValueShape() != Kind::Shape::Selection)
                return "only a multilist's answer contains items";
            return kind.Refuse(control, Json::array({operand}));
        case Test::AtLeast:
        case Test::AtMost:
            if (kind.ValueShape() != Kind::Shape::Number)
                return "only numbers compare as at least or at most";
            if (!operand.is_number()) return "expected a number, found " + TypeName(operand);
            return {};
    }
    return {};
}

// Operands compare with answers as the control reads them back.
Json NormalizedOperand(const ControlDef& control, Test test, const Json& operand) {
    switch (test) {
        case Test::Equals:
        case Test::NotEquals:
            return control.kind->Normalized(control, operand);
        case Test::AnyOf: {
            Json values = Json::array();
            for (const Json& value : operand)
                values.push_back(control.kind->Normalized(control, value));
            return values;
        }
        default:
            return operand;
    }
}

bool TestHolds(const Condition::Operand& operand, const Json& answer) {
    switch (operand.test) {
        case Test::Equals:
            return answer == operand.value;
        case Test::NotEquals:
            return answer != operand.value;
        case Test::AnyOf:
            return std::find(operand.value.begin(), operand.value.end(), answer) !=
                   operand.value.end();
        case Test::Contains:
            return answer.is_array() &&
                   std::find(answer.begin(), answer.end(), operand.value) != answer.end();
        case Test::AtLeast:
            return answer.is_number() && answer.get<double>() >= operand.value.get<double>();
        case Test::AtMost:
            return answer.is_number() && answer.get<double>() <= operand.value.get<double>();
    }
    return false;
}

}  // namespace

Condition LoadCondition(const Assistant& assistant, const TableReader& page,
                        const toml::table& table) {
    TableReader fields(table, page.What() + ", show_if", page.File());
    Condition condition;
    condition.place = fields.Place();
    condition.control = fields.Text("control");
    const ControlDef* control = assistant.FindControl(condition.control);
    if (!control)
        fields.Fail(*fields.Node("control"),
                    "\"" + condition.control + "\" is no control on an earlier page");
    for (const TestName& name : kTests) {
        const Json operand = fields.Value(name.key);
        if (operand.is_null()) continue;
        if (std::string why = RefuseOperand(*control, name.test, operand); !why.empty())
            fields.Fail(*fields.Node(name.key), "\"" + std::string(name.key) + "\": " + why);
        condition.tests.push_back({name.test, NormalizedOperand(*control, name.test, operand)});
    }
    if (condition.tests.empty())
        fields.FailHere(
            "a condition needs a test: equals, not_equals, any_of, contains, "
            "at_least or at_most");
    fields.Finish();
    return condition;
}

bool ConditionHolds(const Condition& condition, const Json* answer) {
    if (!answer) return false;
    return std::all_of(
        condition.tests.begin(), condition.tests.end(),
        [&](const Condition::Operand& operand) { return TestHolds(operand, *answer); });
}

}  // namespace panelkit2::run
