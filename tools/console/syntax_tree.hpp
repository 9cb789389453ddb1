#pragma once

// The parsed form of a script: one Statement per non-blank line.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/automation/variant.hpp"

namespace panelkit2::console {

struct Expression;
using ExpressionPtr = std::unique_ptr<Expression>;

// `.Name(args)` or `.#id(args)`; a member without parentheses has no arguments.
struct MemberAccess {
    std::string name;
    std::optional<DispId> dispId;
    std::vector<ExpressionPtr> arguments;  // a null entry is an omitted argument
};

struct LiteralExpression {
    Variant value;
};

struct VariableExpression {
    std::string name;
};

struct NewExpression {
    std::string progId;
};

struct LoadExpression {
    std::string progId;
    ExpressionPtr file;
};

// A variable followed by one or more member accesses: `port.CommandControls.Count`.
struct MemberChain {
    std::string variable;
    std::vector<MemberAccess> accesses;
};

struct Expression {
    std::variant<LiteralExpression, VariableExpression, NewExpression, LoadExpression, MemberChain>
        node;
};

struct PrintStatement {
    ExpressionPtr value;  // null: `print` alone prints an empty line
};

struct AssignStatement {
    std::string variable;
    ExpressionPtr value;
};

// `chain = value`: the last access of the chain is the property let.
struct LetStatement {
    MemberChain target;
    ExpressionPtr value;
};

struct CallStatement {
    MemberChain call;
};

struct OnStatement {
    std::string variable;
};

struct SaveStatement {
    ExpressionPtr control;
    ExpressionPtr file;
};

struct Statement {
    int64_t line = 0;
    std::variant<PrintStatement, AssignStatement, LetStatement, CallStatement, OnStatement,
                 SaveStatement>
        node;
};

}  // namespace panelkit2::console
