// Combo: items and selection, the two-dimensional action table, the element stack and its
// layout in twips, quiet ends and errors, persistence, late binding, a page in a port.

#include "panelkit2/choice/combo.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/choice/check.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"
#include "support/caption_width.hpp"

namespace panelkit2 {
namespace {

using test::CaptionTwips;
using test::ExpectError;

class ComboTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    const host::ComboBox& List(int16_t idx) { return combo.Lists()[idx]; }
    const host::WrapLabel& Label(int16_t idx) { return combo.CaptionLabels()[idx]; }
    std::string ActionOf(int16_t idx, int16_t item) { return combo.Action(idx, item); }
    void Attach(int16_t idx, int16_t item, std::string_view text) { combo.Action(idx, item, text); }

    Combo combo;
};

TEST_F(ComboTest, ANewControlIsOneEmptyElement) {
    EXPECT_EQ(combo.CtlID(), 1);
    EXPECT_EQ(combo.ArrayCount(), 1);
    EXPECT_TRUE(combo.IsEmpty());
    EXPECT_FALSE(combo.Show());
    EXPECT_EQ(combo.GetSelectedOption(), "");
    EXPECT_EQ(combo.GetSelectedAction(), "");
    EXPECT_EQ(combo.DesiredWidth(), 2600);
    EXPECT_EQ(combo.Surface().Width(), 2600);
    EXPECT_EQ(combo.Surface().Height(), 255 + 50);  // the measured rows, not Paint's guess
    EXPECT_EQ(combo.Right(0), 2600);
    EXPECT_FALSE(Label(0).Visible());
    // No records yet: the action table ends quietly and reports its last record.
    int16_t idx = 5, item = 0;
    EXPECT_EQ(combo.Action(idx, item), "");
    EXPECT_EQ(idx, 0);
}

TEST_F(ComboTest, TheFirstItemIsSelectedAndLaterOnesAppended) {
    combo.AddOption("Red");
    combo.AddOption("Green with a long name");
    EXPECT_EQ(combo.ItemCount(0), 2);
    EXPECT_EQ(combo.GetSelectedOption(), "Red");
    EXPECT_TRUE(combo.Show());
    EXPECT_FALSE(combo.IsEmpty());
    // Only appended items count towards the widest item.
    EXPECT_EQ(combo.FieldWidth(), CaptionTwips("Green with a long name") + 300);
    int16_t idx = 0;
    combo.Selected(idx, "green with a long name");  // exact comparison
    EXPECT_EQ(combo.Selected(idx), "Red");
    combo.Selected(idx, "Green with a long name");
    EXPECT_EQ(combo.Selected(idx), "Green with a long name");
}

TEST_F(ComboTest, AnEmptyFirstEntryIsReplacedAndSelected) {
    combo.AddOption("");
    EXPECT_EQ(combo.ItemCount(0), 1);
    combo.AddOption("Blue");
    EXPECT_EQ(combo.ItemCount(0), 1);
    EXPECT_EQ(combo.GetSelectedOption(), "Blue");
}

TEST_F(ComboTest, ActionsJoinCommonFirstThenOnePerElement) {
    combo.Clear();
    combo.AddAction("c");
    combo.ArrayCount(2);
    EXPECT_EQ(combo.GetSelectedAction(), "c");
    combo.AddItem(0, "Red");
    combo.AddItem(1, "Large");
    Attach(0, 0, "x");
    Attach(1, 0, "y");
    Attach(1, 0, "z");  // same pair: one record, a longer list
    EXPECT_EQ(ActionOf(1, 0), "y,z");
    EXPECT_EQ(combo.GetSelectedAction(), "c,x,y,z");
    EXPECT_EQ(combo.GetSelectedOption(), "Red|Large");
}

TEST_F(ComboTest, AddActionGoesToTheLastItemOfTheLastElementOrItemMinusOne) {
    combo.Clear();
    combo.ArrayCount(2);
    combo.AddItem(0, "Red");
    combo.AddAction("before any item");  // element 1 has no item: item -1
    EXPECT_EQ(ActionOf(1, -1), "before any item");
    EXPECT_EQ(ActionOf(0, 0), "");
    // An element without a selection answers with its item -1 actions; a leading empty
    // answer vanishes.
    EXPECT_EQ(combo.GetSelectedAction(), "before any item");
    Attach(0, 0, "red");
    EXPECT_EQ(combo.GetSelectedAction(), "red,before any item");
    combo.AddOption("Small");
    combo.AddAction("small");
    EXPECT_EQ(combo.GetSelectedAction(), "red,small");
}

// A new element starts empty: its first entry fills entry 0 and is selected, and an action
// attached before it goes to item -1.
TEST_F(ComboTest, NewElementsStartWithAnEmptyList) {
    combo.AddOption("Red");
    combo.ArrayCount(2);
    EXPECT_EQ(combo.ItemCount(1), 0);
    EXPECT_EQ(List(1).ListIndex(), -1);
    combo.AddOption("Small");
    EXPECT_EQ(List(1).ListIndex(), 0);
    EXPECT_EQ(combo.GetSelectedOption(), "Red|Small");
}

TEST_F(ComboTest, RecordsAreMatchedByValueAndAfterClearStartAtRecordZero) {
    combo.AddOption("Red");
    Attach(3, 7, "far");  // no such element: the table does not care
    Attach(0, 0, "near");
    EXPECT_EQ(ActionOf(3, 7), "far");
    EXPECT_EQ(ActionOf(0, 0), "near");
    combo.Clear();
    combo.AddOption("Red");
    Attach(0, 0, "again");  // lands in the empty record 0 Clear left behind
    EXPECT_EQ(combo.GetSelectedAction(), "again");
    EXPECT_EQ(ActionOf(3, 7), "");
}

TEST_F(ComboTest, SelectionByTextReachesEveryElementHoldingIt) {
    combo.ArrayCount(3);
    for (int16_t i = 0; i < 3; ++i) combo.AddItem(i, "none");
    combo.AddItem(0, "Same");
    combo.AddItem(2, "Same");
    combo.AddItem(2, "Same");
    combo.SetSelectedOption("Same");
    EXPECT_EQ(List(0).ListIndex(), 1);
    EXPECT_EQ(List(1).ListIndex(), 0);  // does not hold it: keeps its selection
    EXPECT_EQ(List(2).ListIndex(), 2);  // the last equal item wins
    EXPECT_EQ(combo.GetSelectedOption(), "Same|none|Same");
}

TEST_F(ComboTest, LeadingEmptyTextsVanishLaterOnesLeaveEmptyFields) {
    combo.ArrayCount(4);
    combo.AddItem(1, "a");
    combo.AddItem(3, "b");
    EXPECT_EQ(combo.GetSelectedOption(), "a||b");
}

TEST_F(ComboTest, SelectedOutsideTheElementsEndsQuietlyWithTheHighestIndex) {
    combo.ArrayCount(2);
    combo.AddItem(1, "x");
    int16_t idx = 9;
    EXPECT_EQ(combo.Selected(idx), "");
    EXPECT_EQ(idx, 1);
    idx = -3;
    combo.Selected(idx, "x");
    EXPECT_EQ(idx, 1);
    EXPECT_EQ(combo.GetSelectedOption(), "x");
}

TEST_F(ComboTest, AMissingElementFailsUnderTheMembersOwnSource) {
    ExpectError(err::NoSuchElement, "PanelKit::Combo.ItemCount", [&] { combo.ItemCount(1); });
    ExpectError(err::NoSuchElement, "PanelKit::Combo.AddItem", [&] { combo.AddItem(-1, "x"); });
    ExpectError(err::NoSuchElement, "PanelKit::Combo.Caption(Let)", [&] { combo.Caption(4, "x"); });
    ExpectError(err::NoSuchElement, "PanelKit::Combo.Caption(Get)", [&] { combo.Caption(4); });
    ExpectError(err::NoSuchElement, "PanelKit::Combo.Bottom(Get)", [&] { combo.Bottom(2); });
    ExpectError(err::NoSuchElement, "PanelKit::Combo.Right(Get)", [&] { combo.Right(2); });
}

TEST_F(ComboTest, TheElementStackSpacesElementsAndRepaintsOnlyOnChange) {
    combo.ArrayCount(3);
    EXPECT_EQ(List(1).Top(), 305);
    EXPECT_EQ(List(2).Top(), 610);
    EXPECT_EQ(Label(2).Top(), 610);
    EXPECT_FALSE(Label(1).Visible());
    EXPECT_TRUE(List(2).Visible());
    EXPECT_EQ(combo.Surface().Height(), 3 * 305);
    EXPECT_EQ(combo.Bottom(2), 610 + 255);
    const int32_t refreshes = combo.Surface().RefreshCount();
    const size_t notes = combo.Surface().ChangedProperties().size();
    combo.ArrayCount(3);
    EXPECT_EQ(combo.Surface().RefreshCount(), refreshes);
    EXPECT_EQ(combo.Surface().ChangedProperties().size(), notes);
    combo.ArrayCount(1);
    EXPECT_FALSE(combo.Lists().Exists(1));
    EXPECT_FALSE(combo.CaptionLabels().Exists(2));
}

TEST_F(ComboTest, ElementHeightSpacesOnlyElementsCreatedLater) {
    combo.ArrayCount(2);
    combo.ElementHeight(400);
    EXPECT_EQ(List(1).Top(), 305);  // moved by the height in force before
    combo.ArrayCount(3);
    EXPECT_EQ(List(2).Top(), 305 + 450);
    combo.ElementHeight(0);
    EXPECT_EQ(combo.ElementHeight(), 255);
    combo.ElementWidth(0);
    EXPECT_EQ(combo.ElementWidth(), 2600);
}

TEST_F(ComboTest, ImpossibleCountsFailAndLeaveAUsableControl) {
    combo.ArrayCount(3);
    // Element 0 cannot go: the two others are gone and the count says so.
    ExpectError(err::CannotUnload, "PanelKit::Combo.ArrayCount(Let)", [&] { combo.ArrayCount(0); });
    EXPECT_EQ(combo.ArrayCount(), 1);
    ExpectError(err::Overflow, "PanelKit::Combo.ArrayCount(Let)",
                [&] { combo.ArrayCount(-32768); });
    // 108 elements need more height than 16 bits hold; the elements stay.
    ExpectError(err::Overflow, "PanelKit::Combo.ArrayCount(Let)", [&] { combo.ArrayCount(108); });
    EXPECT_EQ(combo.ArrayCount(), 108);
    combo.Clear();
    EXPECT_EQ(combo.ArrayCount(), 1);
    combo.AddOption("fine");
    EXPECT_EQ(combo.GetSelectedOption(), "fine");
}

TEST_F(ComboTest, ACaptionSetsTheColumnsAndTheDesiredWidth) {
    const float label = CaptionTwips("Colour");
    combo.SetCaption("Colour");
    EXPECT_EQ(combo.Caption(0), "Colour");
    EXPECT_TRUE(Label(0).Visible());
    EXPECT_EQ(Label(0).ToolTipText(), "Colour");
    const float width = label + 2600;
    EXPECT_EQ(combo.Surface().Width(), width);
    EXPECT_EQ(combo.DesiredWidth(), static_cast<int32_t>(width));
    // The list takes what the caption column (label + 250) leaves, 100 short of the edge;
    // the caption ends 100 before it.
    const float field = width - (label + 250);
    EXPECT_EQ(List(0).Left(), width - field + 50);
    EXPECT_EQ(List(0).Width(), field - 150);
    EXPECT_EQ(Label(0).Left() + Label(0).Width(), width - field - 50);
    EXPECT_EQ(combo.CaptionWidth(), static_cast<int16_t>(label + 100));
    combo.Caption(0, "");
    EXPECT_EQ(combo.Caption(0), "Colour");
    EXPECT_EQ(combo.DesiredWidth(), static_cast<int32_t>(width));
}

TEST_F(ComboTest, ImposedWidthsLayOutTheRowsAndOverflowIn16Bits) {
    combo.SetCaption("Size");
    combo.FieldWidth(0);  // only stores
    const float before = combo.Surface().Width();
    EXPECT_EQ(combo.Surface().Width(), before);
    combo.CaptionWidth(1000);
    combo.FieldWidth(2000);
    EXPECT_EQ(combo.Surface().Width(), 3000);
    EXPECT_EQ(List(0).Left(), 1050);
    EXPECT_EQ(List(0).Width(), 1850);
    // 30000 + 5000 does not fit an Integer: the control keeps its width.
    combo.FieldWidth(30000);
    ExpectError(err::Overflow, "", [&] { combo.CaptionWidth(5000); });
    EXPECT_EQ(combo.Surface().Width(), 31000);
    ExpectError(err::Overflow, "PanelKit::Combo.AddItem",
                [&] { combo.AddItem(0, std::string(4000, 'W')); });
    EXPECT_EQ(combo.ItemCount(0), 0);
}

TEST_F(ComboTest, ColoursReachOnlyTheFirstCaption) {
    combo.ArrayCount(2);
    combo.ForeColor(0x00112233);
    combo.BackColor(0x00445566);
    EXPECT_EQ(Label(0).ForeColor(), 0x00112233u);
    EXPECT_EQ(Label(0).BackColor(), 0x00445566u);
    EXPECT_NE(Label(1).ForeColor(), 0x00112233u);
    EXPECT_NE(List(0).ForeColor(), 0x00112233u);
}

TEST_F(ComboTest, ClearReturnsToOneEmptyElementButKeepsColours) {
    combo.BackColor(0x00FF0000);
    combo.SetCaption("Something");
    combo.ArrayCount(2);
    combo.AddOption("Red");
    combo.AddAction("x");
    combo.Clear();
    EXPECT_EQ(combo.ArrayCount(), 1);
    EXPECT_TRUE(combo.IsEmpty());
    EXPECT_EQ(combo.Caption(0), "");
    EXPECT_EQ(combo.DesiredWidth(), 2600);
    EXPECT_EQ(combo.FieldWidth(), 0);
    EXPECT_EQ(combo.CaptionWidth(), 100);
    EXPECT_EQ(combo.BackColor(), 0x00FF0000u);
    combo.AddAction("after");  // no item yet: a common action again
    EXPECT_EQ(combo.GetSelectedAction(), "after");
}

TEST_F(ComboTest, GeometryAndColoursPersistInTheirOrder) {
    combo.SetCaption("Colour");
    combo.ArrayCount(3);
    combo.ElementHeight(300);
    combo.ForeColor(0x00102030);
    const host::PropertyBag bag = combo.SaveProperties();
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"ArrayCount", "ElementHeight", "Height",
                                                    "Width", "BackColor", "ForeColor"}));
    host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
    Combo loaded;
    loaded.LoadProperties(text);
    EXPECT_EQ(loaded.ArrayCount(), 3);
    EXPECT_EQ(loaded.ElementHeight(), 300);
    EXPECT_EQ(loaded.Surface().Height(), combo.Surface().Height());
    EXPECT_EQ(loaded.Surface().Width(), combo.Surface().Width());
    EXPECT_EQ(loaded.ForeColor(), 0x00102030u);
}

