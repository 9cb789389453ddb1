#include "tools/console/tokenizer.hpp"

#include <limits>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "tools/console/syntax_error.hpp"

namespace panelkit2::console {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsIdentifierChar(char c) {
    return IsLetter(c) || IsDigit(c);
}

int DigitValue(char c, unsigned base) {
    if (IsDigit(c)) return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// A character as a message shows it: printable ASCII as is, anything else as \xNN.
std::string Printable(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) return std::string(1, c);
    constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
}

constexpr uint64_t kMax32Bits = std::numeric_limits<uint32_t>::max();

}  // namespace

Tokenizer::Tokenizer(std::string_view line, int64_t lineNumber)
    : mLine(line), mLineNumber(lineNumber) {}

char Tokenizer::Peek(size_t ahead) const {
    return mPos + ahead < mLine.size() ? mLine[mPos + ahead] : '\0';
}

void Tokenizer::Fail(const std::string& message) const {
    throw SyntaxError(mLineNumber, message);
}

void Tokenizer::SkipBlanks() {
    while (!AtEnd() && IsBlank(mLine[mPos])) ++mPos;
}

std::vector<Token> Tokenizer::Tokenize() {
    std::vector<Token> tokens;
    for (SkipBlanks(); !AtEnd(); SkipBlanks()) {
        const char c = Peek();
        if (c == '#') {
            if (tokens.empty() || tokens.back().kind != TokenKind::Dot) break;  // comment
            ++mPos;
            tokens.push_back(ReadDispatchId());
        } else if (IsLetter(c)) {
            tokens.push_back(ReadIdentifier());
        } else if (IsDigit(c) || c == '-') {
            tokens.push_back(ReadNumber());
        } else if (c == '"') {
            tokens.push_back(ReadString());
        } else if (c == '.') {
            tokens.push_back(Punctuation(TokenKind::Dot));
        } else if (c == ',') {
            tokens.push_back(Punctuation(TokenKind::Comma));
        } else if (c == '(') {
            tokens.push_back(Punctuation(TokenKind::LeftParen));
        } else if (c == ')') {
            tokens.push_back(Punctuation(TokenKind::RightParen));
        } else if (c == '=') {
            tokens.push_back(Punctuation(TokenKind::Equals));
        } else {
            Fail("unexpected character '" + Printable(c) + "'");
        }
    }
    return tokens;
}

Token Tokenizer::Punctuation(TokenKind kind) {
    Token token{kind, std::string(1, mLine[mPos]), {}, 0};
    ++mPos;
    return token;
}

Token Tokenizer::ReadIdentifier() {
    const size_t start = mPos;
    while (!AtEnd() && IsIdentifierChar(mLine[mPos])) ++mPos;
    return Token{TokenKind::Identifier, std::string(mLine.substr(start, mPos - start)), {}, 0};
}

// A doubled quote inside the literal stands for one quote character.
Token Tokenizer::ReadString() {
    ++mPos;
    std::string text;
    for (;;) {
        if (AtEnd()) Fail("unterminated string");
        const char c = mLine[mPos++];
        if (c != '"') {
            text += c;
        } else if (Peek() == '"') {
            text += '"';
            ++mPos;
        } else {
            break;
        }
    }
    Token token{TokenKind::String, text, {}, 0};
    token.value = Variant(std::move(text));
    return token;
}

// The magnitude saturates just past 32 bits: no literal the console accepts as an integer
// needs more, and longer digit runs must not overflow the accumulator.
void Tokenizer::ScanDigits(NumberText& number, unsigned base) {
    for (int digit; !AtEnd() && (digit = DigitValue(mLine[mPos], base)) >= 0; ++mPos) {
        if (number.magnitude > kMax32Bits)
            number.beyond32Bits = true;
        else
            number.magnitude = number.magnitude * base + static_cast<unsigned>(digit);
    }
    if (number.magnitude > kMax32Bits) number.beyond32Bits = true;
}

// [-] (0x hexdigits | digits [. digits] [e [+|-] digits])
Tokenizer::NumberText Tokenizer::ScanNumber() {
    const size_t start = mPos;
    NumberText number;
    if (Peek() == '-') {
        number.negative = true;
        ++mPos;
        if (!IsDigit(Peek())) Fail("unexpected character '-'");
    }
    if (Peek() == '0' && (Peek(1) == 'x' || Peek(1) == 'X')) {
        number.hex = true;
        mPos += 2;
        if (DigitValue(Peek(), 16) < 0) Fail("malformed hexadecimal literal");
        ScanDigits(number, 16);
    } else {
        ScanDigits(number, 10);
        if (Peek() == '.' && IsDigit(Peek(1))) {
            number.real = true;
            ++mPos;
            while (IsDigit(Peek())) ++mPos;
        }
        const bool signedExponent = (Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2));
        if ((Peek() == 'e' || Peek() == 'E') && (IsDigit(Peek(1)) || signedExponent)) {
            number.real = true;
            mPos += signedExponent ? 2 : 1;
            while (IsDigit(Peek())) ++mPos;
        }
    }
    if (IsIdentifierChar(Peek())) Fail("malformed number");
    number.text = mLine.substr(start, mPos - start);
    return number;
}

// Integers are Long when they fit, otherwise Double. Hexadecimal literals are 32-bit
// patterns read as Long, so colours with the high bit set are written as they are
// documented: 0x8000000F is -2147483633.
Token Tokenizer::ReadNumber() {
    const NumberText number = ScanNumber();
    Token token{TokenKind::Number, std::string(number.text), {}, 0};
    if (number.hex && number.beyond32Bits) Fail("hexadecimal literal out of range");
    if (number.hex) {
        const auto pattern = static_cast<int32_t>(static_cast<uint32_t>(number.magnitude));
        token.value = Variant(
            number.negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(pattern)) : pattern);
        return token;
    }
    if (!number.real && !number.beyond32Bits) {
        const auto magnitude = static_cast<int64_t>(number.magnitude);
        const int64_t value = number.negative ? -magnitude : magnitude;
        if (value >= std::numeric_limits<int32_t>::min() &&
            value <= std::numeric_limits<int32_t>::max())
            token.value = Variant(static_cast<int32_t>(value));
        else
            token.value = Variant(static_cast<double>(value));
        return token;
    }
    try {
        token.value = Variant(StrictNumber(number.text));
    } catch (const AutomationError&) {
        Fail("numeric literal out of range");
    }
    return token;
}

// Dispatch identifiers are 32-bit patterns: 0x80010000 and -2147418112 name the same member.
Token Tokenizer::ReadDispatchId() {
    if (!IsDigit(Peek()) && !(Peek() == '-' && IsDigit(Peek(1))))
        Fail("expected a dispatch identifier after '#'");
    const NumberText number = ScanNumber();
    if (number.real) Fail("a dispatch identifier must be an integer");
    const auto magnitude = static_cast<int64_t>(number.magnitude);
    const int64_t value = number.negative ? -magnitude : magnitude;
    if (number.beyond32Bits || value < std::numeric_limits<int32_t>::min())
        Fail("dispatch identifier out of range");
    Token token{TokenKind::DispatchId, std::string(number.text), {}, 0};
    token.dispId = static_cast<DispId>(static_cast<uint32_t>(value));
    return token;
}

}  // namespace panelkit2::console
