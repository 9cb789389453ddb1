#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/console/token.hpp"

namespace panelkit2::console {

// Splits one script line into tokens. A `#` starts a comment unless it follows a member dot,
// where it introduces a dispatch identifier (`c.#0x68030009`). Raises SyntaxError.
class Tokenizer {
  public:
    Tokenizer(std::string_view line, int64_t lineNumber);
    std::vector<Token> Tokenize();

  private:
    // The characters of a numeric literal as written, with what the scan learnt about it.
    struct NumberText {
        std::string_view text;
        bool negative = false;
        bool hex = false;
        bool real = false;
        bool beyond32Bits = false;
        uint64_t magnitude = 0;  // valid for integers unless beyond32Bits
    };

    bool AtEnd() const { return mPos >= mLine.size(); }
    char Peek(size_t ahead = 0) const;
    void SkipBlanks();
    NumberText ScanNumber();
    void ScanDigits(NumberText& number, unsigned base);
    Token ReadIdentifier();
    Token ReadString();
    Token ReadNumber();
    Token ReadDispatchId();
    Token Punctuation(TokenKind kind);
    [[noreturn]] void Fail(const std::string& message) const;

    std::string_view mLine;
    int64_t mLineNumber;
    size_t mPos = 0;
};

}  // namespace panelkit2::console