TEST_F(ComboTest, MalformedPersistedValuesFailClearly) {
    host::PropertyBag words;
    words.WriteProperty("ArrayCount", "three");
    EXPECT_EQ(test::ErrorNumber([&] { combo.LoadProperties(words); }), err::TypeMismatch);
    host::PropertyBag none;
    none.WriteProperty("ArrayCount", int16_t{0});
    ExpectError(err::CannotUnload, "PanelKit::Combo.ArrayCount(Let)",
                [&] { combo.LoadProperties(none); });
    host::PropertyBag huge;
    huge.WriteProperty("ElementHeight", int32_t{70000});
    EXPECT_EQ(test::ErrorNumber([&] { combo.LoadProperties(huge); }), err::Overflow);
    combo.SetCaption("Still works");  // the layout guard was released
    EXPECT_EQ(combo.Surface().Height(), 305);
}

TEST_F(ComboTest, LateBoundIndexesAreWrittenBackToTheCaller) {
    ObjectRef object = LibraryClasses().Create("PanelKit2.Combo");
    test::Get(*object, "AddOption", "Red");
    Variant args[] = {Variant(int16_t{7})};
    EXPECT_EQ(CallByDispId(*object, 0x68030004, CallKind::GetOrMethod, args).AsString(), "");
    EXPECT_EQ(args[0].AsInteger(), 0);  // the highest element index
    Variant caption[] = {Variant(int16_t{0}), Variant("Colour")};
    CallByName(*object, "caption", CallKind::Let, caption);
    EXPECT_EQ(test::Get(*object, "Caption", int16_t{0}).AsString(), "Colour");
    EXPECT_EQ(CallByDispId(*object, 0x6803000f, CallKind::GetOrMethod, {}).Type(),
              VarType::Integer);
    EXPECT_EQ(test::Get(*object, "IsEmpty").AsLong(), 0);
    ExpectError(err::TypeMismatch, "", [&] { test::Get(*object, "ItemCount", "first"); });
    ExpectError(err::NoSuchElement, "PanelKit::Combo.ItemCount",
                [&] { test::Get(*object, "ItemCount", 3); });
    ExpectError(err::Overflow, "", [&] { test::Let(*object, "ArrayCount", 40000); });
}

