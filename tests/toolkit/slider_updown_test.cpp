// Slider (track bar) and UpDown (spin buttons): ranges, user input and event order.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/slider.hpp"
#include "panelkit2/toolkit/up_down.hpp"
#include "support/assertions.hpp"

namespace panelkit2::host {
namespace {

using Recorder = test::EventRecorder;

using Seen = std::vector<std::string>;

Variant Call(Dispatchable& object, std::string_view name, std::vector<Variant> args = {}) {
    return CallByName(object, name, CallKind::GetOrMethod, args);
}

void Let(Dispatchable& object, std::string_view name, Variant value) {
    CallByName(object, name, CallKind::Let, Args(&value, 1));
}

class SliderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Host::Current().ResetServices();
        slider.Move(0, 0, 1000, 300);
        slider.Advise(recorder);
    }
    Slider slider;
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
};

TEST_F(SliderTest, ValueStaysInRangeAndAChangingAssignmentRaisesChange) {
    Let(slider, "Value", int32_t{7});
    Let(slider, "Value", int32_t{7});
    Let(slider, "Value", int32_t{50});
    EXPECT_EQ(slider.Value(), 10);
    Let(slider, "Value", "-3");
    EXPECT_EQ(Call(slider, "Value").AsLong(), 0);
    EXPECT_EQ(recorder->Take(), (Seen{"Change", "Change", "Change"}));
    EXPECT_EQ(test::ErrorNumber([&] { Let(slider, "Value", 3e10); }), 6);
    EXPECT_EQ(slider.Value(), 0);
}

