#pragma once

// Numeric and string semantics shared by every control: rounding, narrowing, integer
// division, reading numbers from text and writing them back, character-based string
// operations on UTF-8 text. Failures raise AutomationError with the standard numbers
// (5 invalid argument, 6 overflow, 11 division by zero, 13 type mismatch) and the source
// "PanelKit2". Nothing here depends on the C locale or the floating-point environment.

#include <cstdint>
#include <string>
#include <string_view>

namespace panelkit2 {

// Rounds to the nearest integer value, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). The sign of zero is kept (-0.4 -> -0); NaN and infinities pass through.
double RoundHalfEven(double value);

// Narrowing with RoundHalfEven; a rounded value outside the target range, NaN or an
// infinity raises error 6 (32767.5 rounds to 32768 and overflows, -32768.5 gives -32768).
int16_t ToInteger(double value);
int32_t ToLong(double value);
// Narrowing to Single with round-to-nearest. A finite value that would round beyond the
// largest Single raises error 6; NaN and infinities pass through.
float ToSingle(double value);

// Integer division `a \ b`: both operands go through ToLong first (so error 6 for either
// one out of range), the quotient is truncated toward zero. A divisor that rounds to zero
// raises error 11; the one overflowing quotient, -2147483648 \ -1, raises error 6.
int32_t IntegerDivide(double a, double b);

// Number syntax shared by both readers:
//   decimal:  [+|-] digits [. digits] [(E|e|D|d) [+|-] digits]   (at least one mantissa digit)
//   radix:    &H hexdigits | &O octdigits   (letters in either case, no sign)
// A radix number is read as an unsigned 32-bit value and then reinterpreted as a signed
// Long ("&HFFFFFFFF" -> -1); more than 32 bits raises error 6. A decimal number beyond
// the Double range raises error 6; one too small for a Double reads as 0. A zero result is
// always +0. Blanks are space, tab, line feed and carriage return.

// Lenient reading: leading blanks are skipped, then the longest prefix that forms a
// number is read ("12abc" -> 12, "1e" -> 1: an incomplete exponent is not part of the
// number). Text without such a prefix gives 0 ("abc", "--1", "").
double LenientNumber(std::string_view text);

// Strict conversion: after trimming blanks at both ends the whole text must be a number;
// otherwise (including empty or blank-only text) error 13.
double StrictNumber(std::string_view text);

// Number to text with "." as the decimal separator and no leading blank. Double and
// Single use the shortest digits that read back to the same value in their own type
// (1.1f -> "1.1"). With those digits written d.ddd x 10^X:
//   -5 <= X <= 14   plain decimal, no exponent, a decimal point only if there are
//                   fractional digits: "3", "0.5", "0.00001", "123456789012345"
//   otherwise       scientific: mantissa digits, "E", the exponent's sign and at least two
//                   digits: "1E+15", "1.5E+20", "1E-06", "5E-324"
// Zero of either sign is "0"; NaN is "NaN", infinities are "Infinity" and "-Infinity".
std::string NumberToText(double value);
std::string NumberToText(float value);
std::string NumberToText(int32_t value);

// Character-based operations on UTF-8 text (characters, not bytes). A byte that does not
// start a complete, well-formed sequence counts as one character on its own.
size_t CharLength(std::string_view text);
// Substring by 1-based character position and character count; count -1 means to the
// end. A start below 1 or a count below -1 raises error 5; a start past the end gives "".
std::string CharMid(std::string_view text, int64_t start, int64_t count = -1);
// Case mapping of ASCII letters and the Latin-1 letters U+00C0-U+00DE / U+00E0-U+00FE
// (the multiplication and division signs excepted); every other byte is copied unchanged.
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
// Equality after the case mapping above.
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace panelkit2
