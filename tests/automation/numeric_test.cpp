#include "panelkit2/automation/numeric.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int32_t kLongMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kLongMax = std::numeric_limits<int32_t>::max();

// The error number raised by `call` (0 if none); also checks the source.
template <typename Call>
int32_t ErrorNumberOf(Call&& call) {
    const AutomationError error = test::Caught(call);
    if (error.Number() != 0) {
        EXPECT_EQ(error.Source(), "PanelKit2");
    }
    return error.Number();
}

// Text in a heap block of exactly its size, so the sanitizer sees any read past the end.
class ExactText {
  public:
    explicit ExactText(std::string_view text)
        : mBytes(std::make_unique<char[]>(text.size())), mSize(text.size()) {
        std::copy(text.begin(), text.end(), mBytes.get());
    }
    std::string_view View() const { return {mBytes.get(), mSize}; }

  private:
    std::unique_ptr<char[]> mBytes;
    size_t mSize;
};

TEST(NumericRounding, RoundHalfEvenTiesToEvenAndKeepsSign) {
    const struct {
        double input;
        double expected;
    } cases[] = {
        {2.5, 2.0},
        {3.5, 4.0},
        {-2.5, -2.0},
        {0.5, 0.0},
        {1.5, 2.0},
        {-1.5, -2.0},
        {2.6, 3.0},
        {-3.7, -4.0},
        {2.4999999999999996, 2.0},
        {0.49999999999999994, 0.0},
        {-0.49999999999999994, -0.0},
        {-0.5, -0.0},
        {-0.4, -0.0},
        {-0.0, -0.0},
        {4503599627370495.5, 4503599627370496.0},  // odd neighbour below 2^52
        {4503599627370494.5, 4503599627370494.0},
        {9007199254740993.0, 9007199254740992.0},  // already integral
        {1e300, 1e300},
        {kInf, kInf},
        {-kInf, -kInf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        const double rounded = RoundHalfEven(c.input);
        EXPECT_EQ(rounded, c.expected);
        EXPECT_EQ(std::signbit(rounded), std::signbit(c.expected));
    }
    EXPECT_TRUE(std::isnan(RoundHalfEven(kNaN)));
}

TEST(NumericRounding, ToIntegerAndToLongRoundThenCheckRange) {
    const struct {
        double input;
        int32_t integer;  // 0 with integerError set when ToInteger must fail
        bool integerError;
        int32_t longValue;
        bool longError;
    } cases[] = {
        {32767.4, 32767, false, 32767, false},
        {32767.5, 0, true, 32768, false},
        {-32768.5, -32768, false, -32768, false},
        {-32767.5, -32768, false, -32768, false},
        {-32768.6, 0, true, -32769, false},
        {32766.5, 32766, false, 32766, false},
        {-0.4, 0, false, 0, false},
        {2147483647.4, 0, true, kLongMax, false},
        {2147483647.5, 0, true, 0, true},
        {-2147483648.5, 0, true, kLongMin, false},
        {-2147483648.6, 0, true, 0, true},
        {2147483646.5, 0, true, 2147483646, false},
        {1e300, 0, true, 0, true},
        {kNaN, 0, true, 0, true},
        {kInf, 0, true, 0, true},
        {-kInf, 0, true, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        if (c.integerError) {
            EXPECT_EQ(ErrorNumberOf([&] { ToInteger(c.input); }), err::Overflow);
        } else {
            EXPECT_EQ(ToInteger(c.input), c.integer);
        }
        if (c.longError) {
            EXPECT_EQ(ErrorNumberOf([&] { ToLong(c.input); }), err::Overflow);
        } else {
            EXPECT_EQ(ToLong(c.input), c.longValue);
        }
    }
}

TEST(NumericRounding, ToSingleOverflowsOnlyWhenRoundingPastTheLargestSingle) {
    constexpr float kSingleMax = std::numeric_limits<float>::max();
    const double overflowFrom = 0x1.ffffffp+127;
    EXPECT_EQ(ToSingle(kSingleMax), kSingleMax);
    EXPECT_EQ(ToSingle(-static_cast<double>(kSingleMax)), -kSingleMax);
    EXPECT_EQ(ToSingle(3.4028235e38), kSingleMax);  // the usual literal lies just above
    EXPECT_EQ(ToSingle(std::nextafter(overflowFrom, 0.0)), kSingleMax);
    EXPECT_EQ(ToSingle(0.1), 0.1f);
    EXPECT_EQ(ToSingle(1e-50), 0.0f);
    for (const double tooLarge : {overflowFrom, -overflowFrom, 1e39, 1e300, -1e300}) {
        SCOPED_TRACE(tooLarge);
        EXPECT_EQ(ErrorNumberOf([&] { ToSingle(tooLarge); }), err::Overflow);
    }
    EXPECT_TRUE(std::isnan(ToSingle(kNaN)));
    EXPECT_EQ(ToSingle(-kInf), -std::numeric_limits<float>::infinity());
}

TEST(NumericRounding, IntegerDivideRoundsOperandsAndTruncates) {
    const struct {
        double a, b;
        int32_t expected;
    } cases[] = {
        {7.5, 2, 4},
        {6.5, 2, 3},
        {-7, 2, -3},
        {7, -2, -3},
        {-7, -2, 3},
        {5, 2.5, 2},
        {5, 1.5, 2},
        {0.4, 1, 0},
        {1, 3, 0},
        {kLongMin, 1, kLongMin},
        {kLongMin, -2, 1073741824},
        {kLongMax, -1, -kLongMax},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " \\ " << c.b);
        EXPECT_EQ(IntegerDivide(c.a, c.b), c.expected);
    }

    const struct {
        double a, b;
        int32_t error;
    } failures[] = {
        {1, 0, err::DivisionByZero},      {1, 0.5, err::DivisionByZero},
        {1, -0.5, err::DivisionByZero},   {kLongMin, -1, err::Overflow},
        {2147483647.5, 1, err::Overflow}, {1, 3e9, err::Overflow},
        {kNaN, 1, err::Overflow},         {1, kNaN, err::Overflow},
        {3e9, 0, err::Overflow},  // operands are converted before the divisor is checked
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(testing::Message() << f.a << " \\ " << f.b);
        EXPECT_EQ(ErrorNumberOf([&] { IntegerDivide(f.a, f.b); }), f.error);
    }
}

TEST(NumericReading, LenientNumberReadsTheLeadingNumber) {
    const std::string manyZeros(400, '0');
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {"12abc", 12},
        {"  -3.5e2x", -350},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"+4", 4},
        {"00012", 12},
        {"abc", 0},
        {"", 0},
        {"   ", 0},
        {"-", 0},
        {".", 0},
        {"--1", 0},
        {"1 2", 1},
        {"1.5.5", 1.5},
        {" \t\r\n7", 7},
        {"1e", 1},
        {"1e+", 1},
        {"1E-x", 1},
        {"1D3", 1000},
        {"1d-2", 0.01},
        {"2.5E+3z", 2500},
        {"0.1", 0.1},
        {"9007199254740993", 9007199254740992.0},  // correctly rounded
        {"1e-400", 0},
        {"0.001e-322", 0},
        {"0e99999999999999999999", 0},
        {"1" + manyZeros + "e-400", 1},
        {"0." + manyZeros + "1e400", 1e-1},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"&HFF", 255},
        {"&hff", 255},
        {"&H7FFFFFFF", kLongMax},
        {"&H80000000", kLongMin},
        {"&HFFFFFFFF", -1},
        {"&H00000000FF", 255},
        {"&H1Fz", 31},
        {" &H10", 16},
        {"&H", 0},
        {"&HG", 0},
        {"&O17", 15},
        {"&o777", 511},
        {"&O37777777777", -1},
        {"&O8", 0},
        {"&", 0},
        {"&X1", 0},
        {"-&H10", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LenientNumber(ExactText(c.text).View()), c.expected);
    }
    EXPECT_FALSE(std::signbit(LenientNumber("-0")));
    EXPECT_FALSE(std::signbit(LenientNumber("-1e-400")));
}

