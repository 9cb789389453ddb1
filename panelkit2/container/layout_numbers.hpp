#pragma once

// Narrowing of layout values. Layout sums are nearly always whole twips, and those need no
// rounding; everything else goes through the library's rounding and overflow rules.

#include <cstdint>
#include <limits>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2 {

// ToLong: nearest, halves to even; error 6 outside the Long range or for NaN.
inline int32_t RoundedLong(double value) {
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    if (value >= kLow && value <= kHigh) {
        const auto whole = static_cast<int32_t>(value);
        if (whole == value) return whole;
    }
    return ToLong(value);
}

// A position counted from 0 (tab order): an Integer, error 6 beyond it.
inline int16_t IntegerPosition(int64_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        RaiseStandard(err::Overflow);
    return static_cast<int16_t>(value);
}

}  // namespace panelkit2
