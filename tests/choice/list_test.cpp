// List: the blank entry and items, actions by position, selection by text, removal, widths
// and the layout in twips, colours, persistence, errors and late binding, and lists on a
// page sharing its height and its column.

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
#include "panelkit2/toolkit/key_codes.hpp"
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
    std::string ActionOf(int16_t idx) { return list.Action(idx); }
    void Attach(int16_t idx, std::string_view text) { list.Action(idx, text); }
    const host::ListBox& Box() { return list.Entries(); }
    float Width() { return list.Surface().Width(); }
    float Height() { return list.Surface().Height(); }

    List list;
};

// ---------------------------------------------------------------------------------------
// The blank entry and the items

TEST_F(ListTest, ANewControlHoldsOneBlankEntrySelected) {
    EXPECT_EQ(list.CtlID(), 4);
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_FALSE(list.IsEmpty());
    EXPECT_TRUE(list.Show());
    EXPECT_EQ(Box().ListIndex(), 0);
    EXPECT_EQ(list.GetSelectedOption(), "");
    EXPECT_EQ(list.GetSelectedAction(), "");
    EXPECT_EQ(list.DesiredWidth(), 2600);
    EXPECT_EQ(list.ElementHeight(), 1);
    EXPECT_EQ(list.ElementWidth(), 0);
    // Five entries of list box under a 300 twips caption strip, 100 in from both sides.
    EXPECT_EQ(Width(), 2600);
    EXPECT_EQ(Height(), 1335);
    EXPECT_EQ(Box().Left(), 100);
    EXPECT_EQ(Box().Top(), 200);
    EXPECT_EQ(list.Right(), 2500);
    EXPECT_EQ(list.Bottom(), 1235);
    EXPECT_EQ(list.ListFrame().Width(), 2600);
    EXPECT_EQ(list.ListFrame().Height(), 1335);
    EXPECT_EQ(list.CaptionLabel().Left(), 50);
    EXPECT_EQ(list.CaptionLabel().Height(), 255);
    EXPECT_FALSE(list.CaptionLabel().Visible());
}

TEST_F(ListTest, TheFirstItemTakesTheBlankEntryAndLaterOnesAppend) {
    list.AddItem("Red");
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.GetSelectedOption(), "Red");
    list.AddOption("Green");
    EXPECT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(Box().ListIndex(), 0);  // appended unselected
    EXPECT_EQ(Box().List(1), "Green");
}

TEST_F(ListTest, AnEmptyFirstEntryIsTakenOverWhateverPutItThere) {
    list.Clear();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(list.Show());
    EXPECT_EQ(list.GetSelectedOption(), "");
    list.AddItem("");  // creates entry 0 and selects it
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(Box().ListIndex(), 0);
    list.AddItem("Blue");
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.GetSelectedOption(), "Blue");
    list.AddItem("");  // after a real item, an empty text is an item of its own
    EXPECT_EQ(list.ItemCount(), 2);
}

TEST_F(ListTest, TheListGrowsFromFiveShownEntriesToNineAtTheSixthItem) {
    Fill({"a", "b", "c", "d", "e"});
    EXPECT_EQ(Box().Height(), 1035);
    EXPECT_EQ(Height(), 1335);
    EXPECT_EQ(list.ListFrame().Height(), 1335);
    list.AddItem("f");
    EXPECT_EQ(Box().Height(), 1620);
    EXPECT_EQ(Height(), 1920);
    EXPECT_EQ(list.ListFrame().Height(), 1920);
    EXPECT_EQ(list.Bottom(), 1820);
    list.AddItem("g");
    EXPECT_EQ(Height(), 1920);
}

// ---------------------------------------------------------------------------------------
// Actions by position

TEST_F(ListTest, ActionsBeforeAnyItemAreCommonAndComeFirst) {
    list.AddAction("c");
    int16_t far = 40;
    list.Action(far, "d");  // no item yet: the index is not looked at
    list.AddItem("a");
    list.AddAction("x");
    list.AddAction("y");
    list.AddItem("b");
    EXPECT_EQ(ActionOf(0), "x,y");
    EXPECT_EQ(list.GetSelectedAction(), "c,d,x,y");
    list.Selected("b");  // no actions of its own
    EXPECT_EQ(list.GetSelectedAction(), "c,d");
    EXPECT_EQ(far, 40);
}

