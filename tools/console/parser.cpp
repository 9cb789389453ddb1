#include "tools/console/parser.hpp"

#include <array>
#include <utility>

#include "panelkit2/automation/numeric.hpp"
#include "tools/console/syntax_error.hpp"
#include "tools/console/tokenizer.hpp"

namespace panelkit2::console {

namespace {

// Arguments nest expressions inside expressions; the bound keeps evaluation and destruction
// of the tree far from the stack's limit whatever the input.
constexpr int kMaxNesting = 64;

constexpr std::array<std::string_view, 7> kKeywords = {"print", "on",   "save", "new",
                                                       "load",  "true", "false"};

bool IsKeyword(const Token& token, std::string_view keyword) {
    return token.kind == TokenKind::Identifier && EqualsNoCase(token.text, keyword);
}

bool IsReserved(const Token& token) {
    for (std::string_view keyword : kKeywords)
        if (IsKeyword(token, keyword)) return true;
    return false;
}

std::string Describe(const Token& token) {
    switch (token.kind) {
        case TokenKind::Number:
            return "number " + token.text;
        case TokenKind::String:
            return "a string";
        case TokenKind::DispatchId:
            return "'#" + token.text + "'";
        default:
            return "'" + token.text + "'";
    }
}

// The lines of the text without their terminators; a leading byte order mark is not part
// of the first line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

std::vector<Statement> Parser::ParseScript(std::string_view text) {
    std::vector<Statement> statements;
    int64_t lineNumber = 0;
    for (std::string_view line : SplitLines(text)) {
        ++lineNumber;
        Parser parser(Tokenizer(line, lineNumber).Tokenize(), lineNumber);
        if (auto statement = parser.ParseStatement()) statements.push_back(std::move(*statement));
    }
    return statements;
}

Parser::Parser(std::vector<Token> tokens, int64_t line) : mTokens(std::move(tokens)), mLine(line) {}

void Parser::Fail(const std::string& message) const {
    throw SyntaxError(mLine, message);
}

const Token* Parser::Peek() const {
    return mPos < mTokens.size() ? &mTokens[mPos] : nullptr;
}

bool Parser::PeekIs(TokenKind kind) const {
    return Peek() && Peek()->kind == kind;
}

std::string Parser::Found() const {
    return Peek() ? Describe(*Peek()) : "end of line";
}

const Token& Parser::Next(std::string_view expected) {
    if (!Peek()) Fail("expected " + std::string(expected) + ", found end of line");
    return mTokens[mPos++];
}

void Parser::Expect(TokenKind kind, std::string_view expected) {
    if (!PeekIs(kind)) Fail("expected " + std::string(expected) + ", found " + Found());
    ++mPos;
}

void Parser::ExpectEnd() {
    if (Peek()) Fail("expected end of statement, found " + Found());
}

Statement Parser::Make(auto node) const {
    return Statement{mLine, std::move(node)};
}

std::optional<Statement> Parser::ParseStatement() {
    const Token* first = Peek();
    if (!first) return std::nullopt;
    Statement statement = IsKeyword(*first, "print")  ? ParsePrint()
                          : IsKeyword(*first, "on")   ? ParseOn()
                          : IsKeyword(*first, "save") ? ParseSave()
                                                      : ParseAssignmentOrCall();
    ExpectEnd();
    return statement;
}

Statement Parser::ParsePrint() {
    ++mPos;
    return Make(PrintStatement{Peek() ? ParseExpression() : nullptr});
}

Statement Parser::ParseOn() {
    ++mPos;
    return Make(OnStatement{ParseVariableName("after 'on'")});
}

Statement Parser::ParseSave() {
    ++mPos;
    SaveStatement save;
    save.control = ParseExpression();
    save.file = ParseExpression();
    return Make(std::move(save));
}

// A statement that starts with a variable: assignment, property let or member call.
Statement Parser::ParseAssignmentOrCall() {
    if (!PeekIs(TokenKind::Identifier) || IsReserved(*Peek()))
        Fail("expected a statement, found " + Found());
    std::string variable = Next("a variable").text;
    if (PeekIs(TokenKind::Equals)) {
        ++mPos;
        return Make(AssignStatement{std::move(variable), ParseExpression()});
    }
    if (!PeekIs(TokenKind::Dot))
        Fail("expected '=' or '.' after '" + variable + "', found " + Found());
    MemberChain chain = ParseMemberChain(std::move(variable));
    if (!PeekIs(TokenKind::Equals)) return Make(CallStatement{std::move(chain)});
    ++mPos;
    return Make(LetStatement{std::move(chain), ParseExpression()});
}

std::string Parser::ParseVariableName(std::string_view after) {
    if (!PeekIs(TokenKind::Identifier) || IsReserved(*Peek()))
        Fail("expected a variable name " + std::string(after) + ", found " + Found());
    return Next("a variable name").text;
}

ExpressionPtr Parser::ParseExpression() {
    if (mDepth >= kMaxNesting) Fail("expression nested too deeply");
    ++mDepth;
    const Token& token = Next("an expression");
    ExpressionPtr expression;
    if (token.kind == TokenKind::Identifier && !IsReserved(token)) {
        if (PeekIs(TokenKind::Dot))
            expression = std::make_unique<Expression>(ParseMemberChain(token.text));
        else
            expression = std::make_unique<Expression>(VariableExpression{token.text});
    } else {
        expression = ParseLiteralOrKeyword(token);
    }
    --mDepth;
    return expression;
}

ExpressionPtr Parser::ParseLiteralOrKeyword(const Token& token) {
    if (token.kind == TokenKind::Number || token.kind == TokenKind::String)
        return std::make_unique<Expression>(LiteralExpression{token.value});
    if (IsKeyword(token, "true")) return std::make_unique<Expression>(LiteralExpression{true});
    if (IsKeyword(token, "false")) return std::make_unique<Expression>(LiteralExpression{false});
    if (IsKeyword(token, "new")) return std::make_unique<Expression>(NewExpression{ParseProgId()});
    if (IsKeyword(token, "load")) {
        LoadExpression load{ParseProgId(), nullptr};
        load.file = ParseExpression();
        return std::make_unique<Expression>(std::move(load));
    }
    Fail("expected an expression, found " + Describe(token));
}

// Dotted names such as PanelKit2.Check.
std::string Parser::ParseProgId() {
    if (!PeekIs(TokenKind::Identifier)) Fail("expected a program identifier, found " + Found());
    std::string progId = Next("a program identifier").text;
    while (PeekIs(TokenKind::Dot)) {
        ++mPos;
        if (!PeekIs(TokenKind::Identifier))
            Fail("expected a name after '.' in a program identifier, found " + Found());
        progId += "." + Next("a name").text;
    }
    return progId;
}

MemberChain Parser::ParseMemberChain(std::string variable) {
    MemberChain chain{std::move(variable), {}};
    while (PeekIs(TokenKind::Dot)) {
        ++mPos;
        MemberAccess access;
        const Token& member = Next("a member name after '.'");
        if (member.kind == TokenKind::DispatchId)
            access.dispId = member.dispId;
        else if (member.kind == TokenKind::Identifier)
            access.name = member.text;
        else
            Fail("expected a member name after '.', found " + Describe(member));
        if (PeekIs(TokenKind::LeftParen)) ParseArguments(access);
        chain.accesses.push_back(std::move(access));
    }
    return chain;
}

// `()` is no argument at all; an empty slot between commas is an omitted one.
void Parser::ParseArguments(MemberAccess& access) {
    Expect(TokenKind::LeftParen, "'('");
    if (PeekIs(TokenKind::RightParen)) {
        ++mPos;
        return;
    }
    for (;;) {
        const bool omitted = PeekIs(TokenKind::Comma) || PeekIs(TokenKind::RightParen);
        access.arguments.push_back(omitted ? nullptr : ParseExpression());
        if (PeekIs(TokenKind::RightParen)) break;
        Expect(TokenKind::Comma, "',' or ')'");
    }
    ++mPos;
}

}  // namespace panelkit2::console
