// List: what the console script (tests/console/scripts/list.pnk) cannot see: the
// constituents' geometry, tool tips and colours, the boundaries of the widening and of the
// caption's wrapping, removal from an untouched action table, the keys saved and what a
// control holding entries loads, malformed bags, and lists on a page sharing its height
// and its column.

#include "panelkit2/choice/list.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

using test::ExpectError;
using Keys = std::vector<std::string>;

float TextTwips(std::string_view text) {
    return static_cast<float>(SharedSubs::GetTextWidth(0, text));
}

class ListTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    void Fill(std::initializer_list<const char*> items) {
        for (const char* item : items) list.AddItem(item);
    }
    void Attach(int16_t idx, std::string_view text) { list.Action(idx, text); }
    const host::ListBox& Box() { return list.Entries(); }
    float Width() { return list.Surface().Width(); }
    float Height() { return list.Surface().Height(); }

    List list;
};

// ---------------------------------------------------------------------------------------
// The blank entry, the items and the layout

TEST_F(ListTest, ANewControlHoldsOneBlankEntrySelectedUnderAHiddenCaption) {
    EXPECT_EQ(Box().ListCount(), 1);
    EXPECT_EQ(Box().ListIndex(), 0);
    // Five entries of list box under a 300 twips caption strip, 100 in from both sides.
    EXPECT_EQ(Box().Left(), 100);
    EXPECT_EQ(Box().Top(), 200);
    EXPECT_EQ(Box().Width(), 2400);
    EXPECT_EQ(Box().Height(), 1035);
    EXPECT_EQ(list.ListFrame().Width(), 2600);
    EXPECT_EQ(list.ListFrame().Height(), 1335);
    EXPECT_EQ(list.CaptionLabel().Left(), 50);
    EXPECT_EQ(list.CaptionLabel().Height(), 255);
    EXPECT_FALSE(list.CaptionLabel().Visible());
}

TEST_F(ListTest, AnEmptyFirstEntryIsTakenOverWhateverPutItThere) {
    list.Clear();
    list.AddItem("");  // creates entry 0 and selects it
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(Box().ListIndex(), 0);
    list.AddItem("Blue");
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.GetSelectedOption(), "Blue");
    list.AddItem("");  // after a real item, an empty text is an item of its own
    EXPECT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.GetSelectedOption(), "Blue");
}

TEST_F(ListTest, TheFrameGrowsWithTheListAtTheSixthItem) {
    Fill({"a", "b", "c", "d", "e"});
    EXPECT_EQ(list.ListFrame().Height(), 1335);
    list.AddItem("f");
    EXPECT_EQ(Box().Height(), 1620);
    EXPECT_EQ(list.ListFrame().Height(), 1920);
    // Any height between the two is the control's: the list box takes it less the strip.
    list.Surface().Height(1500);
    EXPECT_EQ(Box().Height(), 1200);
    EXPECT_EQ(list.ListFrame().Height(), 1500);
}

// Removing from a list whose actions were never touched works as from any other; an index
// that names no entry changes nothing.
TEST_F(ListTest, RemovingWhatIsNoEntryFailsAndChangesNothing) {
    Fill({"a", "b"});
    list.RemoveItem(0);
    EXPECT_EQ(Box().List(0), "b");
    Attach(1, "next");
    ExpectError(err::InvalidCall, "PanelKit::List.RemoveItem", [&] { list.RemoveItem(1); });
    ExpectError(err::InvalidCall, "PanelKit::List.RemoveItem", [&] { list.RemoveItem(-1); });
    EXPECT_EQ(list.ItemCount(), 1);
    int16_t next = 1;
    EXPECT_EQ(list.Action(next), "next");
}

// ---------------------------------------------------------------------------------------
// Widths, caption and colours

TEST_F(ListTest, AnItemExactly550ShortOfTheEdgeStillFits) {
    const std::string wide(20, 'W');
    list.Surface().Width(TextTwips(wide) + 550);
    list.AddItem(wide);
    EXPECT_EQ(list.DesiredWidth(), 2600);
    list.AddItem(wide + "i");
    EXPECT_EQ(Width(), TextTwips(wide + "i") + 550);
    EXPECT_EQ(Box().Width(), Width() - 200);
    EXPECT_EQ(list.DesiredWidth(), static_cast<int32_t>(Width()));
}

