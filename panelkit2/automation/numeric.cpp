#include "panelkit2/automation/numeric.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "panelkit2/automation/automation_error.hpp"

namespace panelkit2 {

// ---------------------------------------------------------------------------------------
// Rounding and narrowing

double RoundHalfEven(double value) {
    // From 2^52 up every double is integral; NaN and infinities fail the comparison too.
    constexpr double kIntegralFrom = 4503599627370496.0;
    const double magnitude = std::fabs(value);
    if (!(magnitude < kIntegralFrom)) return value;
    // Rounding the magnitude keeps ties symmetric, and below 2^52 the fraction is exact.
    const double below = std::floor(magnitude);
    const double fraction = magnitude - below;
    const bool belowIsOdd = std::fmod(below, 2.0) != 0.0;
    const bool roundUp = fraction > 0.5 || (fraction == 0.5 && belowIsOdd);
    return std::copysign(roundUp ? below + 1.0 : below, value);
}

namespace {

template <typename Int>
Int NarrowRounded(double value) {
    const double rounded = RoundHalfEven(value);
    // Written so that NaN fails the check as well.
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        RaiseStandard(err::Overflow);
    }
    return static_cast<Int>(rounded);
}

}  // namespace

int16_t ToInteger(double value) {
    return NarrowRounded<int16_t>(value);
}

int32_t ToLong(double value) {
    return NarrowRounded<int32_t>(value);
}

float ToSingle(double value) {
    // Halfway between the largest Single and 2^128: from here on the conversion would
    // round to infinity (the tie goes to 2^128, the even neighbour).
    constexpr double kSingleOverflowFrom = 0x1.ffffffp+127;
    if (std::isfinite(value) && std::fabs(value) >= kSingleOverflowFrom) {
        RaiseStandard(err::Overflow);
    }
    return static_cast<float>(value);
}

int32_t IntegerDivide(double a, double b) {
    const int32_t dividend = ToLong(a);
    const int32_t divisor = ToLong(b);
    if (divisor == 0) RaiseStandard(err::DivisionByZero);
    if (dividend == std::numeric_limits<int32_t>::min() && divisor == -1) {
        RaiseStandard(err::Overflow);
    }
    return dividend / divisor;
}

// ---------------------------------------------------------------------------------------
// Reading numbers from text

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSign(char c) {
    return c == '+' || c == '-';
}

std::string_view TrimLeadingBlanks(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return text.substr(start);
}

