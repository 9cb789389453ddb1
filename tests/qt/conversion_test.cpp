// The conversions between the model's terms and Qt's: twips and pixels, colours, text
// positions.

#include <gtest/gtest.h>

#include <QApplication>
#include <cmath>
#include <limits>

#include "qt/color_resolver.hpp"
#include "qt/pixel_scale.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {
namespace {

TEST(PixelScale, RoundsTwipsToThePixelGrid) {
    const PixelScale scale(15, 12);
    EXPECT_EQ(scale.X(255), 17);
    EXPECT_EQ(scale.X(22.5f), 2);  // 1.5 rounds away from zero
    EXPECT_EQ(scale.Y(255), 21);   // 21.25
    EXPECT_EQ(scale.X(-30), -2);   // children may sit left of their parent
    EXPECT_EQ(scale.Width(-30), 0);
    EXPECT_FLOAT_EQ(scale.TwipsX(17), 255);
    EXPECT_FLOAT_EQ(scale.TwipsY(3), 36);
}

TEST(PixelScale, OutlandishGeometryStaysWithinWhatQtAccepts) {
    const PixelScale scale(15, 15);
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(scale.X(std::nanf("")), 0);
    EXPECT_EQ(scale.X(inf), 0);
    EXPECT_EQ(scale.X(3e38f), PixelScale::kLimit);
    EXPECT_EQ(scale.Y(-3e38f), -PixelScale::kLimit);
    EXPECT_EQ(scale.Height(3e38f), PixelScale::kLimit);
    // A broken factor falls back to 96 dpi instead of dividing by zero.
    EXPECT_EQ(PixelScale(0, std::nanf("")).X(150), 10);
    EXPECT_EQ(PixelScale(-1, inf).Y(150), 10);
}

TEST(ColorResolver, ExplicitColoursAreBlueGreenRed) {
    const ColorResolver colors(QApplication::palette());
    EXPECT_EQ(colors.Resolve(0x00C0FFFF), QColor(255, 255, 192));
    EXPECT_EQ(colors.Resolve(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(colors.Resolve(0x00FF0000), QColor(0, 0, 255));
    // Bits above the colour itself are ignored.
    EXPECT_EQ(colors.Resolve(0x7F00FF00), QColor(0, 255, 0));
}

TEST(ColorResolver, SystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    palette.setColor(QPalette::Base, QColor(7, 8, 9));
    palette.setColor(QPalette::Text, QColor(10, 11, 12));
    palette.setColor(QPalette::Window, QColor(13, 14, 15));
    palette.setColor(QPalette::ToolTipBase, QColor(16, 17, 18));
    const ColorResolver colors(palette);
    EXPECT_EQ(colors.Resolve(host::colors::ButtonFace), QColor(1, 2, 3));
    EXPECT_EQ(colors.Resolve(host::colors::ButtonText), QColor(4, 5, 6));
    EXPECT_EQ(colors.Resolve(host::colors::Window), QColor(7, 8, 9));
    EXPECT_EQ(colors.Resolve(host::colors::WindowText), QColor(10, 11, 12));
    EXPECT_EQ(colors.Resolve(0x80000018), QColor(16, 17, 18));  // tool tip background
    // An index the window system does not have reads as the window colour.
    EXPECT_EQ(colors.Resolve(0x800000FE), QColor(13, 14, 15));
    EXPECT_EQ(colors.Resolve(0xFFFFFFFF), QColor(13, 14, 15));
}

TEST(TextPositions, CountsCharactersWhereQtCountsUtf16Units) {
    // "a", e-acute (2 bytes), G clef (4 bytes, a surrogate pair in Qt), "b".
    const TextPositions text(
        "a\xC3\xA9\xF0\x9D\x84\x9E"
        "b",
        false);
    EXPECT_EQ(text.Shown().size(), 5);
    EXPECT_EQ(text.ToQt(0), 0);
    EXPECT_EQ(text.ToQt(2), 2);
    EXPECT_EQ(text.ToQt(3), 4);
    EXPECT_EQ(text.ToQt(4), 5);
    EXPECT_EQ(text.ToModel(4), 3);
    // Inside the pair: the position after the character.
    EXPECT_EQ(text.ToModel(3), 3);
    // Out of range on both sides: the ends.
    EXPECT_EQ(text.ToQt(-7), 0);
    EXPECT_EQ(text.ToQt(99), 5);
    EXPECT_EQ(text.ToModel(99), 4);
    EXPECT_EQ(text.ToModel(-1), 0);
}

TEST(TextPositions, StrayBytesAreOneCharacterEach) {
    // A lone continuation byte, a truncated sequence, an overlong slash, a surrogate.
    const TextPositions text("\x80x\xE2\x82 \xC0\xAF\xED\xA0\x80", false);
    EXPECT_EQ(text.Shown(),
              QString::fromUtf16(u"\uFFFDx\uFFFD\uFFFD \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"));
    EXPECT_EQ(text.ToQt(4), 4);
    EXPECT_EQ(TextPositions::ToQString("plain"), QStringLiteral("plain"));
    EXPECT_EQ(TextPositions::ToQString("\xC3\xA9"), QString(QChar(0xE9)));
}

TEST(TextPositions, MultiLineEditorsShowCrLfAsOneBreak) {
    const TextPositions text("ab\r\ncd", true);
    EXPECT_EQ(text.Shown(), QStringLiteral("ab\ncd"));
    EXPECT_EQ(text.ToQt(2), 2);  // before "\r"
    EXPECT_EQ(text.ToQt(3), 2);  // between "\r" and "\n"
    EXPECT_EQ(text.ToQt(4), 3);  // start of the next line
    EXPECT_EQ(text.ToModel(3), 4);
    EXPECT_EQ(text.ToModel(2), 2);
    // A lone "\r" is kept.
    EXPECT_EQ(TextPositions("a\rb", true).Shown(), QStringLiteral("a\rb"));
    EXPECT_EQ(TextPositions("ab\r\ncd", false).Shown().size(), 6);
}

}  // namespace
}  // namespace panelkit2::qt
