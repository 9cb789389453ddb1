// Keyboard choice on option button groups and drop-down lists, as a view forwards it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panelkit2/toolkit/combo_box.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/key_codes.hpp"
#include "panelkit2/toolkit/option_button.hpp"
#include "panelkit2/toolkit/user_control.hpp"

namespace panelkit2::host {
namespace {

struct OptionKeysTest : ::testing::Test {
    UserControl surface{"surface"};
    Frame group{&surface, "fra"};
    OptionButton a{&group, "a"}, b{&group, "b"}, c{&group, "c"};
    // A button of another group, beside the frame.
    OptionButton outside{&surface, "x"};
    std::vector<std::string> clicks;

    void SetUp() override {
        for (OptionButton* button : {&a, &b, &c, &outside})
            button->Click.Connect([this, button] { clicks.push_back(button->Name()); });
        a.Value(true);
        outside.Value(true);
        clicks.clear();
    }
    std::string Selected() const {
        for (const OptionButton* button : {&a, &b, &c})
            if (button->Value()) return button->Name();
        return "";
    }
};

TEST_F(OptionKeysTest, ArrowsMoveTheSelectionAroundTheGroupAndClick) {
    a.UserKeyDown(key::Down);
    EXPECT_EQ(Selected(), "b");
    EXPECT_TRUE(b.HasFocus());
    b.UserKeyDown(key::Right);
    c.UserKeyDown(key::Down);  // wraps to the first
    EXPECT_EQ(Selected(), "a");
    a.UserKeyDown(key::Up);  // and back to the last
    c.UserKeyDown(key::Left);
    EXPECT_EQ(Selected(), "b");
    EXPECT_EQ(clicks, (std::vector<std::string>{"b", "c", "a", "c", "b"}));
    EXPECT_TRUE(outside.Value());
}

TEST_F(OptionKeysTest, TabOrderLeadsAndButtonsOutOfReachAreSkipped) {
    a.TabIndex(2);
    b.TabIndex(0);
    c.TabIndex(1);
    a.UserKeyDown(key::Down);  // a is last in tab order: on to b
    EXPECT_EQ(Selected(), "b");
    c.Enabled(false);
    b.UserKeyDown(key::Down);
    EXPECT_EQ(Selected(), "a");
    c.Enabled(true);
    c.Visible(false);
    a.UserKeyDown(key::Up);
    EXPECT_EQ(Selected(), "b");
    EXPECT_EQ(clicks, (std::vector<std::string>{"b", "a", "b"}));
}

TEST_F(OptionKeysTest, OtherKeysAndConsumedKeysLeaveTheSelection) {
    std::vector<int16_t> seen;
    a.KeyDown.Connect([&](int16_t& code, int16_t shift) {
        seen.push_back(static_cast<int16_t>(code + shift * 1000));
        if (code == key::Right) code = 0;
    });
    a.UserKeyDown(key::Home);
    a.UserKeyDown(key::Right, key::ShiftMask);
    EXPECT_EQ(seen, (std::vector<int16_t>{key::Home, key::Right + 1000}));
    EXPECT_EQ(Selected(), "a");
    EXPECT_TRUE(clicks.empty());
    // A lone button has nowhere to go.
    outside.UserKeyDown(key::Down);
    EXPECT_TRUE(outside.Value());
    EXPECT_TRUE(clicks.empty());
    // Nor does a group out of reach.
    group.Enabled(false);
    a.UserKeyDown(key::Down);
    EXPECT_EQ(Selected(), "a");
}

struct ComboKeysTest : ::testing::Test {
    UserControl surface{"surface"};
    ComboBox combo{&surface, "cbo"};
    std::vector<std::string> events;

    void SetUp() override {
        for (const char* entry : {"one", "two", "three"}) combo.AddItem(entry);
        combo.Click.Connect([this] { events.push_back("click:" + combo.Text()); });
        combo.DropDown.Connect([this] { events.push_back("open"); });
    }
};

TEST_F(ComboKeysTest, StepsClickOnlyWhenTheEntryChanges) {
    combo.UserKeyDown(key::Up);  // nothing above "no entry"
    combo.UserKeyDown(key::Down);
    combo.UserKeyDown(key::End);
    combo.UserKeyDown(key::Down);  // stays on the last
    combo.UserKeyDown(key::Up);
    combo.UserKeyDown(key::Home);
    combo.UserKeyDown(key::Home);
    EXPECT_EQ(events,
              (std::vector<std::string>{"click:one", "click:three", "click:two", "click:one"}));
}

TEST_F(ComboKeysTest, AltDownAndF4OpenWithoutChangingTheEntry) {
    combo.ListIndex(1);
    events.clear();
    combo.UserKeyDown(key::Down, ComboBox::AltMask);
    combo.UserKeyDown(ComboBox::KeyF4);
    combo.UserKeyDown(key::Up, ComboBox::AltMask);
    combo.UserDropDown();
    EXPECT_EQ(events, (std::vector<std::string>{"open", "open", "open", "open"}));
    EXPECT_EQ(combo.ListIndex(), 1);
}

TEST_F(ComboKeysTest, ConsumedKeysDisabledListsAndEmptyListsDoNothing) {
    combo.KeyDown.Connect([](int16_t& code, int16_t) {
        if (code == key::Down) code = 0;
    });
    combo.UserKeyDown(key::Down);
    EXPECT_TRUE(events.empty());
    combo.Enabled(false);
    combo.UserKeyDown(key::End);
    combo.UserDropDown();
    EXPECT_TRUE(events.empty());
    combo.Enabled(true);
    combo.Clear();
    combo.UserKeyDown(key::End);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace panelkit2::host