TEST(NumericReading, NumbersBeyondTheRangeOverflowInBothReaders) {
    for (const char* text : {"1e400", "-1e400", "1000e306", "1e99999999999999999999", "&H100000000",
                             "&O40000000000", "&HFFFFFFFFFFFFFFFFFFFF"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ErrorNumberOf([&] { LenientNumber(text); }), err::Overflow);
        EXPECT_EQ(ErrorNumberOf([&] { StrictNumber(text); }), err::Overflow);
    }
    EXPECT_EQ(LenientNumber("100e306"), 1e308);
}

TEST(NumericReading, StrictNumberAcceptsOnlyAWholeNumber) {
    const struct {
        const char* text;
        double expected;
    } accepted[] = {
        {"12", 12},         {" 12 ", 12}, {"\t-3.5e2\n", -350}, {"+.5", 0.5},
        {"5.", 5},          {"1D2", 100}, {"1e-2", 0.01},       {"&H10", 16},
        {"&HFFFFFFFF", -1}, {"&o10", 8},  {" &hA ", 10},        {"-0", 0},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrictNumber(ExactText(c.text).View()), c.expected);
    }

    for (const char* text : {"",
                             "   ",
                             "12abc",
                             "1e",
                             "1e+",
                             "1 2",
                             "--1",
                             "+",
                             "-",
                             ".",
                             "1.5.5",
                             "abc",
                             "&H",
                             "&HG",
                             "&H1G",
                             "-&H1",
                             "&",
                             "0x10",
                             "1,5",
                             "NaN",
                             "Infinity",
                             "\xC2\xA0"
                             "1"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ErrorNumberOf([&] { StrictNumber(ExactText(text).View()); }), err::TypeMismatch);
    }
}