TEST_F(SliderTest, RangeEndsMayMeetButNotCross) {
    slider.Value(8);
    recorder->Take();
    Let(slider, "Max", int32_t{5});
    EXPECT_EQ(slider.Value(), 5);  // dragged along, silently
    EXPECT_EQ(test::ErrorNumber([&] { Let(slider, "Min", int32_t{6}); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { slider.Max(-1); }), 380);
    EXPECT_EQ(slider.Min(), 0);
    EXPECT_EQ(slider.Max(), 5);
    slider.Min(5);
    EXPECT_EQ(slider.Value(), 5);
    slider.Max(1000);
    slider.Min(-1000);
    EXPECT_TRUE(recorder->seen.empty());
    EXPECT_EQ(test::ErrorNumber([&] { slider.SmallChange(-1); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { Let(slider, "LargeChange", int32_t{-5}); }), 380);
}

TEST_F(SliderTest, DragReportsDownScrollsUpThenChange) {
    slider.UserDragTo(3);
    slider.UserDragTo(3);
    slider.UserDragTo(99);
    EXPECT_TRUE(slider.HasFocus());
    EXPECT_TRUE(slider.Dragging());
    slider.UserRelease();
    EXPECT_EQ(recorder->Take(),
              (Seen{"MouseDown 1,0,0,150", "Scroll", "Scroll", "MouseUp 1,0,1000,150", "Change"}));
    EXPECT_EQ(slider.Value(), 10);
    slider.UserRelease();  // nothing held
    slider.UserDragTo(2);
    slider.UserDragTo(10);
    slider.UserRelease();  // back where it began: no Change
    EXPECT_EQ(recorder->Take(),
              (Seen{"MouseDown 1,0,1000,150", "Scroll", "Scroll", "MouseUp 1,0,1000,150"}));
}

TEST_F(SliderTest, ChangeHandlerThatSnapsSettlesAfterOneMoreChange) {
    int changes = 0;
    slider.Change.Connect([&] {
        ++changes;
        slider.Value(slider.Value() / 5 * 5);
    });
    slider.UserDragTo(7);
    slider.UserRelease();
    EXPECT_EQ(slider.Value(), 5);
    EXPECT_EQ(changes, 2);
}

TEST_F(SliderTest, KeysStepBySmallAndLargeChangeAndStopAtTheEnds) {
    slider.LargeChange(4);
    slider.UserKey(Slider::KeyRight);
    slider.UserKey(Slider::KeyPageDown);
    EXPECT_EQ(slider.Value(), 5);
    slider.UserKey(Slider::KeyEnd);
    slider.UserKey(Slider::KeyDown);  // already at Max
    slider.UserKey(65);               // not a track key
    EXPECT_EQ(recorder->Take(), (Seen{"Scroll", "Change", "Scroll", "Change", "Scroll", "Change"}));
    slider.UserKey(Slider::KeyPageUp);
    slider.UserKey(Slider::KeyLeft);
    EXPECT_EQ(slider.Value(), 5);
    slider.Min(std::numeric_limits<int32_t>::min());
    slider.SmallChange(std::numeric_limits<int32_t>::max());
    slider.UserKey(Slider::KeyUp);
    slider.UserKey(Slider::KeyUp);
    EXPECT_EQ(slider.Value(), std::numeric_limits<int32_t>::min());
}

TEST_F(SliderTest, DisabledOrHiddenTrackIgnoresTheUser) {
    slider.Enabled(false);
    slider.UserDragTo(5);
    slider.UserKey(Slider::KeyRight);
    slider.Enabled(true);
    slider.Visible(false);
    slider.UserDragTo(5);
    EXPECT_EQ(slider.Value(), 0);
    EXPECT_TRUE(recorder->seen.empty());
}

TEST_F(SliderTest, TickCountCoversBothEnds) {
    EXPECT_EQ(slider.TickCount(), 11);
    slider.TickFrequency(3);  // 0 3 6 9 10
    EXPECT_EQ(Call(slider, "TickCount").AsDouble(), 5);
    slider.TickFrequency(0);
    EXPECT_EQ(slider.TickCount(), 2);
    slider.Max(1000);
    slider.TickFrequency(2000);
    EXPECT_EQ(slider.TickCount(), 2);
    slider.TickFrequency(500);
    EXPECT_EQ(slider.TickCount(), 3);
    slider.Max(0);
    EXPECT_EQ(slider.TickCount(), 1);
    slider.Min(std::numeric_limits<int32_t>::min());
    slider.Max(std::numeric_limits<int32_t>::max());
    slider.TickFrequency(1);
    EXPECT_EQ(slider.TickCount(), int64_t{1} << 32);
}

TEST_F(SliderTest, TextAndExtenderMembersAnswerLateBound) {
    Let(slider, "Text", "Fast");
    EXPECT_EQ(slider.Text(), "Fast");
    Let(slider, "TabStop", false);
    EXPECT_FALSE(slider.TabStop());
    Let(slider, "Enabled", false);
    EXPECT_FALSE(slider.Enabled());
    Call(slider, "Move", {int32_t{300}, int32_t{240}, int32_t{2900}});
    EXPECT_FLOAT_EQ(slider.Width(), 2900);
    Call(slider, "SetFocus");
    EXPECT_TRUE(slider.HasFocus());
    Call(slider, "Refresh");
    EXPECT_EQ(slider.RefreshCount(), 1);
    EXPECT_EQ(CallByDispId(slider, slider_id::Value, CallKind::GetOrMethod, {}).Type(),
              VarType::Long);
}

// A stand-in for the text box the spin buttons step.
class UpDownTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Host::Current().ResetServices();
        updown.Advise(recorder);
    }
    void AttachBuddy() {
        updown.SetBuddy(
            &buddy, [this] { return text; }, [this](const std::string& t) { text = t; });
        Let(updown, "BuddyProperty", "Text");
    }
    Widget buddy{WidgetKind::TextBox, nullptr, "txtNumber"};
    std::string text;
    UpDown updown;
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
};

