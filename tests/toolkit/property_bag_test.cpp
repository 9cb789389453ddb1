// PropertyBag: key rules, defaults, the text form's round trip and its error reporting.

#include "panelkit2/toolkit/property_bag.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/msg_hook.hpp"
#include "support/assertions.hpp"

namespace panelkit2::host {
namespace {

// Same type and the same bits (NaN payloads and signed zeros included).
void ExpectIdentical(const Variant& actual, const Variant& expected) {
    ASSERT_EQ(actual.Type(), expected.Type());
    switch (expected.Type()) {
        case VarType::Single:
            EXPECT_EQ(std::bit_cast<uint32_t>(actual.AsSingle()),
                      std::bit_cast<uint32_t>(expected.AsSingle()));
            break;
        case VarType::Double:
            EXPECT_EQ(std::bit_cast<uint64_t>(actual.AsDouble()),
                      std::bit_cast<uint64_t>(expected.AsDouble()));
            break;
        default:
            EXPECT_TRUE(actual == expected) << actual.ToDisplayText();
    }
}

PropertyBag RoundTrip(const PropertyBag& bag) {
    return PropertyBag::LoadText(bag.SaveText());
}

TEST(PropertyBagKeys, CaseInsensitiveKeepingFirstSpellingAndOrder) {
    PropertyBag bag;
    bag.WriteProperty("Caption", "one");
    bag.WriteProperty("Height", int32_t{100});
    bag.WriteProperty("CAPTION", "two");
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"Caption", "Height"}));
    EXPECT_EQ(bag.ReadProperty("caption").AsString(), "two");
    EXPECT_TRUE(bag.Contains("hEIGHT"));
    EXPECT_EQ(bag.ReadProperty("Width", int32_t{3500}).AsLong(), 3500);
    EXPECT_TRUE(bag.ReadProperty("Width").IsEmpty());
}

TEST(PropertyBagKeys, ValueEqualToTheDefaultIsNotKept) {
    PropertyBag bag;
    bag.WriteProperty("ElementHeight", int16_t{265}, int32_t{265});
    EXPECT_FALSE(bag.Contains("ElementHeight"));
    bag.WriteProperty("Caption", "x", "");
    bag.WriteProperty("Min", int32_t{0}, int32_t{5});
    bag.WriteProperty("Caption", "", "");  // back to the default: the old value goes
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"Min"}));
    bag.WriteProperty("Ratio", std::nan(""), std::nan(""));  // NaN equals nothing
    EXPECT_TRUE(bag.Contains("Ratio"));
}

TEST(PropertyBagKeys, ObjectsMissingAndUnwritableKeysAreRefused) {
    PropertyBag bag;
    EXPECT_EQ(test::Caught([&] {
                  bag.WriteProperty("Hook", ObjectRef(std::make_shared<MsgHook>()));
              }).Number(),
              380);
    EXPECT_EQ(test::Caught([&] { bag.WriteProperty("Gone", Variant::Missing()); }).Number(), 380);
    for (const char* key : {"", " Caption", "Caption ", "A=B", "Line\nBreak", "Bad\xFF"})
        EXPECT_EQ(test::Caught([&] { bag.WriteProperty(key, int32_t{1}); }).Number(), 5) << key;
    EXPECT_EQ(bag.Count(), 0u);
}

TEST(PropertyBagText, EveryTypeComesBackIdentical) {
    const std::vector<Variant> values = {
        Variant(),
        int16_t{-32768},
        int16_t{32767},
        std::numeric_limits<int32_t>::min(),
        std::numeric_limits<int32_t>::max(),
        0.1f,
        -0.0f,
        std::numeric_limits<float>::denorm_min(),
        std::numeric_limits<float>::max(),
        -std::numeric_limits<float>::infinity(),
        std::bit_cast<float>(0xFFC00001u),  // a NaN with sign and payload
        0.1 + 0.2,
        -0.0,
        std::numeric_limits<double>::denorm_min(),
        std::numeric_limits<double>::lowest(),
        1e15,
        std::bit_cast<double>(0x7FF0000000000001ull),
        true,
        false,
        "",
        "say \"hi\"\\ \r\n\ttab \x01\x7F end",
        std::string("nul\0byte", 8),
        "caf\xC3\xA9 \xF0\x9F\x98\x80 \xC3 \xFF\xFE \xED\xA0\x80",  // with malformed bytes
    };
    PropertyBag bag;
    for (size_t i = 0; i < values.size(); ++i)
        bag.WriteProperty("Key" + std::to_string(i), values[i]);
    const PropertyBag loaded = RoundTrip(bag);
    ASSERT_EQ(loaded.Keys(), bag.Keys());
    for (size_t i = 0; i < values.size(); ++i)
        ExpectIdentical(loaded.ReadProperty("Key" + std::to_string(i)), values[i]);
}

TEST(PropertyBagText, RandomBitPatternsComeBackIdentical) {
    std::mt19937_64 random(2024);
    PropertyBag bag;
    for (int i = 0; i < 2000; ++i) {
        bag.WriteProperty("S" + std::to_string(i),
                          std::bit_cast<float>(static_cast<uint32_t>(random())));
        bag.WriteProperty("D" + std::to_string(i), std::bit_cast<double>(random()));
    }
    const PropertyBag loaded = RoundTrip(bag);
    for (const auto& key : bag.Keys())
        ExpectIdentical(loaded.ReadProperty(key), bag.ReadProperty(key));
}

