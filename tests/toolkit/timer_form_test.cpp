#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/form.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/timer.hpp"
#include "panelkit2/toolkit/user_control.hpp"

namespace panelkit2::host {
namespace {

struct TimerTest : ::testing::Test {
    UserControl surface{"surface"};
    std::unique_ptr<Timer> timer;
    std::vector<int64_t> ticks;

    void SetUp() override {
        Host::Current().ResetServices();
        timer = std::make_unique<Timer>(&surface, "tmr");
        timer->Tick.Connect([this] { ticks.push_back(Clock().NowMs()); });
    }
    VirtualClock& Clock() { return *Host::Current().TheVirtualClock(); }
};

TEST_F(TimerTest, TicksEveryIntervalOfVirtualTime) {
    timer->Interval(100);
    Clock().Advance(350);
    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 200, 300}));
}

TEST_F(TimerTest, SwitchingOnOrChangingTheIntervalCountsFromNow) {
    timer->Interval(100);
    Clock().Advance(50);
    timer->Enabled(false);
    Clock().Advance(500);
    timer->Enabled(true);  // at 550
    Clock().Advance(120);
    timer->Interval(40);  // at 670
    Clock().Advance(90);
    EXPECT_EQ(ticks, (std::vector<int64_t>{650, 710, 750}));
    timer->Interval(0);
    Clock().Advance(1000);
    EXPECT_EQ(ticks.size(), 3u);
    EXPECT_FALSE(timer->Running());
}

TEST_F(TimerTest, TickHandlerCanSwitchTheTimerOff) {
    timer->Tick.Connect([this] { timer->Enabled(false); });
    timer->Interval(2500);
    Clock().Advance(10000);
    EXPECT_EQ(ticks, std::vector<int64_t>{2500});
}

TEST_F(TimerTest, IntervalOutsideTheRangeIsRefusedAndDestructionStops) {
    for (int32_t bad : {-1, 65536}) {
        try {
            timer->Interval(bad);
            ADD_FAILURE() << bad;
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.Number(), err::InvalidPropertyValue);
        }
    }
    timer->Interval(65535);
    EXPECT_EQ(Clock().ActiveTimers(), 1u);
    timer.reset();
    EXPECT_EQ(Clock().ActiveTimers(), 0u);
}

struct FormTest : ::testing::Test {
    Form form{"frm"};
    TextBox inside1{&form, "in1"};
    TextBox inside2{&form, "in2"};
    UserControl elsewhere{"other"};
    TextBox outside{&elsewhere, "out"};
    int lostFocus = 0;

    void SetUp() override {
        Host::Current().Focus(nullptr);
        form.LostFocus.Connect([this] { ++lostFocus; });
    }
};

TEST_F(FormTest, StartsHiddenAndShowActivatesIt) {
    EXPECT_FALSE(form.Visible());
    form.Show();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.HasFocus());
    EXPECT_TRUE(form.Active());
}

TEST_F(FormTest, LosesTheFocusOnlyWhenItLeavesTheForm) {
    form.Show();
    inside1.SetFocus();
    EXPECT_EQ(lostFocus, 1);  // the form itself held the focus, as any widget would
    inside2.SetFocus();
    EXPECT_EQ(lostFocus, 1);
    outside.SetFocus();
    EXPECT_EQ(lostFocus, 2);
    EXPECT_FALSE(form.Active());
    form.UserClick();
    outside.SetFocus();
    EXPECT_EQ(lostFocus, 3);  // once, not once per notification
}

TEST_F(FormTest, LostFocusComesBeforeTheNewWidgetsGotFocus) {
    std::vector<std::string> order;
    form.LostFocus.Connect([&] { order.push_back("form LostFocus"); });
    outside.GotFocus.Connect([&] { order.push_back("outside GotFocus"); });
    form.Show();
    inside1.SetFocus();
    order.clear();
    outside.SetFocus();
    EXPECT_EQ(order, (std::vector<std::string>{"form LostFocus", "outside GotFocus"}));
}

TEST_F(FormTest, HidingTheFormTakesTheFocusAway) {
    form.Show();
    inside2.SetFocus();
    form.Hide();
    EXPECT_EQ(Host::Current().Focused(), nullptr);
    EXPECT_EQ(lostFocus, 2);
}

TEST_F(FormTest, UserMoveReportsTheWindowMessage) {
    std::vector<Hwnd> moved;
    const auto id =
        Host::Current().WindowMessage.Connect([&](Hwnd hwnd, int32_t m, int32_t, int32_t) {
            if (m == msg::Move) moved.push_back(hwnd);
        });
    form.Show();
    form.UserMoveTo(300, 600);
    Host::Current().WindowMessage.Disconnect(id);
    EXPECT_EQ(moved, std::vector<Hwnd>{form.WindowHandle()});
    EXPECT_EQ(form.Left(), 300);
    EXPECT_EQ(form.Top(), 600);
}

}  // namespace
}  // namespace panelkit2::host
