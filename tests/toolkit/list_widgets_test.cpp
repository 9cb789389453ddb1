#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/combo_box.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/key_codes.hpp"
#include "panelkit2/toolkit/list_box.hpp"
#include "panelkit2/toolkit/user_control.hpp"
#include "support/assertions.hpp"

namespace panelkit2::host {
namespace {

struct ComboBoxTest : ::testing::Test {
    UserControl surface{"surface"};
    ComboBox combo{&surface, "cbo"};
    std::vector<std::string> clicks;

    void SetUp() override {
        combo.Click.Connect([this] { clicks.push_back(combo.Text()); });
    }
};

TEST_F(ComboBoxTest, EntryZeroOfAnEmptyListReadsEmptyAndCanBeAssigned) {
    EXPECT_EQ(combo.List(0), "");
    EXPECT_EQ(combo.List(-1), "");
    combo.List(0, "first");
    EXPECT_EQ(combo.ListCount(), 1);
    EXPECT_EQ(combo.List(0), "first");
    EXPECT_EQ(test::ErrorNumber([&] { combo.List(-2); }), err::InvalidPropertyIndex);
    EXPECT_EQ(test::ErrorNumber([&] { combo.List(3, "x"); }), err::InvalidPropertyIndex);
    EXPECT_EQ(combo.ListCount(), 1);
}

TEST_F(ComboBoxTest, ListIndexClicksOnChangeAndFollowsItsEntry) {
    combo.AddItem("b");
    combo.AddItem("c");
    combo.ListIndex(1);
    combo.ListIndex(1);
    combo.AddItem("a", 0);
    EXPECT_EQ(combo.ListIndex(), 2);
    EXPECT_EQ(combo.Text(), "c");
    combo.RemoveItem(2);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(clicks, std::vector<std::string>{"c"});
    EXPECT_EQ(test::ErrorNumber([&] { combo.ListIndex(2); }), err::InvalidPropertyValue);
    EXPECT_EQ(test::ErrorNumber([&] { combo.AddItem("x", 5); }), err::InvalidCall);
    EXPECT_EQ(test::ErrorNumber([&] { combo.RemoveItem(2); }), err::InvalidCall);
}

TEST_F(ComboBoxTest, PickingAlwaysClicksAndClearSelectsNothingSilently) {
    combo.AddItem("a");
    combo.AddItem("b");
    combo.UserPick(1);
    combo.UserPick(1);
    EXPECT_TRUE(combo.HasFocus());
    EXPECT_EQ(test::ErrorNumber([&] { combo.UserPick(2); }), err::InvalidPropertyIndex);
    combo.Clear();
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(clicks, (std::vector<std::string>{"b", "b"}));
}

struct ListBoxTest : ::testing::Test {
    UserControl surface{"surface"};
    ListBox list{&surface, "lst"};
    std::vector<std::string> log;

    void SetUp() override {
        Host::Current().ResetServices();
        for (const char* item : {"alpha", "beta", "gamma", "beta2", "delta"}) list.AddItem(item);
        list.Click.Connect([this] { log.push_back("Click " + std::to_string(list.ListIndex())); });
        list.GotFocus.Connect([this] { log.push_back("GotFocus"); });
    }