TEST(PropertyBagText, WritesOneReadableLinePerItem) {
    PropertyBag bag;
    bag.WriteProperty("Caption", "a \"b\"\nc");
    bag.WriteProperty("Height", int32_t{-5});
    bag.WriteProperty("Width", 3500.5f);
    bag.WriteProperty("Show", true);
    bag.WriteProperty("Tag", Variant());
    EXPECT_EQ(bag.SaveText(),
              "PanelKit2 PropertyBag 1\n"
              "Caption = String \"a \\\"b\\\"\\nc\"\n"
              "Height = Long -5\n"
              "Width = Single 3500.5\n"
              "Show = Boolean True\n"
              "Tag = Empty\n");
}

TEST(PropertyBagText, AcceptsLooseSpacingCrLfAndByteOrderMark) {
    const auto bag = PropertyBag::LoadText(
        "\xEF\xBB\xBFPanelKit2 PropertyBag 1\r\n\r\n  Caption=String   \"x\"  \r\n"
        "Count =\tInteger\t7\n\n");
    EXPECT_EQ(bag.ReadProperty("Caption").AsString(), "x");
    EXPECT_EQ(bag.ReadProperty("Count").Type(), VarType::Integer);
    EXPECT_EQ(bag.Count(), 2u);
}

TEST(PropertyBagText, MalformedTextNamesTheLine) {
    const std::string header = "PanelKit2 PropertyBag 1\n";
    const struct {
        std::string text;
        std::string where;
    } cases[] = {
        {"", "line 1:"},
        {"PanelKit2 PropertyBag 2\n", "line 1: unsupported version"},
        {"Caption = String \"x\"\n", "line 1:"},
        {header + "\nCaption String\n", "line 3:"},
        {header + "Caption = Text \"x\"\n", "line 2: unknown type"},
        {header + "A = Long 1\na = Long 2\n", "line 3: duplicate key"},
        {header + "A = Integer 32768\n", "line 2:"},
        {header + "A = Long 1.5\n", "line 2:"},
        {header + "A = Long +1\n", "line 2:"},
        {header + "A = Double 1e400\n", "line 2:"},
        {header + "A = Double nan\n", "line 2:"},
        {header + "A = Single NaN:3F800000\n", "line 2:"},  // bits of 1.0, not a NaN
        {header + "A = Double NaN:7FF8\n", "line 2:"},
        {header + "A = Boolean true\n", "line 2:"},
        {header + "A = Empty 0\n", "line 2:"},
        {header + "A = String \"open\n", "line 2: unterminated"},
        {header + "A = String \"a\\\"\n", "line 2: unterminated"},
        {header + "A = String \"a\\q\"\n", "line 2: unknown escape"},
        {header + "A = String \"\\x4\"\n", "line 2:"},
        {header + "A = String \"x\" y\n", "line 2:"},
        {header + "A = String x\n", "line 2:"},
        {header + " = Long 1\n", "line 2: invalid key"},
    };
    for (const auto& c : cases) {
        const AutomationError error = test::Caught([&] { PropertyBag::LoadText(c.text); });
        EXPECT_EQ(error.Number(), 321) << c.text;
        EXPECT_NE(error.Description().find(c.where), std::string::npos)
            << c.text << " -> " << error.Description();
    }
}

TEST(PropertyBagText, HugeLinesLoadOrFailWithAShortDescription) {
    const std::string header = "PanelKit2 PropertyBag 1\n";
    const std::string big(1 << 20, 'x');
    EXPECT_EQ(PropertyBag::LoadText(header + "A = String \"" + big + "\"\n")
                  .ReadProperty("A")
                  .AsString()
                  .size(),
              big.size());
    const AutomationError error =
        test::Caught([&] { PropertyBag::LoadText(header + "A = " + big); });
    EXPECT_EQ(error.Number(), 321);
    EXPECT_LT(error.Description().size(), 200u);
}

class PropertyBagFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("pk2-bag-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(PropertyBagFile, SavedFileLoadsBack) {
    PropertyBag bag;
    bag.WriteProperty("Caption", "line 1\nline 2");
    bag.WriteProperty("Max", 1.5f);
    const std::string path = (dir / "check.bag").string();
    bag.SaveFile(path);
    const PropertyBag loaded = PropertyBag::LoadFile(path);
    EXPECT_EQ(loaded.SaveText(), bag.SaveText());
}

TEST_F(PropertyBagFile, FileErrorsAreReportedAsSuch) {
    PropertyBag bag;
    EXPECT_EQ(test::Caught([&] { PropertyBag::LoadFile((dir / "absent.bag").string()); }).Number(),
              53);
    EXPECT_EQ(
        test::Caught([&] { bag.SaveFile((dir / "no" / "such" / "dir.bag").string()); }).Number(),
        75);
    EXPECT_EQ(test::Caught([&] { PropertyBag::LoadFile(dir.string()); }).Number(), 75);
    EXPECT_EQ(test::Caught([&] { bag.SaveFile(dir.string()); }).Number(), 75);
}

}  // namespace
}  // namespace panelkit2::host