TEST_F(UpDownTest, ButtonsStepTheBuddyTextWithinTheRange) {
    AttachBuddy();
    Let(updown, "Min", int32_t{-2});
    Let(updown, "Max", int32_t{3});
    text = "2";
    updown.UserUp();
    EXPECT_EQ(text, "3");
    updown.UserUp();
    EXPECT_EQ(text, "3");
    EXPECT_EQ(recorder->Take(), (Seen{"Change", "UpClick", "UpClick"}));
    text = "1.5kg";  // read leniently
    updown.UserDown();
    EXPECT_EQ(text, "0.5");
    text = "-40";  // outside: comes back in
    updown.UserUp();
    EXPECT_EQ(text, "-2");
    text = "1e999";  // beyond a Double: stepped from Value
    updown.UserDown();
    EXPECT_EQ(text, "-2");
    EXPECT_EQ(updown.Value(), -2);
}

TEST_F(UpDownTest, WithoutBuddyTheButtonsStepValueOnly) {
    Let(updown, "Min", 0.5f);
    Let(updown, "Max", 1.5f);
    Let(updown, "Increment", 0.25f);
    EXPECT_EQ(updown.Value(), 0.5);  // dragged into the new range
    updown.UserUp();
    updown.UserUp();
    updown.UserDown();
    EXPECT_DOUBLE_EQ(Call(updown, "Value").AsDouble(), 0.75);
    EXPECT_EQ(recorder->Take(),
              (Seen{"Change", "UpClick", "Change", "UpClick", "Change", "DownClick"}));
    EXPECT_EQ(Call(updown, "Max").AsSingle(), 1.5f);
}

TEST_F(UpDownTest, ReversedRangeTurnsTheButtonsRound) {
    updown.Min(10);
    updown.Max(0);
    updown.Value(5);
    updown.UserUp();
    EXPECT_EQ(updown.Value(), 4);
    updown.Value(-5);
    EXPECT_EQ(updown.Value(), 0);
}

TEST_F(UpDownTest, InvalidSettingsAreRefusedAndChangeNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(test::ErrorNumber([&] { updown.Increment(0); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { Let(updown, "Increment", int32_t{-1}); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { updown.Increment(nan); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { updown.Min(nan); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { updown.Max(std::numeric_limits<double>::infinity()); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { updown.Value(nan); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { Let(updown, "BuddyProperty", "Caption"); }), 380);
    EXPECT_EQ(test::ErrorNumber([&] { Let(updown, "Min", "low"); }), 13);
    EXPECT_EQ(updown.Increment(), 1);
    EXPECT_EQ(updown.Min(), 0);
    EXPECT_EQ(updown.Max(), 10);
}

TEST_F(UpDownTest, DestroyedBuddyIsForgotten) {
    auto shortLived = std::make_unique<Widget>(WidgetKind::TextBox, nullptr, "txt");
    int writes = 0;
    updown.SetBuddy(
        shortLived.get(), [] { return std::string("4"); }, [&](const std::string&) { ++writes; });
    EXPECT_EQ(updown.BuddyControl(), shortLived.get());
    shortLived.reset();
    EXPECT_EQ(updown.BuddyControl(), nullptr);
    updown.UserUp();
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(updown.Value(), 1);
    // Spin buttons that go first leave nothing behind to run when their buddy goes.
    Widget buddyOfTheGone{WidgetKind::TextBox, nullptr, "txtOther"};
    {
        UpDown gone;
        gone.SetBuddy(
            &buddyOfTheGone, [] { return std::string(); }, [](const std::string&) {});
        updown.SetBuddy(
            &buddyOfTheGone, [] { return std::string("2"); },
            [&](const std::string&) { ++writes; });
    }
    updown.UserUp();
    EXPECT_EQ(writes, 1);
}

TEST_F(UpDownTest, DisabledButtonsDoNothing) {
    AttachBuddy();
    text = "1";
    updown.Enabled(false);
    updown.UserUp();
    EXPECT_EQ(text, "1");
    EXPECT_TRUE(recorder->seen.empty());
}

}  // namespace
}  // namespace panelkit2::host