std::string_view TrimBlanks(std::string_view text) {
    text = TrimLeadingBlanks(text);
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

size_t SkipDecimalDigits(std::string_view text, size_t pos) {
    while (pos < text.size() && IsDecimalDigit(text[pos])) ++pos;
    return pos;
}

// A number found at the start of a text; length 0 when there is none.
struct ScannedNumber {
    size_t length = 0;
    double value = 0.0;
};

// The pieces of a decimal number, as views into the scanned text.
struct DecimalParts {
    size_t length = 0;
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

// Longest prefix of `text` matching the decimal syntax. An exponent marker without digits
// after it is left out, so the number ends before it.
DecimalParts ScanDecimalSyntax(std::string_view text) {
    DecimalParts parts;
    size_t pos = 0;
    if (pos < text.size() && IsSign(text[pos])) {
        parts.negative = text[pos] == '-';
        ++pos;
    }
    const size_t integerStart = pos;
    pos = SkipDecimalDigits(text, pos);
    parts.integerDigits = text.substr(integerStart, pos - integerStart);
    if (pos < text.size() && text[pos] == '.') {
        const size_t fractionStart = pos + 1;
        pos = SkipDecimalDigits(text, fractionStart);
        parts.fractionDigits = text.substr(fractionStart, pos - fractionStart);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return {};

    parts.length = pos;
    if (pos < text.size() &&
        (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        size_t exponentPos = pos + 1;
        bool exponentNegative = false;
        if (exponentPos < text.size() && IsSign(text[exponentPos])) {
            exponentNegative = text[exponentPos] == '-';
            ++exponentPos;
        }
        const size_t digitsEnd = SkipDecimalDigits(text, exponentPos);
        if (digitsEnd > exponentPos) {
            parts.exponentNegative = exponentNegative;
            parts.exponentDigits = text.substr(exponentPos, digitsEnd - exponentPos);
            parts.length = digitsEnd;
        }
    }
    return parts;
}

// Decimal exponent, clamped far beyond any double so that huge digit runs cannot overflow.
int64_t ClampedExponent(const DecimalParts& parts) {
    constexpr int64_t kLimit = 1'000'000'000;
    int64_t exponent = 0;
    for (const char digit : parts.exponentDigits) {
        exponent = std::min(exponent * 10 + (digit - '0'), kLimit);
    }
    return parts.exponentNegative ? -exponent : exponent;
}

// Whether a number that did not fit a double was too large (rather than too small):
// its leading nonzero digit sits at or above the units position.
bool IsBeyondDoubleRange(const DecimalParts& parts) {
    const size_t integerLead = parts.integerDigits.find_first_not_of('0');
    int64_t leadPosition = 0;
    if (integerLead != std::string_view::npos) {
        leadPosition = static_cast<int64_t>(parts.integerDigits.size() - integerLead);
    } else {
        const size_t fractionLead = parts.fractionDigits.find_first_not_of('0');
        if (fractionLead == std::string_view::npos) return false;
        leadPosition = -static_cast<int64_t>(fractionLead);
    }
    return leadPosition + ClampedExponent(parts) > 0;
}

// Converts with std::from_chars, which is locale independent and correctly rounded.
double DecimalPartsValue(const DecimalParts& parts) {
    std::string normalized;
    normalized.reserve(parts.length + 3);
    if (parts.negative) normalized += '-';
    normalized.append(parts.integerDigits);
    normalized += '.';
    normalized.append(parts.fractionDigits);
    if (!parts.exponentDigits.empty()) {
        normalized += parts.exponentNegative ? "e-" : "e";
        normalized.append(parts.exponentDigits);
    }
    double value = 0.0;
    const char* first = normalized.data();
    const auto [end, ec] = std::from_chars(first, first + normalized.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (IsBeyondDoubleRange(parts)) RaiseStandard(err::Overflow);
        return 0.0;
    }
    return value == 0.0 ? 0.0 : value;
}

// Digit value in bases up to 16; anything else is above every radix.
int RadixDigitValue(char c) {
    constexpr int kNotADigit = 16;
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return kNotADigit;
}

// "&H..." or "&O...": the digits as an unsigned 32-bit value, reinterpreted as a Long.
ScannedNumber ScanRadixNumber(std::string_view text) {
    if (text.size() < 2 || text[0] != '&') return {};
    int radix = 0;
    if (text[1] == 'H' || text[1] == 'h') radix = 16;
    if (text[1] == 'O' || text[1] == 'o') radix = 8;
    if (radix == 0) return {};

    uint64_t accumulated = 0;
    size_t pos = 2;
    for (; pos < text.size(); ++pos) {
        const int digit = RadixDigitValue(text[pos]);
        if (digit >= radix) break;
        accumulated = accumulated * radix + digit;
        if (accumulated > std::numeric_limits<uint32_t>::max()) RaiseStandard(err::Overflow);
    }
    if (pos == 2) return {};
    const auto asLong = static_cast<int32_t>(static_cast<uint32_t>(accumulated));
    return {pos, static_cast<double>(asLong)};
}

ScannedNumber ScanNumber(std::string_view text) {
    if (!text.empty() && text[0] == '&') return ScanRadixNumber(text);
    const DecimalParts parts = ScanDecimalSyntax(text);
    if (parts.length == 0) return {};
    return {parts.length, DecimalPartsValue(parts)};
}

}  // namespace

double LenientNumber(std::string_view text) {
    return ScanNumber(TrimLeadingBlanks(text)).value;
}

double StrictNumber(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    const ScannedNumber number = ScanNumber(trimmed);
    if (number.length == 0 || number.length != trimmed.size()) {
        RaiseStandard(err::TypeMismatch);
    }
    return number.value;
}

// ---------------------------------------------------------------------------------------
// Writing numbers as text

namespace {

// A nonzero finite value as its shortest round-trip digits d.ddd x 10^exponent.
struct ShortestDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// to_chars in scientific form without a precision yields the shortest round-trip digits
// for the argument's own type; they are taken apart from its "d.ddde+XX" output.
template <typename Float>
ShortestDigits ShortestRoundTripDigits(Float value) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<size_t>(end - buffer));

    ShortestDigits result;
    size_t pos = 0;
    if (text[pos] == '-') {
        result.negative = true;
        ++pos;
    }
    for (; text[pos] != 'e'; ++pos) {
        if (text[pos] != '.') result.digits += text[pos];
    }
    ++pos;  // 'e'
    const bool exponentNegative = text[pos] == '-';
    ++pos;  // exponent sign, always present
    std::from_chars(text.data() + pos, text.data() + text.size(), result.exponent);
    if (exponentNegative) result.exponent = -result.exponent;
    return result;
}

std::string PlainDecimalText(const ShortestDigits& number) {
    std::string text = number.negative ? "-" : "";
    const int exponent = number.exponent;
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<size_t>(-exponent - 1), '0');
        text += number.digits;
        return text;
    }
    const size_t integerLength = static_cast<size_t>(exponent) + 1;
    if (number.digits.size() <= integerLength) {
        text += number.digits;
        text.append(integerLength - number.digits.size(), '0');
    } else {
        text.append(number.digits, 0, integerLength);
        text += '.';
        text.append(number.digits, integerLength);
    }
    return text;
}

