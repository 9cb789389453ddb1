#pragma once

// Statements and expressions of the console language, by recursive descent over the tokens
// of one line:
//   statement := 'print' [expr] | 'on' name | 'save' expr expr
//              | name '=' expr | chain '=' expr | chain
//   expr      := literal | name | chain | 'new' progid | 'load' progid expr
//   chain     := name ('.' (member | '#' id) ['(' [expr] {',' [expr]} ')'])+
// Keywords are matched without regard to case and cannot name variables.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/console/syntax_tree.hpp"
#include "tools/console/token.hpp"

namespace panelkit2::console {

class Parser {
  public:
    // Every line of the script, or SyntaxError for the first line that does not parse.
    static std::vector<Statement> ParseScript(std::string_view text);

    Parser(std::vector<Token> tokens, int64_t line);
    // Nothing for a blank or comment-only line.
    std::optional<Statement> ParseStatement();

  private:
    Statement ParsePrint();
    Statement ParseOn();
    Statement ParseSave();
    Statement ParseAssignmentOrCall();
    ExpressionPtr ParseExpression();
    ExpressionPtr ParseLiteralOrKeyword(const Token& token);
    std::string ParseProgId();
    MemberChain ParseMemberChain(std::string variable);
    void ParseArguments(MemberAccess& access);
    std::string ParseVariableName(std::string_view after);

    const Token* Peek() const;
    bool PeekIs(TokenKind kind) const;
    const Token& Next(std::string_view expected);
    void Expect(TokenKind kind, std::string_view expected);
    void ExpectEnd();
    Statement Make(auto node) const;
    std::string Found() const;
    [[noreturn]] void Fail(const std::string& message) const;

    std::vector<Token> mTokens;
    int64_t mLine;
    size_t mPos = 0;
    int mDepth = 0;
};

}  // namespace panelkit2::console
