#include "panelkit2/range/real_number_text.hpp"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2 {

namespace {
constexpr std::string_view kBlanks = " \t\n\r";
constexpr int kSignificantDigits = 7;
// Beyond this many decimals a Double holds no more digits to round.
constexpr int64_t kMostRoundedDecimals = 15;

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}
}  // namespace

// Seven significant digits, as many as a Single holds for certain: a step of 0.1 from 2.1
// lands on 1.99999988 in single precision, which reads 2.
std::string RealToText(float value) {
    if (!std::isfinite(value)) return NumberToText(value);
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), double(value),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const double rounded = LenientNumber(std::string_view(digits.data(), written.ptr));
    std::string text = NumberToText(rounded);
    const size_t exponent = text.find('E');
    if (exponent != std::string::npos && text.find('.') == std::string::npos)
        text.insert(exponent, ".0");
    return text;
}

double ReadRealText(std::string_view text) {
    try {
        return LenientNumber(text);
    } catch (const AutomationError& error) {
        if (error.Number() != err::Overflow) throw;
        const bool negative = Trimmed(text).starts_with('-');
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
}

// Radix forms (&H, &O) are numbers too, but no decimal point belongs in them.
bool IsRealText(std::string_view text) {
    if (Trimmed(text).starts_with('&')) return false;
    try {
        return std::fabs(StrictNumber(text)) <= double(FLT_MAX);
    } catch (const AutomationError&) {
        return false;
    }
}

int64_t DecimalsOfText(std::string_view text) {
    const size_t point = text.find('.');
    if (point == std::string_view::npos) return -1;
    return static_cast<int64_t>(CharLength(text.substr(point + 1)));
}

double StepText(std::string_view text, bool up) {
    const int64_t decimals = std::max<int64_t>(DecimalsOfText(text), 0);
    const double unit = std::pow(10.0, -static_cast<double>(decimals));
    const double stepped = double(ToSingle(ReadRealText(text))) + (up ? unit : -unit);
    if (decimals > kMostRoundedDecimals) return stepped;
    const double scale = std::pow(10.0, static_cast<double>(decimals));
    return RoundHalfEven(stepped * scale) / scale;
}

}  // namespace panelkit2