TEST_F(ListTest, TheCaptionIsEveryConstituentsToolTipAndShowsOnlyWithText) {
    list.SetCaption("Colour");
    EXPECT_TRUE(list.CaptionLabel().Visible());
    EXPECT_EQ(list.CaptionLabel().Width(), TextTwips("Colour"));
    for (const host::Widget* w : std::initializer_list<const host::Widget*>{
             &list.CaptionLabel(), &list.ListFrame(), &list.Entries()})
        EXPECT_EQ(w->ToolTipText(), "Colour");
    EXPECT_EQ(list.CaptionLabel().Left(), 50);  // until the next resize
    list.Surface().Width(2800);
    EXPECT_EQ(list.CaptionLabel().Left(), 100);
    // The frame's own caption is a persisted value apart from the label's text.
    EXPECT_EQ(list.ListFrame().Caption(), "");
    list.SetCaption("");
    EXPECT_FALSE(list.CaptionLabel().Visible());
    EXPECT_EQ(list.ListFrame().ToolTipText(), "");
}

TEST_F(ListTest, ACaptionTooWideForTheControlWrapsAndGetsItsWidthBackLater) {
    const std::string caption = "A caption that needs a lot more room than it gets";
    list.SetCaption(caption);
    const float natural = TextTwips(caption);
    list.Surface().Width(1500);
    EXPECT_EQ(list.CaptionLabel().Left(), 100);
    EXPECT_EQ(list.CaptionLabel().Width(), 1300);
    list.Surface().Width(natural + 500);
    EXPECT_EQ(list.CaptionLabel().Width(), natural);
    // Too narrow even for its margins: the label keeps its place.
    list.Surface().Width(150);
    EXPECT_EQ(list.CaptionLabel().Width(), natural);
    EXPECT_EQ(Box().Width(), 50);  // |150 - 200|
}

TEST_F(ListTest, ColoursGoToTheFrameAndTheListKeepsTheWindowColours) {
    list.ForeColor(0x00112233);
    list.BackColor(0x00445566);
    EXPECT_EQ(list.ListFrame().ForeColor(), 0x00112233u);
    EXPECT_EQ(list.ListFrame().BackColor(), 0x00445566u);
    EXPECT_EQ(Box().ForeColor(), host::colors::WindowText);
    EXPECT_EQ(Box().BackColor(), host::colors::Window);
    const std::vector<std::string>& changed = list.Surface().ChangedProperties();
    EXPECT_NE(std::find(changed.begin(), changed.end(), "ForeColor"), changed.end());
}

// ---------------------------------------------------------------------------------------
// Persistence

TEST_F(ListTest, ItemsAndActionsAreSavedInTheirOrder) {
    list.SetCaption("Colour");
    list.AddAction("common");
    Fill({"Red", "Green"});
    Attach(1, "green");
    list.SetSelectedOption("Green");
    list.ForeColor(0x00102030);
    const host::PropertyBag bag = list.SaveProperties();
    // The frame's caption is empty and the element height the default: not stored.
    EXPECT_EQ(bag.Keys(), (Keys{"ElementWidth", "ListWidth", "Selected", "ForeColor", "BackColor",
                                "ListItem0", "ListItem1", "Action1"}));
    EXPECT_EQ(bag.ReadProperty("ElementWidth").AsInteger(), 0);
    EXPECT_EQ(bag.ReadProperty("ListWidth").AsSingle(), 2400);
    EXPECT_EQ(bag.ReadProperty("Selected").AsString(), "Green");
    EXPECT_EQ(bag.ReadProperty("ForeColor").AsLong(), 0x00102030);
    EXPECT_EQ(bag.ReadProperty("Action1").AsString(), "green");
}