TEST_F(ListTest, ThePositionAfterTheLastItemHoldsTheNextItemsActions) {
    Fill({"a", "b"});
    Attach(2, "next");
    EXPECT_EQ(ActionOf(2), "next");
    list.AddItem("c");
    list.SetSelectedOption("c");
    EXPECT_EQ(list.GetSelectedAction(), "next");
    EXPECT_EQ(ActionOf(3), "");
}

TEST_F(ListTest, PositionsOutsideTheTableEndQuietlyWithTheLastItemsPosition) {
    Fill({"a", "b"});
    int16_t idx = 5;
    EXPECT_EQ(list.Action(idx), "");
    EXPECT_EQ(idx, 1);
    idx = -1;
    list.Action(idx, "lost");
    EXPECT_EQ(idx, 1);
    idx = 4;
    list.Action(idx, "lost");
    EXPECT_EQ(list.GetSelectedAction(), "");
    for (int16_t i = 0; i <= 2; ++i) EXPECT_EQ(ActionOf(i), "");
}

// ---------------------------------------------------------------------------------------
// Selection by text

TEST_F(ListTest, SelectedTakesTheLastEqualEntryAndSetSelectedOptionTheFirst) {
    Fill({"same", "other", "same"});
    Attach(0, "first");
    Attach(2, "third");
    list.Selected("same");
    EXPECT_EQ(Box().ListIndex(), 2);
    EXPECT_EQ(list.GetSelectedAction(), "third");
    list.SetSelectedOption("same");
    EXPECT_EQ(Box().ListIndex(), 0);
    EXPECT_EQ(list.Selected(), "same");
    EXPECT_EQ(list.GetSelectedAction(), "first");
    // Exact comparison; a text that matches nothing changes nothing.
    list.Selected("OTHER");
    list.SetSelectedOption("missing");
    EXPECT_EQ(Box().ListIndex(), 0);
    list.Selected("other");
    EXPECT_EQ(list.GetSelectedOption(), "other");
}

TEST_F(ListTest, TheUserPicksWithTheMouseAndTheKeys) {
    Fill({"alpha", "beta", "gamma", "delta"});
    for (int16_t i = 0; i < 4; ++i) Attach(i, "act" + std::to_string(i));
    list.Entries().UserClickItem(2);
    EXPECT_EQ(list.GetSelectedOption(), "gamma");
    EXPECT_EQ(list.GetSelectedAction(), "act2");
    list.Entries().UserKeyDown(host::key::Up);
    EXPECT_EQ(list.GetSelectedOption(), "beta");
    list.Entries().UserKeyDown(host::key::End);
    EXPECT_EQ(list.GetSelectedAction(), "act3");
    list.Entries().UserKeyPress('a');
    EXPECT_EQ(list.GetSelectedOption(), "alpha");
}

// ---------------------------------------------------------------------------------------
// Removal

TEST_F(ListTest, RemovingAnItemMovesTheLaterActionsUp) {
    Fill({"a", "b", "c"});
    Attach(1, "b");
    Attach(2, "c");
    Attach(3, "next");
    list.RemoveItem(1);
    EXPECT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(Box().List(1), "c");
    EXPECT_EQ(ActionOf(1), "c");
    EXPECT_EQ(ActionOf(2), "next");
    // Removing the selected entry leaves nothing selected.
    list.RemoveItem(0);
    EXPECT_EQ(Box().ListIndex(), -1);
    EXPECT_EQ(list.GetSelectedOption(), "");
    EXPECT_EQ(ActionOf(0), "c");
}

TEST_F(ListTest, RemovingWhatIsNoEntryFailsAndChangesNothing) {
    Fill({"a", "b"});  // no action touched yet
    list.RemoveItem(0);
    EXPECT_EQ(Box().List(0), "b");
    ExpectError(err::InvalidCall, "PanelKit::List.RemoveItem", [&] { list.RemoveItem(1); });
    ExpectError(err::InvalidCall, "PanelKit::List.RemoveItem", [&] { list.RemoveItem(-1); });
    EXPECT_EQ(list.ItemCount(), 1);
}

// ---------------------------------------------------------------------------------------
// Widths, caption and layout

