#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/check_box.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/list_box.hpp"
#include "panelkit2/toolkit/timer.hpp"
#include "panelkit2/toolkit/user_control.hpp"
#include "panelkit2/toolkit/vscroll_bar.hpp"
#include "panelkit2/toolkit/widget_array.hpp"
#include "support/assertions.hpp"

namespace panelkit2::host {
namespace {

TEST(WidgetArrayTest, ElementZeroExistsFromTheStart) {
    UserControl surface("surface");
    WidgetArray<Label> labels(&surface, "lbl");
    EXPECT_EQ(labels.Count(), 1);
    EXPECT_EQ(labels.LBound(), 0);
    EXPECT_EQ(labels.UBound(), 0);
    EXPECT_EQ(labels[0].Index(), 0);
    EXPECT_EQ(labels[0].Name(), "lbl");
    EXPECT_EQ(labels[0].Parent(), &surface);
    EXPECT_TRUE(labels[0].Visible());
}

TEST(WidgetArrayTest, LoadCopiesElementZeroAndStartsInvisible) {
    UserControl surface("surface");
    WidgetArray<ListBox> lists(&surface, "lst");
    ListBox& first = lists[0];
    first.Move(100, 200, 300, 400);
    first.Tag("design");
    first.ToolTipText("tip");
    first.MultiSelect(ListBox::SelectSimple);
    first.AddItem("a");
    first.AddItem("b");
    first.Selected(1, true);
    ListBox& loaded = lists.Load(3);
    EXPECT_EQ(loaded.Index(), 3);
    EXPECT_FALSE(loaded.Visible());
    EXPECT_EQ(loaded.Top(), 200);
    EXPECT_EQ(loaded.Height(), 400);
    EXPECT_EQ(loaded.Tag(), "design");
    EXPECT_EQ(loaded.ToolTipText(), "tip");
    EXPECT_EQ(loaded.MultiSelect(), ListBox::SelectSimple);
    EXPECT_EQ(loaded.List(1), "b");
    EXPECT_FALSE(loaded.Selected(1));  // run-time state stays behind
    EXPECT_EQ(loaded.ListIndex(), -1);
}

TEST(WidgetArrayTest, LoadedElementsKeepTheirKindsDesignValues) {
    Host::Current().ResetServices();
    UserControl surface("surface");
    WidgetArray<CheckBox> boxes(&surface, "chk");
    boxes[0].Caption("Option");
    boxes[0].Value(CheckBox::Grayed);
    EXPECT_EQ(boxes.Load(1).Caption(), "Option");
    EXPECT_EQ(boxes[1].Value(), CheckBox::Grayed);

    WidgetArray<VScrollBar> bars(&surface, "vsb");
    bars[0].Min(10);
    bars[0].Max(-10);
    bars[0].Value(-5);
    bars[0].LargeChange(4);
    VScrollBar& bar = bars.Load(1);
    EXPECT_EQ(bar.Min(), 10);
    EXPECT_EQ(bar.Max(), -10);
    EXPECT_EQ(bar.Value(), -5);
    EXPECT_EQ(bar.LargeChange(), 4);

    WidgetArray<Timer> timers(&surface, "tmr");
    timers[0].Interval(100);
    timers[0].Enabled(false);
    timers.Load(1);
    EXPECT_FALSE(timers[1].Running());
    EXPECT_EQ(timers[1].Interval(), 100);
}

TEST(WidgetArrayTest, LoadAndUnloadReportBadIndices) {
    UserControl surface("surface");
    WidgetArray<Label> labels(&surface, "lbl");
    labels.Load(2);
    EXPECT_EQ(test::Caught([&] { labels.Load(2); }).Number(), err::AlreadyLoaded);
    EXPECT_EQ(test::Caught([&] { labels.Load(0); }).Number(), err::AlreadyLoaded);
    EXPECT_EQ(test::Caught([&] { labels.Load(-1); }).Number(), err::InvalidCall);
    EXPECT_EQ(test::Caught([&] { labels.Load(40000); }).Number(), err::Overflow);
    EXPECT_EQ(test::Caught([&] { labels.Unload(0); }).Number(), err::CannotUnload);
    const AutomationError missing = test::Caught([&] { labels.Item(1); });
    EXPECT_EQ(missing.Number(), err::NoSuchElement);
    EXPECT_EQ(missing.Description(), "Control array element '1' doesn't exist");
    EXPECT_EQ(test::Caught([&] { labels.Unload(1); }).Number(), err::NoSuchElement);
    EXPECT_FALSE(labels.Exists(-70000));
    EXPECT_EQ(labels.Count(), 2);
    EXPECT_EQ(labels.UBound(), 2);
}

TEST(WidgetArrayTest, UnloadDestroysTheElementAndItsWindow) {
    UserControl surface("surface");
    WidgetArray<Label> labels(&surface, "lbl");
    const Hwnd hwnd = labels.Load(1).WindowHandle();
    labels.Unload(1);
    EXPECT_EQ(Host::Current().FromHandle(hwnd), nullptr);
    EXPECT_EQ(surface.Children().size(), 1u);
    labels.Load(1);  // the index is free again
    EXPECT_TRUE(labels.Exists(1));
}

TEST(WidgetArrayTest, IterationVisitsElementsInIndexOrder) {
    UserControl surface("surface");
    WidgetArray<Label> labels(&surface, "lbl");
    for (int index : {5, 1, 3}) labels.Load(index);
    std::vector<int16_t> order;
    for (Label& label : labels) order.push_back(label.Index());
    EXPECT_EQ(order, (std::vector<int16_t>{0, 1, 3, 5}));
}

TEST(WidgetArrayTest, AnElementCannotBeUnloadedFromItsOwnEvent) {
    UserControl surface("surface");
    WidgetArray<CheckBox> boxes(&surface, "chk");
    boxes.Load(1);
    boxes.Load(2);
    int32_t failure = 0;
    boxes[1].Click.Connect([&] {
        failure = test::Caught([&] { boxes.Unload(1); }).Number();
        boxes.Unload(2);  // another element may go
    });
    boxes[1].Value(1);
    EXPECT_EQ(failure, err::CannotUnloadHere);
    EXPECT_TRUE(boxes.Exists(1));
    EXPECT_FALSE(boxes.Exists(2));
    boxes.Unload(1);  // once the event is over
    EXPECT_EQ(boxes.Count(), 1);
}

}  // namespace
}  // namespace panelkit2::host
