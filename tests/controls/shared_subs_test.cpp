// Text measurement and the numeric helpers. Headless font: "a" and "b" 6 px, "c" 5 px,
// blank 3 px, "!" 2 px, any non-ASCII character 6 px.

#include "panelkit2/controls/shared_subs.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/user_control.hpp"

namespace panelkit2 {
namespace {

using namespace SharedSubs;

class SharedSubsTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }
    void TearDown() override { host::Host::Current().ResetServices(); }
    host::UserControl surface{"Surface"};
};

TEST_F(SharedSubsTest, TextWidthIsPixelExtentTimesTwipsPerPixel) {
    EXPECT_EQ(GetTextWidth(surface.hDC(), ""), 0);
    EXPECT_EQ(GetTextWidth(surface.hDC(), "abc"), 17 * 15);
    // Characters, not bytes: two three-byte characters measure as two.
    EXPECT_EQ(GetTextWidth(surface.hDC(), "\xE6\x97\xA5\xE6\x9C\xAC"), 12 * 15);
    host::Host::Current().SetTwipsPerPixel(12, 15);
    EXPECT_EQ(GetTextWidth(surface.hDC(), "abc"), 17 * 12);
}

TEST_F(SharedSubsTest, TextWidthRoundsHalvesToEvenAndReportsOverflow) {
    host::Host::Current().SetTwipsPerPixel(7.5f, 15);
    EXPECT_EQ(GetTextWidth(surface.hDC(), " "), 22);  // 22.5
    EXPECT_EQ(GetTextWidth(surface.hDC(), "c"), 38);  // 37.5
    host::Host::Current().SetTwipsPerPixel(1e9f, 15);
    try {
        GetTextWidth(surface.hDC(), "abc");
        FAIL() << "no overflow";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.Number(), err::Overflow);
    }
}

TEST_F(SharedSubsTest, MinimaKeepTheFirstArgumentOnTiesAndUnorderedValues) {
    EXPECT_EQ(MinLong(7, 3), 3);
    EXPECT_EQ(MinLong(3, 7), 3);
    EXPECT_EQ(MinLong(INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_EQ(MinSingle(2.5f, -1.0f), -1.0f);
    // Zeros of both signs compare equal: the sign tells which one came back.
    EXPECT_FALSE(std::signbit(MinSingle(0.0f, -0.0f)));
    EXPECT_TRUE(std::signbit(MinSingle(-0.0f, 0.0f)));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(std::isnan(MinSingle(nan, 1.0f)));
    EXPECT_EQ(MinSingle(1.0f, nan), 1.0f);
}

TEST_F(SharedSubsTest, DifferenceIsSymmetricAndTrailsItsOverflow) {
    EXPECT_EQ(Difference(2.5f, 4.0f), 1.5f);
    EXPECT_EQ(Difference(4.0f, 2.5f), 1.5f);
    const float big = std::numeric_limits<float>::max();
    EXPECT_EQ(Difference(big, big), 0.0f);
    try {
        Difference(big, -big);
        FAIL() << "no overflow";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.Number(), err::Overflow);
        EXPECT_EQ(e.Source(), "PanelKit2|PanelKit.SharedSubs::Difference");
    }
    EXPECT_TRUE(std::isnan(Difference(std::numeric_limits<float>::infinity(),
                                      std::numeric_limits<float>::infinity())));
}

}  // namespace
}  // namespace panelkit2