TEST_F(ComboTest, APageAlignsCaptionsAndAnswersInCreationOrder) {
    ControlPort port;
    port.Surface().Move(0, 0, 6000, 4000);
    const ObjectRef check = port.GetNewControl(0);
    const ObjectRef shortCaption = port.GetNewControl(1);
    const ObjectRef longCaption = port.GetNewControl(1);
    test::Get(*check, "AddOption", "TRUE");
    test::Get(*check, "AddAction", "check");
    test::Get(*check, "SetSelectedOption", true);
    test::Get(*shortCaption, "SetCaption", "Size");
    test::Get(*shortCaption, "AddOption", "Small");
    test::Get(*shortCaption, "AddAction", "small");
    test::Get(*longCaption, "SetCaption", "A much longer caption");
    test::Get(*longCaption, "AddOption", "Red");
    test::Get(*longCaption, "AddAction", "red");
    for (const ObjectRef& child : {longCaption, check, shortCaption}) port.AddControl(child);
    port.Position();
    EXPECT_EQ(port.GetSelectedActions(), "check,small,red");
    auto& first = dynamic_cast<Combo&>(*shortCaption);
    auto& second = dynamic_cast<Combo&>(*longCaption);
    EXPECT_EQ(first.Surface().Width(), second.Surface().Width());
    EXPECT_EQ(first.Surface().Left(), second.Surface().Left());
    // One caption column for both: the lists start at the same place.
    EXPECT_EQ(first.Lists()[0].Left(), second.Lists()[0].Left());
    EXPECT_GT(first.Lists()[0].Left(), CaptionTwips("A much longer caption"));
    port.NewCanvas();
    EXPECT_EQ(port.GetSelectedActions(), "");
}

}  // namespace

}  // namespace panelkit2