// Loading reads as many items as the control holds when it starts, through the Action
// property: a new control (the blank entry, no item) gets the first item's text and its
// actions as common ones; one holding three items gets three, actions and all.
TEST_F(ListTest, WhatALoadRestoresDependsOnWhatTheControlHolds) {
    Fill({"Red", "Green", "Blue"});
    Attach(0, "red");
    Attach(2, "blue");
    list.Selected("Blue");
    host::PropertyBag text = host::PropertyBag::LoadText(list.SaveProperties().SaveText());
    List fresh;
    fresh.LoadProperties(text);
    EXPECT_EQ(fresh.ItemCount(), 1);
    EXPECT_EQ(fresh.GetSelectedOption(), "Red");  // "Blue" was not there to select
    EXPECT_EQ(fresh.GetSelectedAction(), "red");
    int16_t first = 0;
    EXPECT_EQ(fresh.Action(first), "");
    List three;
    for (const char* item : {"x", "y", "z"}) three.AddItem(item);
    three.Selected("z");
    three.LoadProperties(text);
    EXPECT_EQ(three.Entries().List(2), "Blue");
    EXPECT_EQ(three.Selected(), "Blue");  // "Blue" came after the selection was read
    EXPECT_EQ(three.GetSelectedAction(), "blue");
    three.Selected("Red");
    EXPECT_EQ(three.GetSelectedAction(), "red");
}

TEST_F(ListTest, TheFramesCaptionAndWidthsComeBackAndColoursDefaultToBlack) {
    host::PropertyBag bag;
    bag.WriteProperty("Caption", "Frame text");
    bag.WriteProperty("ListWidth", 1000.0f);
    bag.WriteProperty("CaptionWidth", 1800.0f);
    list.BackColor(0x00FFFFFF);
    list.LoadProperties(bag);
    EXPECT_EQ(list.ListFrame().Caption(), "Frame text");
    EXPECT_EQ(list.Caption(), "");
    EXPECT_EQ(Box().Width(), 1000);
    EXPECT_EQ(list.ListFrame().Width(), 1800);
    EXPECT_EQ(list.BackColor(), 0u);
    EXPECT_EQ(list.SaveProperties().ReadProperty("Caption").AsString(), "Frame text");
    // The next resize lays the list out again.
    list.Surface().Width(2700);
    EXPECT_EQ(Box().Width(), 2500);
}

TEST_F(ListTest, MalformedPersistedValuesFailClearlyAndLeaveAUsableControl) {
    host::PropertyBag words;
    words.WriteProperty("ElementHeight", "tall");
    EXPECT_EQ(test::ErrorNumber([&] { list.LoadProperties(words); }), err::TypeMismatch);
    host::PropertyBag huge;
    huge.WriteProperty("ElementWidth", int32_t{70000});
    EXPECT_EQ(test::ErrorNumber([&] { list.LoadProperties(huge); }), err::Overflow);
    host::PropertyBag negative;
    negative.WriteProperty("ListWidth", -5.0f);
    EXPECT_EQ(test::ErrorNumber([&] { list.LoadProperties(negative); }), err::InvalidPropertyValue);
    list.Surface().Height(5000);  // the layout guard was released
    EXPECT_EQ(Height(), 1920);
}

TEST_F(ListTest, LateBoundIndexesAreWrittenBackAndCountsAreLongs) {
    ObjectRef object = LibraryClasses().Create("PanelKit2.List");
    test::Get(*object, "AddItem", "Red");
    test::Get(*object, "AddItem", "Green");
    Variant args[] = {Variant(int16_t{9})};
    EXPECT_EQ(CallByDispId(*object, 0x68030001, CallKind::GetOrMethod, args).AsString(), "");
    EXPECT_EQ(args[0].AsInteger(), 1);
    Variant let[] = {Variant(int16_t{-4}), Variant("lost")};
    CallByName(*object, "Action", CallKind::Let, let);
    EXPECT_EQ(let[0].AsInteger(), 1);
    EXPECT_EQ(CallByDispId(*object, 0x68030002, CallKind::GetOrMethod, {}).Type(), VarType::Long);
    EXPECT_EQ(CallByDispId(*object, 0x6803000d, CallKind::GetOrMethod, {}).Type(),
              VarType::Integer);
}

// ---------------------------------------------------------------------------------------
// Lists on a page: the container shares the free or missing height among them (within the
// five to nine entries a list shows) and gives them its wide column.