TEST(NumericWriting, DoubleTextSwitchesToScientificOutsidePlainRange) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {3, "3"},
        {-3, "-3"},
        {100, "100"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {0.1, "0.1"},
        {1234.5, "1234.5"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.0 / 3.0, "0.3333333333333333"},
        {0.0001, "0.0001"},
        {0.00001, "0.00001"},
        {-0.00001, "-0.00001"},
        {1.5e-5, "0.000015"},
        {9.99e-6, "9.99E-06"},
        {0.000001, "1E-06"},
        {-1e-7, "-1E-07"},
        {1.5e-7, "1.5E-07"},
        {1e14, "100000000000000"},
        {999999999999999, "999999999999999"},
        {123456789012345.6, "123456789012345.6"},
        {1e15, "1E+15"},
        {-1e15, "-1E+15"},
        {9007199254740992.0, "9.007199254740992E+15"},
        {1.5e20, "1.5E+20"},
        {1e100, "1E+100"},
        {std::numeric_limits<double>::max(), "1.7976931348623157E+308"},
        {std::numeric_limits<double>::denorm_min(), "5E-324"},
        {kNaN, "NaN"},
        {-kNaN, "NaN"},
        {kInf, "Infinity"},
        {-kInf, "-Infinity"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(NumberToText(c.value), c.expected);
    }
}

TEST(NumericWriting, SingleTextUsesTheSinglesOwnShortestDigits) {
    const struct {
        float value;
        const char* expected;
    } cases[] = {
        {1.1f, "1.1"},
        {0.1f, "0.1"},
        {0.3f, "0.3"},
        {-0.0f, "0"},
        {123456.79f, "123456.79"},
        {16777216.0f, "16777216"},
        {1e15f, "1E+15"},
        {std::numeric_limits<float>::max(), "3.4028235E+38"},
        {std::numeric_limits<float>::denorm_min(), "1E-45"},
        {std::numeric_limits<float>::infinity(), "Infinity"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(NumberToText(c.value), c.expected);
    }
}

TEST(NumericWriting, LongTextIsPlainDecimal) {
    EXPECT_EQ(NumberToText(int32_t{0}), "0");
    EXPECT_EQ(NumberToText(int32_t{-1}), "-1");
    EXPECT_EQ(NumberToText(kLongMax), "2147483647");
    EXPECT_EQ(NumberToText(kLongMin), "-2147483648");
}

// Whatever the magnitude, the text must read back to exactly the same value.
TEST(NumericWriting, TextRoundTripsThroughStrictNumber) {
    std::mt19937_64 bits(20240601);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::bit_cast<double>(bits());
        if (!std::isfinite(value)) continue;
        const std::string text = NumberToText(value);
        ASSERT_EQ(StrictNumber(text), value) << text;
    }
    for (int i = 0; i < 20000; ++i) {
        const float value = std::bit_cast<float>(static_cast<uint32_t>(bits()));
        if (!std::isfinite(value)) continue;
        const std::string text = NumberToText(value);
        // Read as Single directly: going through Double could round twice.
        float reread = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), reread);
        ASSERT_EQ(ec, std::errc()) << text;
        ASSERT_EQ(reread, value) << text;
    }
}

TEST(NumericStrings, CharLengthCountsCharactersAndLoneInvalidBytes) {
    const struct {
        std::string_view text;
        size_t expected;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {std::string_view("a\0b", 3), 3},
        {"\xC3\xA9", 1},          // é
        {"\xE2\x82\xAC", 1},      // €
        {"\xF0\x9F\x98\x80", 1},  // emoji
        {"a\xE2\x82\xAC"
         "b",
         3},
        {"\x80", 1},  // stray continuation
        {"\xFF", 1},
        {"\xC3"
         "A",
         2},              // lead without continuation
        {"\xE2\x82", 2},  // truncated at the end
        {"a\xF0\x9F\x98", 4},
        {"\xC0\xAF", 2},          // overlong
        {"\xE0\x80\xAF", 3},      // overlong
        {"\xED\xA0\x80", 3},      // surrogate
        {"\xF4\x90\x80\x80", 4},  // above U+10FFFF
        {"\xF4\x8F\xBF\xBF", 1},  // U+10FFFF
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(CharLength(ExactText(c.text).View()), c.expected);
    }
}