TEST_F(ListTest, AWideItemWidensTheControlAndItsDesiredWidthNarrowOnesNever) {
    const std::string wide(20, 'W');
    list.AddItem("short");
    EXPECT_EQ(Width(), 2600);
    list.AddItem(wide);
    const float widened = TextTwips(wide) + 550;
    EXPECT_EQ(Width(), widened);
    EXPECT_EQ(list.DesiredWidth(), static_cast<int32_t>(widened));
    EXPECT_EQ(Box().Width(), widened - 200);
    list.AddItem("x");
    EXPECT_EQ(Width(), widened);
    // Exactly 550 short of the edge is still wide enough.
    List fits;
    fits.Surface().Width(TextTwips(wide) + 550);
    fits.AddItem(wide);
    EXPECT_EQ(fits.DesiredWidth(), 2600);
}

TEST_F(ListTest, ACaptionWidensForItselfAndItsWidthBecomesTheDesiredOne) {
    list.SetCaption("Colour");
    EXPECT_EQ(list.Caption(), "Colour");
    EXPECT_TRUE(list.CaptionLabel().Visible());
    EXPECT_EQ(list.CaptionLabel().Width(), TextTwips("Colour"));
    for (const host::Widget* w : std::initializer_list<const host::Widget*>{
             &list.CaptionLabel(), &list.ListFrame(), &list.Entries()})
        EXPECT_EQ(w->ToolTipText(), "Colour");
    EXPECT_EQ(Width(), 2600);
    list.Surface().Width(2800);
    EXPECT_EQ(list.CaptionLabel().Left(), 100);  // placed by the resize
    list.AddCaption("Another");
    EXPECT_EQ(list.DesiredWidth(), 2800);  // the control's width, even for a short caption

    const std::string wide(20, 'W');
    list.SetCaption(wide);
    EXPECT_EQ(Width(), TextTwips(wide) + 300);
    EXPECT_EQ(list.DesiredWidth(), static_cast<int32_t>(TextTwips(wide) + 300));
    // The frame's own caption is a persisted value apart from the label's text.
    EXPECT_EQ(list.ListFrame().Caption(), "");

    list.SetCaption("");
    EXPECT_FALSE(list.CaptionLabel().Visible());
    EXPECT_EQ(list.Caption(), "");
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

TEST_F(ListTest, TheHeightStaysBetweenFiveAndNineEntriesOfList) {
    list.Surface().Height(100);
    EXPECT_EQ(Height(), 1335);
    EXPECT_EQ(Box().Height(), 1035);
    list.Surface().Height(5000);
    EXPECT_EQ(Height(), 1920);
    EXPECT_EQ(Box().Height(), 1620);
    list.Surface().Height(1500);
    EXPECT_EQ(Box().Height(), 1200);
    EXPECT_EQ(list.ListFrame().Height(), 1500);
    list.Surface().Width(3000);
    EXPECT_EQ(Box().Width(), 2800);
    EXPECT_EQ(list.ListFrame().Width(), 3000);
    EXPECT_EQ(list.Right(), 2900);
}

TEST_F(ListTest, ElementSizesAreStoredAndTheHeightFitsTheControlToItsList) {
    list.Surface().Height(1500);
    list.Entries().Height(1100);  // as a host reaching inside might leave it
    list.ElementHeight(0);
    EXPECT_EQ(list.ElementHeight(), 1);
    EXPECT_EQ(Height(), 1400);
    list.ElementHeight(-7);
    EXPECT_EQ(list.ElementHeight(), -7);
    list.ElementWidth(0);
    EXPECT_EQ(list.ElementWidth(), 2600);
    list.ElementWidth(123);
    EXPECT_EQ(list.ElementWidth(), 123);
    EXPECT_EQ(Width(), 2600);
    const std::vector<std::string>& changed = list.Surface().ChangedProperties();
    EXPECT_NE(std::find(changed.begin(), changed.end(), "ElementWidth"), changed.end());
}

TEST_F(ListTest, ColoursGoToTheFrameAndTheListKeepsTheWindowColours) {
    list.ForeColor(0x00112233);
    list.BackColor(0x00445566);
    EXPECT_EQ(list.ForeColor(), 0x00112233u);
    EXPECT_EQ(list.ListFrame().ForeColor(), 0x00112233u);
    EXPECT_EQ(list.ListFrame().BackColor(), 0x00445566u);
    EXPECT_EQ(Box().ForeColor(), host::colors::WindowText);
    EXPECT_EQ(Box().BackColor(), host::colors::Window);
}

TEST_F(ListTest, ClearEmptiesTheListButKeepsTheControlsSize) {
    list.SetCaption(std::string(20, 'W'));
    list.AddAction("c");
    Fill({"a", "b", "c", "d", "e", "f"});
    list.AddAction("f");
    const float wide = Width();
    list.Clear();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.Caption(), "");
    EXPECT_EQ(list.DesiredWidth(), 2600);
    EXPECT_EQ(list.GetSelectedAction(), "");
    EXPECT_EQ(Width(), wide);
    EXPECT_EQ(Height(), 1920);
    list.AddAction("again");  // no item: a common action again
    list.AddItem("a");
    EXPECT_EQ(list.GetSelectedAction(), "again");
    EXPECT_EQ(ActionOf(1), "");
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

// Loading reads as many items as the control holds when it starts: a new control holds
// its blank entry, so the first item's text comes back, and its actions, read through the
// Action property before any item was added, become common ones.
TEST_F(ListTest, ANewControlLoadsOnlyTheFirstItemAndItsActionsBecomeCommon) {
    Fill({"Red", "Green", "Blue"});
    Attach(0, "red");
    Attach(2, "blue");
    list.Selected("Blue");
    list.ElementHeight(7);
    host::PropertyBag text = host::PropertyBag::LoadText(list.SaveProperties().SaveText());
    List loaded;
    loaded.LoadProperties(text);
    EXPECT_EQ(loaded.ItemCount(), 1);
    EXPECT_EQ(loaded.Entries().List(0), "Red");
    EXPECT_EQ(loaded.GetSelectedOption(), "Red");  // "Blue" was not there to select
    EXPECT_EQ(loaded.GetSelectedAction(), "red");
    int16_t first = 0;
    EXPECT_EQ(loaded.Action(first), "");
    EXPECT_EQ(loaded.ElementHeight(), 7);
    EXPECT_EQ(loaded.ElementWidth(), 2600);
    // A control that holds three entries reads three.
    List three;
    for (const char* item : {"x", "y", "z"}) three.AddItem(item);
    three.Selected("z");
    three.LoadProperties(text);
    EXPECT_EQ(three.Entries().List(2), "Blue");
    EXPECT_EQ(three.Selected(), "Blue");  // "Blue" came after the selection was read
    EXPECT_EQ(three.GetSelectedAction(), "blue");
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

// ---------------------------------------------------------------------------------------
// Late binding and bad host input

TEST_F(ListTest, LateBoundCallsConvertAndWriteTheirIndexesBack) {
    ObjectRef object = LibraryClasses().Create("PanelKit2.List");
    test::Get(*object, "AddItem", "Red");
    test::Get(*object, "AddItem", "Green");
    Variant args[] = {Variant(int16_t{9})};
    EXPECT_EQ(CallByDispId(*object, 0x68030001, CallKind::GetOrMethod, args).AsString(), "");
    EXPECT_EQ(args[0].AsInteger(), 1);
    test::Let(*object, "Action", 1, "green");
    test::Let(*object, "Selected", "Green");
    EXPECT_EQ(test::Get(*object, "GetSelectedAction").AsString(), "green");
    EXPECT_EQ(CallByDispId(*object, 0x68030002, CallKind::GetOrMethod, {}).Type(), VarType::Long);
    EXPECT_EQ(test::Get(*object, "IsEmpty").AsLong(), 0);
    EXPECT_EQ(test::Get(*object, "Show").AsLong(), -1);
    ExpectError(err::TypeMismatch, "", [&] { test::Get(*object, "RemoveItem", "first"); });
    ExpectError(err::Overflow, "", [&] { test::Get(*object, "RemoveItem", 40000); });
    ExpectError(err::InvalidCall, "PanelKit::List.RemoveItem",
                [&] { test::Get(*object, "RemoveItem", 7); });
    ExpectError(err::Overflow, "", [&] { test::Let(*object, "ElementHeight", 99999); });
    ExpectError(err::InvalidPropertyValue, "", [&] { test::Let(*object, "Width", -10); });
    // A width beyond a Long is laid out, and its right edge cannot be told.
    test::Let(*object, "Width", 3e38);
    ExpectError(err::Overflow, "", [&] { test::Get(*object, "Right"); });
    EXPECT_EQ(test::Get(*object, "Bottom").AsLong(), 1235);
    EXPECT_EQ(test::Get(*object, "GetSelectedOption").AsString(), "Green");
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
