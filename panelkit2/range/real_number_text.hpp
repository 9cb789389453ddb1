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

// One unit of the text's last decimal place: 10^-(characters after the first "."), 1 for
// a text without one.
float StepOfText(std::string_view text);

// Characters after the first ".", -1 for a text without one.
int64_t DecimalsOfText(std::string_view text);

}  // namespace panelkit2
