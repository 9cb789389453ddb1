// Variant conversions as the automation layer relies on them.

#include "panelkit2/automation/variant.hpp"

#include <gtest/gtest.h>

#include "panelkit2/automation/automation_error.hpp"
#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

TEST(Variant, NumbersTextAndBooleansConvertBothWays) {
    EXPECT_EQ(Variant(true).AsLong(), -1);
    EXPECT_EQ(Variant(false).AsString(), "False");
    EXPECT_TRUE(Variant("true").AsBoolean());
    EXPECT_TRUE(Variant(int32_t{2}).AsBoolean());
    EXPECT_EQ(Variant(" 42 ").AsInteger(), 42);
    EXPECT_EQ(Variant(2.5).AsInteger(), 2);
    EXPECT_EQ(Variant(3.5f).AsLong(), 4);
    EXPECT_EQ(Variant(0.1f).AsString(), "0.1");
    EXPECT_EQ(Variant().AsString(), "");
    EXPECT_EQ(Variant().AsLong(), 0);
}

TEST(Variant, ImpossibleConversionsRaiseTypeMismatchOrOverflow) {
    EXPECT_EQ(test::ErrorNumber([] { (void)Variant("x1").AsLong(); }), err::TypeMismatch);
    EXPECT_EQ(test::ErrorNumber([] { (void)Variant(int32_t{40000}).AsInteger(); }), err::Overflow);
    EXPECT_EQ(test::ErrorNumber([] { (void)Variant(1e300).AsSingle(); }), err::Overflow);
    EXPECT_EQ(test::ErrorNumber([] { (void)Variant().AsObject(); }), err::ObjectNotSet);
    EXPECT_EQ(test::ErrorNumber([] { (void)Variant("o").AsObject(); }), err::TypeMismatch);
    EXPECT_EQ(test::ErrorNumber([] { (void)Variant::Missing().AsString(); }), err::TypeMismatch);
}

TEST(Variant, EqualityComparesNumbersByValue) {
    EXPECT_EQ(Variant(int16_t{0}), Variant(0.0f));
    EXPECT_EQ(Variant(255.0f), Variant(int32_t{255}));
    EXPECT_FALSE(Variant("0") == Variant(int32_t{0}));
    EXPECT_EQ(Variant(""), Variant(std::string()));
    EXPECT_FALSE(Variant() == Variant::Missing());
}

TEST(Variant, DisplayTextIsWhatAHostPrints) {
    EXPECT_EQ(Variant(1.5).ToDisplayText(), "1.5");
    EXPECT_EQ(Variant(true).ToDisplayText(), "True");
    EXPECT_EQ(Variant().ToDisplayText(), "");
    EXPECT_EQ(Variant(int16_t{-3}).ToDisplayText(), "-3");
}

}  // namespace
}  // namespace panelkit2