    std::vector<int16_t> SelectedEntries() const {
        std::vector<int16_t> selected;
        for (int16_t i = 0; i < list.ListCount(); ++i)
            if (list.Selected(i)) selected.push_back(i);
        return selected;
    }
};

TEST_F(ListBoxTest, SingleSelectionFollowsSelectedAndListIndex) {
    list.Selected(2, true);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.Text(), "gamma");
    list.Selected(1, false);  // not the selected entry: nothing happens
    list.Selected(2, false);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(log, (std::vector<std::string>{"Click 2", "Click -1"}));
    EXPECT_EQ(test::ErrorNumber([&] { list.Selected(5); }), err::InvalidPropertyIndex);
    EXPECT_EQ(test::ErrorNumber([&] { list.ListIndex(-2); }), err::InvalidPropertyValue);
    EXPECT_EQ(test::ErrorNumber([&] { list.MultiSelect(3); }), err::InvalidPropertyValue);
}

// A read-only list deselects from its Click handler: a click leaves nothing selected.
TEST_F(ListBoxTest, ClickHandlerCanUndoTheSelection) {
    list.Click.Connect([this] {
        if (list.ListIndex() != -1) list.Selected(list.ListIndex(), false);
    });
    list.UserClickItem(3);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(log, (std::vector<std::string>{"GotFocus", "Click 3", "Click -1"}));
}

TEST_F(ListBoxTest, UserClickPostsTheButtonMessageBeforeFocusAndClick) {
    std::vector<int32_t> points;
    const auto id =
        Host::Current().WindowMessage.Connect([&](Hwnd hwnd, int32_t m, int32_t, int32_t l) {
            if (hwnd == list.WindowHandle() && m == msg::LeftButtonDown) {
                log.push_back("Message");
                points.push_back(l >> 16);
            }
        });
    list.Height(3 * 13 * 15);  // three rows
    list.UserClickItem(4);     // scrolled into view first: shown as the third row
    Host::Current().WindowMessage.Disconnect(id);
    EXPECT_EQ(log, (std::vector<std::string>{"Message", "GotFocus", "Click 4"}));
    EXPECT_EQ(list.TopIndex(), 2);
    EXPECT_EQ(points, std::vector<int32_t>{2 * 13 + 6});
}

TEST_F(ListBoxTest, SimpleMultipleSelectionTogglesEachClickedEntry) {
    list.MultiSelect(ListBox::SelectSimple);
    list.UserClickItem(1);
    list.UserClickItem(3);
    list.UserClickItem(1);
    EXPECT_EQ(SelectedEntries(), std::vector<int16_t>{3});
    EXPECT_EQ(list.ListIndex(), 1);  // the focused entry, selected or not
    EXPECT_EQ(list.Text(), "beta");
    list.Selected(4, true);
    EXPECT_EQ(list.ListIndex(), 4);
    list.Selected(4, true);  // no change, no Click
    EXPECT_EQ(list.SelCount(), 2);
    EXPECT_EQ(log,
              (std::vector<std::string>{"GotFocus", "Click 1", "Click 3", "Click 1", "Click 4"}));
}

TEST_F(ListBoxTest, ExtendedSelectionWithCtrlAndShift) {
    list.MultiSelect(ListBox::SelectExtended);
    list.UserClickItem(1);
    list.UserClickItem(3, key::ShiftMask);
    EXPECT_EQ(SelectedEntries(), (std::vector<int16_t>{1, 2, 3}));
    list.UserClickItem(0, key::CtrlMask);
    EXPECT_EQ(SelectedEntries(), (std::vector<int16_t>{0, 1, 2, 3}));
    list.UserClickItem(4);
    EXPECT_EQ(SelectedEntries(), std::vector<int16_t>{4});
    list.MultiSelect(ListBox::SelectSingle);
    EXPECT_EQ(SelectedEntries(), std::vector<int16_t>{4});
}

// Shift extends from the anchor (the focused entry when nothing was clicked), Ctrl moves
// the focus alone and Ctrl+Space toggles the focused entry; a plain key selects one entry.
TEST_F(ListBoxTest, ExtendedSelectionByKeys) {
    list.MultiSelect(ListBox::SelectExtended);
    list.Selected(1, true);
    list.UserKeyDown(key::Down, key::ShiftMask);
    list.UserKeyDown(key::Down, key::ShiftMask);
    EXPECT_EQ(SelectedEntries(), (std::vector<int16_t>{1, 2, 3}));
    list.UserKeyDown(key::Home, key::ShiftMask);
    EXPECT_EQ(SelectedEntries(), (std::vector<int16_t>{0, 1}));
    list.UserKeyDown(key::End, key::CtrlMask);
    EXPECT_EQ(list.ListIndex(), 4);
    EXPECT_EQ(SelectedEntries(), (std::vector<int16_t>{0, 1}));
    list.UserKeyDown(key::Space, key::CtrlMask);
    list.UserClickItem(2, key::CtrlMask);
    EXPECT_EQ(SelectedEntries(), (std::vector<int16_t>{0, 1, 2, 4}));
    list.UserClickItem(3, key::ShiftMask);  // from the entry last toggled
    EXPECT_EQ(SelectedEntries(), (std::vector<int16_t>{2, 3}));
    list.UserKeyDown(key::Up);
    EXPECT_EQ(SelectedEntries(), std::vector<int16_t>{2});
}

TEST_F(ListBoxTest, KeyboardMovesTheSelection) {
    list.SetFocus();
    log.clear();
    list.UserKeyPress('b');
    list.UserKeyPress('B');
    list.UserKeyDown(key::Up);
    list.UserKeyDown(key::End);
    list.UserKeyDown(key::Down);  // already at the end
    EXPECT_EQ(log, (std::vector<std::string>{"Click 1", "Click 3", "Click 2", "Click 4"}));
    list.KeyPress.Connect([](int16_t& k) { k = 0; });
    list.UserKeyPress('a');
    EXPECT_EQ(list.ListIndex(), 4);
}

TEST_F(ListBoxTest, EditingKeepsSelectionFlagsAndDataWithTheirEntries) {
    list.MultiSelect(ListBox::SelectSimple);
    list.Selected(2, true);
    list.ItemData(2, 42);
    list.AddItem("first", 0);
    EXPECT_EQ(SelectedEntries(), std::vector<int16_t>{3});
    EXPECT_EQ(list.ItemData(3), 42);
    list.RemoveItem(0);
    EXPECT_EQ(list.ListIndex(), 2);
    list.HorizontalExtent(300);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.HorizontalExtent(), 300);
    EXPECT_EQ(test::ErrorNumber([&] { list.ItemData(0); }), err::InvalidPropertyIndex);
    EXPECT_EQ(test::ErrorNumber([&] { list.TopIndex(1); }), err::InvalidPropertyValue);
}

}  // namespace
}  // namespace panelkit2::host
