#pragma once

#include <string>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/automation/variant.hpp"

namespace panelkit2::console {

enum class TokenKind {
    Identifier,
    Number,
    String,
    DispatchId,
    Dot,
    Comma,
    LeftParen,
    RightParen,
    Equals
};

// One lexical element of a script line. `text` holds an identifier's name or a string
// literal's contents; `value` a numeric or string literal; `dispId` a `.#` member identifier.
struct Token {
    TokenKind kind = TokenKind::Identifier;
    std::string text;
    Variant value;
    DispId dispId = 0;
};

}  // namespace panelkit2::console
