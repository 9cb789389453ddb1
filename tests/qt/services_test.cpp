// The host services the view puts in place: timers on the Qt event loop and text metrics
// of the font the widgets draw with.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <memory>
#include <vector>

#include "qt/qt_clock.hpp"
#include "qt/qt_text_metrics.hpp"

namespace panelkit2::qt {
namespace {

TEST(QtClock, TimersTickOnTheEventLoopUntilStopped) {
    QtClock clock;
    std::vector<char> ticks;
    host::TimerId fast = 0;
    fast = clock.StartTimer(5, [&] {
        ticks.push_back('f');
        // A tick may stop its own timer.
        if (ticks.size() == 3) clock.StopTimer(fast);
    });
    const int64_t start = clock.NowMs();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= 3; }, 10000));
    EXPECT_EQ(clock.ActiveTimers(), 0u);
    EXPECT_GE(clock.NowMs(), start);
    // Stopped means stopped, even with events still queued.
    QTest::qWait(30);
    EXPECT_EQ(ticks.size(), 3u);
    clock.StopTimer(fast);
    clock.StopTimer(12345);
}

TEST(QtClock, TimersDieWithTheirClock) {
    int ticks = 0;
    auto clock = std::make_unique<QtClock>();
    clock->StartTimer(1, [&] { ++ticks; });
    clock->StartTimer(0, [&] { ++ticks; });  // no interval: as often as allowed
    clock.reset();
    QTest::qWait(20);
    EXPECT_EQ(ticks, 0);
}

TEST(QtTextMetrics, MeasuresWhatTheWidgetsShow) {
    const QFont font = QApplication::font();
    const QFontMetrics expected(font);
    const QtTextMetrics metrics(font);
    EXPECT_EQ(metrics.TextWidthPixels("Next >"), expected.horizontalAdvance("Next >"));
    EXPECT_EQ(metrics.TextWidthPixels("na\xC3\xAFve"),
              expected.horizontalAdvance(QString::fromUtf8("na\xC3\xAFve")));
    // A stray byte is measured as the replacement character the widgets draw for it.
    EXPECT_EQ(metrics.TextWidthPixels("a\xFF"),
              expected.horizontalAdvance(QString("a") + QChar(QChar::ReplacementCharacter)));
    EXPECT_EQ(metrics.TextWidthPixels(""), 0);
    EXPECT_EQ(metrics.LineHeightPixels(), expected.lineSpacing());
    EXPECT_GT(metrics.LineHeightPixels(), 0);
}

}  // namespace
}  // namespace panelkit2::qt
