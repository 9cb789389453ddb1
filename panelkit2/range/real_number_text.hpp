#pragma once

// How a real-number field writes and reads its text. Numbers are written with "." as the
// decimal separator in at most seven significant digits (trailing zeros dropped); the
// exponent form of very large and very small numbers keeps a point in its mantissa
// ("1.0E+15"), so every text the field writes reads back as a number.

#include <cstdint>
#include <string>
#include <string_view>

namespace panelkit2 {

std::string RealToText(float value);

// The number the text starts with, 0 when none. A number beyond a Double reads as an
// infinity of its sign, so no text makes the reading fail.
double ReadRealText(std::string_view text);

// Whether the whole text is a decimal number that a Single holds (blanks around it
// allowed).
bool IsRealText(std::string_view text);

// The text's number (as a Single) one unit of its last decimal place up or down: the unit
// is 10^-(characters after the first "."), 1 for a text without one. The sum is rounded to
// the text's decimal places, so no binary remainder of single precision shows as a digit
// (8.1 steps to 8.2, not to the 8.200001 a Single sum would give).
double StepText(std::string_view text, bool up);

// Characters after the first ".", -1 for a text without one.
int64_t DecimalsOfText(std::string_view text);

}  // namespace panelkit2