TEST(NumericStrings, CharMidSelectsByCharacter) {
    constexpr int64_t kHuge = std::numeric_limits<int64_t>::max();
    const struct {
        std::string_view text;
        int64_t start, count;
        std::string_view expected;
    } cases[] = {
        {"hello", 2, 3, "ell"},
        {"hello", 1, -1, "hello"},
        {"hello", 5, -1, "o"},
        {"hello", 6, -1, ""},
        {"hello", 100, 2, ""},
        {"hello", kHuge, kHuge, ""},
        {"hello", 2, 0, ""},
        {"hello", 4, 100, "lo"},
        {"hello", 2, kHuge, "ello"},
        {"", 1, -1, ""},
        {"h\xC3\xA9llo", 2, 2, "\xC3\xA9l"},
        {"a\xE2\x82\xAC"
         "b",
         2, 1, "\xE2\x82\xAC"},
        {"\xF0\x9F\x98\x80x", 2, -1, "x"},
        {"\xE2\x82z", 2, 1, "\x82"},
        {"ab\xF0\x9F", 3, 5, "\xF0\x9F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << testing::PrintToString(c.text) << " " << c.start << " " << c.count);
        EXPECT_EQ(CharMid(ExactText(c.text).View(), c.start, c.count), c.expected);
    }
    EXPECT_EQ(CharMid("hello", 3), "llo");

    const std::pair<int64_t, int64_t> invalid[] = {{0, -1},
                                                   {-1, 2},
                                                   {std::numeric_limits<int64_t>::min(), 1},
                                                   {1, -2},
                                                   {1, std::numeric_limits<int64_t>::min()}};
    for (const auto& [start, count] : invalid) {
        SCOPED_TRACE(testing::Message() << start << " " << count);
        EXPECT_EQ(ErrorNumberOf([&] { CharMid("hello", start, count); }), err::InvalidCall);
    }
}

TEST(NumericStrings, CaseMappingCoversAsciiAndLatin1LettersOnly) {
    const struct {
        std::string_view text, upper, lower;
    } cases[] = {
        {"abcXYZ019", "ABCXYZ019", "abcxyz019"},
        {"@[`{", "@[`{", "@[`{"},
        {"\xC3\xA0\xC3\xA9\xC3\xBE", "\xC3\x80\xC3\x89\xC3\x9E", "\xC3\xA0\xC3\xA9\xC3\xBE"},
        {"\xC3\x97\xC3\xB7", "\xC3\x97\xC3\xB7", "\xC3\x97\xC3\xB7"},  // × ÷
        {"\xC3\x9F\xC3\xBF", "\xC3\x9F\xC3\xBF", "\xC3\x9F\xC3\xBF"},  // ß ÿ
        {"\xC2\xB5\xC2\xAA", "\xC2\xB5\xC2\xAA", "\xC2\xB5\xC2\xAA"},  // µ ª
        {"\xD0\xB4\xE2\x82\xAC", "\xD0\xB4\xE2\x82\xAC", "\xD0\xB4\xE2\x82\xAC"},
        {"\xC3"
         "a",
         "\xC3"
         "A",
         "\xC3"
         "a"},  // a lone lead byte does not hide the letter
        {"x\xC3", "X\xC3", "x\xC3"},
        {"\xA0\xC3\x80", "\xA0\xC3\x80", "\xA0\xC3\xA0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(ToUpper(ExactText(c.text).View()), c.upper);
        EXPECT_EQ(ToLower(ExactText(c.text).View()), c.lower);
    }

    // Every Latin-1 letter pair maps both ways.
    for (unsigned char lowerTrail = 0xA0; lowerTrail <= 0xBE; ++lowerTrail) {
        if (lowerTrail == 0xB7) continue;
        const std::string lower{'\xC3', static_cast<char>(lowerTrail)};
        const std::string upper{'\xC3', static_cast<char>(lowerTrail - 0x20)};
        SCOPED_TRACE(lower);
        EXPECT_EQ(ToUpper(lower), upper);
        EXPECT_EQ(ToLower(upper), lower);
    }
}

TEST(NumericStrings, EqualsNoCaseComparesFoldedText) {
    const struct {
        std::string_view a, b;
        bool equal;
    } cases[] = {
        {"", "", true},
        {"Hello", "hELLO", true},
        {"\xC3\x84rger", "\xC3\xA4RGER", true},  // Ärger
        {"abc", "abd", false},
        {"abc", "ab", false},
        {"@", "`", false},
        {"[", "{", false},
        {"\xC3\x97", "\xC3\xB7", false},  // × and ÷ are not a case pair
        {"\xC3\x9F", "SS", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << testing::PrintToString(c.a) << " vs " << testing::PrintToString(c.b));
        EXPECT_EQ(EqualsNoCase(c.a, c.b), c.equal);
        EXPECT_EQ(EqualsNoCase(c.b, c.a), c.equal);
    }
}

}  // namespace
}  // namespace panelkit2