class ListPageTest : public ListTest {
  protected:
    List& NewList(std::initializer_list<const char*> items) {
        children.push_back(port.GetNewControl(static_cast<int16_t>(ControlID::List)));
        auto& child = dynamic_cast<List&>(*children.back());
        child.SetCaption("Pick one");
        for (const char* item : items) child.AddItem(item);
        int16_t first = 0;
        child.Action(first, items.begin()[0]);
        port.AddControl(children.back());
        return child;
    }
    static float Left(List& child) { return child.Surface().Left(); }
    static float Top(List& child) { return child.Surface().Top(); }
    static float Tall(List& child) { return child.Surface().Height(); }
    static float Wide(List& child) { return child.Surface().Width(); }

    ControlPort port;
    std::vector<ObjectRef> children;
};

TEST_F(ListPageTest, FreeHeightGoesToTheListsUpToNineEntries) {
    port.Surface().Move(0, 0, 6000, 4000);
    List& few = NewList({"a", "b", "c"});
    List& many = NewList({"1", "2", "3", "4", "5", "6", "7"});
    // From the container's template: 2820 wide; filled: 1335 and 1920 high.
    EXPECT_EQ(Wide(few), 2820);
    EXPECT_EQ(Tall(few), 1335);
    EXPECT_EQ(Tall(many), 1920);
    ASSERT_TRUE(port.Position());
    // Stack 100 + 1435 + 2020 = 3555; each list's share of the 445 free twips is 222 (half
    // to even). The short list takes it; the tall one cannot grow beyond 1920.
    EXPECT_EQ(Tall(few), 1557);
    EXPECT_EQ(few.Entries().Height(), 1257);
    EXPECT_EQ(Tall(many), 1920);
    // Restacked (3777) and centred twice: round(2000 - 3777 / 2) = 112 leaves the bottom
    // at 3689, and the second centring from there gives round(2000 - 3689 / 2) = 156; the
    // tops stand 100 below.
    EXPECT_EQ(Top(few), 256);
    EXPECT_EQ(Top(many), 256 + 1557 + 100);
    // Wide kinds take 70 % of the width, centred.
    EXPECT_EQ(Wide(few), 4200);
    EXPECT_EQ(Left(few), 900);
    EXPECT_EQ(Wide(many), 4200);
    EXPECT_EQ(Left(many), 900);
    EXPECT_EQ(few.Entries().Width(), 4000);
    EXPECT_FALSE(port.VerticalScrollBar().Visible());
    EXPECT_EQ(port.GetSelectedActions(), "a,1");
}

TEST_F(ListPageTest, MissingHeightIsTakenDownToFiveEntriesAndThenThePageScrolls) {
    port.Surface().Move(0, 0, 6000, 2500);
    List& first = NewList({"1", "2", "3", "4", "5", "6"});
    List& second = NewList({"1", "2", "3", "4", "5", "6"});
    ASSERT_TRUE(port.Position());
    // Stack 100 + 2020 + 2020 = 4140; each list would give 820, but stops at 1335.
    EXPECT_EQ(Tall(first), 1335);
    EXPECT_EQ(Tall(second), 1335);
    EXPECT_EQ(Top(first), 100);
    EXPECT_EQ(Top(second), 1535);
    // 100 + 1435 + 1435 = 2970 is taller than 2500: the scroll room of 305 is kept free.
    ASSERT_TRUE(port.VerticalScrollBar().Visible());
    EXPECT_EQ(port.VerticalScrollBar().Max(), 2970 - 2500 + 100);
    const float column = 6000 - 1800 - 305;
    EXPECT_EQ(Wide(first), column - 305);
    EXPECT_EQ(Left(first), 3000 - (column - 305) / 2);
}

TEST_F(ListPageTest, AListWiderThanTheColumnSetsIt) {
    port.Surface().Move(0, 0, 6000, 4000);
    List& narrow = NewList({"a"});
    List& wide = NewList({"An item text far wider than seventy percent of the page"});
    const int32_t desired = wide.DesiredWidth();
    ASSERT_GT(desired, 4200);
    port.Position();
    EXPECT_EQ(Wide(narrow), desired);
    EXPECT_EQ(Left(narrow), 3000 - desired / 2.0f);
    EXPECT_EQ(Wide(wide), desired);
    port.NewCanvas();
    EXPECT_EQ(narrow.ItemCount(), 0);
    EXPECT_EQ(port.GetSelectedActions(), "");
}

}  // namespace
}  // namespace panelkit2
