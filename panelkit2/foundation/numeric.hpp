#pragma once

// Numeric and string semantics shared by every control: rounding, narrowing, integer
// division, reading numbers from text and writing them back, character-based string
// operations on UTF-8 text. Failures raise AutomationError with the standard numbers
// (6 overflow, 11 division by zero, 13 type mismatch) and the source "PanelKit2".

#include <cstdint>
#include <string>
#include <string_view>

namespace panelkit2 {

// Rounds to the nearest integer value, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Narrowing with rounding; outside the target range (or NaN) raises error 6.
int16_t ToInteger(double value);
int32_t ToLong(double value);
// Narrowing to Single; a finite value beyond the Single range raises error 6.
float ToSingle(double value);

// Integer division `a \ b`: both operands are rounded to Long first, the quotient is
// truncated toward zero. A zero divisor raises error 11, overflow error 6.
int32_t IntegerDivide(double a, double b);

// Lenient reading: the leading numeric part of the text (blanks skipped, optional sign,
// digits, decimal point, exponent, "&H" hexadecimal); empty or non-numeric text gives 0.
double LenientNumber(std::string_view text);

// Strict conversion: the whole text (surrounding blanks allowed) must be a number,
// otherwise error 13.
double StrictNumber(std::string_view text);

// Number to text with "." as the decimal separator and no leading blank.
// Double and Single use their shortest round-trip digits.
std::string NumberToText(double value);
std::string NumberToText(float value);
std::string NumberToText(int32_t value);

// Character-based operations on UTF-8 text (characters, not bytes).
size_t CharLength(std::string_view text);
// Substring by 1-based character position and character count (count < 0: to the end).
std::string CharMid(std::string_view text, int64_t start, int64_t count = -1);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace panelkit2