std::string ScientificText(const ShortestDigits& number) {
    std::string text = number.negative ? "-" : "";
    text += number.digits[0];
    if (number.digits.size() > 1) {
        text += '.';
        text.append(number.digits, 1);
    }
    text += number.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(number.exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
}

template <typename Float>
std::string FloatingText(Float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) return "0";
    // Plain decimal covers 1E-05 <= |value| < 1E+15 in terms of the shortest digits.
    constexpr int kPlainMinExponent = -5;
    constexpr int kPlainMaxExponent = 14;
    const ShortestDigits number = ShortestRoundTripDigits(value);
    if (number.exponent >= kPlainMinExponent && number.exponent <= kPlainMaxExponent) {
        return PlainDecimalText(number);
    }
    return ScientificText(number);
}

}  // namespace

std::string NumberToText(double value) {
    return FloatingText(value);
}

std::string NumberToText(float value) {
    return FloatingText(value);
}

std::string NumberToText(int32_t value) {
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

// ---------------------------------------------------------------------------------------
// Character-based string operations

namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Byte length of the well-formed UTF-8 sequence starting at `pos`, or 1 when the byte
// there does not start one (stray continuation, bad lead, overlong, surrogate, truncated).
size_t Utf8SequenceLength(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondMin = 0xA0;  // overlong
        if (lead == 0xED) secondMax = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondMin = 0x90;  // overlong
        if (lead == 0xF4) secondMax = 0x8F;  // beyond U+10FFFF
    } else {
        return 1;
    }
    if (text.size() - pos < length) return 1;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < secondMin || second > secondMax) return 1;
    for (size_t i = 2; i < length; ++i) {
        if (!IsContinuationByte(static_cast<unsigned char>(text[pos + i]))) return 1;
    }
    return length;
}

// Byte offset of the character `characters` positions after `pos` (or the end).
size_t AdvanceCharacters(std::string_view text, size_t pos, uint64_t characters) {
    for (; characters > 0 && pos < text.size(); --characters) {
        pos += Utf8SequenceLength(text, pos);
    }
    return pos;
}

// Latin-1 letters U+00C0-U+00FE are encoded as 0xC3 followed by 0x80-0xBE; upper and
// lower case differ by 0x20 in the second byte, U+00D7 and U+00F7 are not letters.
constexpr unsigned char kLatin1Lead = 0xC3;

bool IsLatin1UpperTrail(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9E && byte != 0x97;
}

bool IsLatin1LowerTrail(unsigned char byte) {
    return byte >= 0xA0 && byte <= 0xBE && byte != 0xB7;
}

enum class CaseTarget { Upper, Lower };

std::string MapCase(std::string_view text, CaseTarget target) {
    std::string result(text);
    for (size_t i = 0; i < result.size(); ++i) {
        const auto byte = static_cast<unsigned char>(result[i]);
        const auto trail = i + 1 < result.size() ? static_cast<unsigned char>(result[i + 1]) : 0;
        if (byte == kLatin1Lead && IsContinuationByte(trail)) {
            if (target == CaseTarget::Upper && IsLatin1LowerTrail(trail)) {
                result[i + 1] = static_cast<char>(trail - 0x20);
            } else if (target == CaseTarget::Lower && IsLatin1UpperTrail(trail)) {
                result[i + 1] = static_cast<char>(trail + 0x20);
            }
            ++i;
            continue;
        }
        if (target == CaseTarget::Upper && byte >= 'a' && byte <= 'z') {
            result[i] = static_cast<char>(byte - 0x20);
        } else if (target == CaseTarget::Lower && byte >= 'A' && byte <= 'Z') {
            result[i] = static_cast<char>(byte + 0x20);
        }
    }
    return result;
}

}  // namespace

size_t CharLength(std::string_view text) {
    size_t count = 0;
    for (size_t pos = 0; pos < text.size(); pos += Utf8SequenceLength(text, pos)) ++count;
    return count;
}

std::string CharMid(std::string_view text, int64_t start, int64_t count) {
    if (start < 1 || count < -1) RaiseStandard(err::InvalidCall);
    const size_t first = AdvanceCharacters(text, 0, static_cast<uint64_t>(start - 1));
    if (count == -1) return std::string(text.substr(first));
    const size_t last = AdvanceCharacters(text, first, static_cast<uint64_t>(count));
    return std::string(text.substr(first, last - first));
}

std::string ToUpper(std::string_view text) {
    return MapCase(text, CaseTarget::Upper);
}

std::string ToLower(std::string_view text) {
    return MapCase(text, CaseTarget::Lower);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    // Case mapping never changes byte lengths.
    return a.size() == b.size() && ToLower(a) == ToLower(b);
}

}  // namespace panelkit2
