// MultiList: what the console script (tests/console/scripts/multilist.pnk) cannot see: the
// caption label it leaves alone, the boundary of the widening and what a control holding
// entries loads.

#include "panelkit2/choice/multi_list.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2 {
namespace {

class MultiListTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    std::vector<int16_t> Flagged() {
        std::vector<int16_t> selected;
        for (int16_t j = 0; j < list.ItemCount(); ++j)
            if (list.Entries().Selected(j)) selected.push_back(j);
        return selected;
    }

    MultiList list;
};

// ---------------------------------------------------------------------------------------
// The caption label and the widening

TEST_F(MultiListTest, TheCaptionLabelKeepsItsVisibilityUntilTheNextResize) {
    list.SetCaption("Parts");
    EXPECT_TRUE(list.CaptionLabel().Visible());
    list.SetCaption("");
    EXPECT_TRUE(list.CaptionLabel().Visible());
    EXPECT_EQ(list.ListFrame().ToolTipText(), "");
    list.Surface().Width(2700);
    EXPECT_FALSE(list.CaptionLabel().Visible());
}

TEST_F(MultiListTest, AnItemExactly250ShortOfTheEdgeStillFits) {
    const std::string wide(30, 'W');
    const auto textWidth = static_cast<float>(SharedSubs::GetTextWidth(0, wide));
    list.Surface().Width(textWidth + 250);
    list.AddItem(wide);
    EXPECT_EQ(list.Surface().Width(), textWidth + 250);
    list.AddItem(wide + "i");
    EXPECT_GT(list.Surface().Width(), textWidth + 250);
    EXPECT_EQ(list.DesiredWidth(), 2600);
}

// ---------------------------------------------------------------------------------------
// Persistence

// The caption goes straight into the label; the saved selection is added to what the
// control holds before the items are read, then the colours come back, BackColor first.
TEST_F(MultiListTest, ALoadAddsToTheSelectionOfTheEntriesTheControlHolds) {
    host::PropertyBag bag;
    bag.WriteProperty("Caption", "A caption far wider than the control it is loaded into");
    bag.WriteProperty("Selected", " \"x|z\" ");
    bag.WriteProperty("ForeColor", int32_t{0x112233});
    bag.WriteProperty("ListItem0", "first");
    bag.WriteProperty("ListItem2", "third");
    for (const char* item : {"x", "y", "z"}) list.AddItem(item);
    list.SetSelectedOption("y");
    const size_t before = list.Surface().ChangedProperties().size();
    list.LoadProperties(bag);
    EXPECT_EQ(list.Caption(), "A caption far wider than the control it is loaded into");
    EXPECT_EQ(list.CaptionLabel().ToolTipText(), "");
    EXPECT_EQ(list.Surface().Width(), 2600);
    EXPECT_EQ(Flagged(), (std::vector<int16_t>{0, 1, 2}));
    EXPECT_EQ(list.GetSelectedOption(), "first||third");
    EXPECT_EQ(list.ForeColor(), 0x112233u);
    EXPECT_EQ(list.BackColor(), 0u);
    const std::vector<std::string>& changed = list.Surface().ChangedProperties();
    const auto back = std::find(changed.begin() + static_cast<long>(before), changed.end(),
                                std::string("BackColor"));
    EXPECT_LT(back, std::find(back, changed.end(), std::string("ForeColor")));
}

}  // namespace
}  // namespace panelkit2
