// StringBox: rows and their routing, the joined answers, the quiet ends of the indexed
// members, the caption and field columns, the heights Paint and the resize leave, Clear,
// persistence, late binding, and a page shared with Combo.

#include "panelkit2/choice/string_box.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"
#include "support/caption_width.hpp"

namespace panelkit2 {
namespace {

using test::CaptionTwips;
using test::ExpectError;

class StringBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    // Rows Name (nameact) and Mail (mailact), as a host fills them.
    void NameAndMail() {
        box.AddOption("Name");
        box.AddAction("nameact");
        box.AddOption("Mail");
        box.AddAction("mailact");
    }
    const host::TextBox& Field(int16_t idx) { return box.TextFields()[idx]; }
    const host::WrapLabel& Label(int16_t idx) { return box.CaptionLabels()[idx]; }
    // What a person types into a row.
    void Type(int16_t idx, std::string_view text) { box.TextFields()[idx].UserType(text); }

    StringBox box;
};

TEST_F(StringBoxTest, ANewControlIsOneEmptyRowOfItsDesignedSize) {
    EXPECT_EQ(box.CtlID(), 10);
    EXPECT_EQ(box.ArrayCount(), 1);
    EXPECT_TRUE(box.Show());
    EXPECT_EQ(box.DesiredWidth(), 2600);
    EXPECT_EQ(box.Surface().Width(), 2600);
    EXPECT_EQ(box.Surface().Height(), 255);
    EXPECT_EQ(box.GetSelectedOption(), "");
    EXPECT_EQ(box.GetSelectedAction(), "");
    EXPECT_EQ(box.ElementWidth(), 2600);
    EXPECT_EQ(box.ElementHeight(), 255);
    EXPECT_EQ(box.FieldWidth(), 0);
    EXPECT_EQ(box.CaptionWidth(), 100);  // an empty first caption and the margin
    EXPECT_FALSE(Label(0).Visible());
    int16_t first = 0;
    EXPECT_EQ(box.Right(first), 2600);
    EXPECT_EQ(box.Bottom(first), 255);
}

TEST_F(StringBoxTest, EachOptionNamesARowAndEveryRowAnswersWithItsActions) {
    NameAndMail();
    EXPECT_EQ(box.ArrayCount(), 2);  // the first option named the row already there
    EXPECT_EQ(box.GetSelectedAction(), "nameact,mailact");
    Type(1, "someone@example.org");
    EXPECT_EQ(box.GetSelectedAction(), "nameact,mailact");  // whatever was typed
    EXPECT_EQ(box.GetSelectedOption(), "someone@example.org");
    int16_t idx = 1;
    EXPECT_EQ(box.Caption(idx), "Mail");
    EXPECT_TRUE(Label(1).Visible());
    EXPECT_EQ(Field(1).ToolTipText(), "Mail");
    EXPECT_EQ(Label(1).ToolTipText(), "Mail");
    EXPECT_EQ(box.Action(0), "nameact");
    // A row without actions still leaves its place in the list.
    box.AddOption("Phone");
    box.AddOption("Fax");
    box.AddAction("faxact");
    EXPECT_EQ(box.GetSelectedAction(), "nameact,mailact,,faxact");
}

TEST_F(StringBoxTest, CommonActionsLeadUntilAnyRowCaptionEvenAnEmptyOne) {
    box.AddAction("c");
    EXPECT_EQ(box.GetSelectedAction(), "c");
    NameAndMail();
    EXPECT_EQ(box.GetSelectedAction(), "c,nameact,mailact");

    StringBox other;
    other.AddAction("common");
    other.SetCaption("");  // names row 0's caption: the rows take the actions from now on
    other.AddAction("row");
    EXPECT_EQ(other.GetSelectedAction(), "common,row");
    EXPECT_EQ(other.Action(0), "row");
    // Before any caption the index is not looked at.
    StringBox fresh;
    fresh.Action(40, "early");
    EXPECT_EQ(fresh.GetSelectedAction(), "early");
}

TEST_F(StringBoxTest, TypedTextsJoinWithEmptyRowsBeforeTheFirstTextLeavingNoTrace) {
    box.ArrayCount(3);
    Type(0, "x");
    Type(2, "z");
    EXPECT_EQ(box.GetSelectedOption(), "x||z");
    Type(0, "\b");
    EXPECT_EQ(box.GetSelectedOption(), "z");
    Type(1, "y");
    EXPECT_EQ(box.GetSelectedOption(), "y|z");
    Type(1, "\r");  // a one-line field takes no line break
    EXPECT_EQ(box.GetSelectedOption(), "y|z");
}

TEST_F(StringBoxTest, ValueAddsToARowTextAndSetSelectedOptionFillsEveryRow) {
    box.ArrayCount(3);
    int16_t idx = 1;
    box.Value(idx, "a");
    box.Value(idx, "b");
    EXPECT_EQ(box.Value(idx), "a,b");
    EXPECT_EQ(box.Surface().ChangedProperties().back(), "Value");
    box.Text("first");
    EXPECT_EQ(box.Text(), "first");
    EXPECT_EQ(box.GetSelectedOption(), "first|a,b|");
    box.SetSelectedOption("q|r");  // not split
    EXPECT_EQ(box.GetSelectedOption(), "q|r|q|r|q|r");
    idx = 2;
    EXPECT_EQ(box.Value(idx), "q|r");
}

TEST_F(StringBoxTest, IndexedMembersEndQuietlyAndHandBackTheHighestRow) {
    NameAndMail();
    int16_t idx = 7;
    EXPECT_EQ(box.Caption(idx), "");  // range checked: nothing fails, nothing handed back
    EXPECT_EQ(idx, 7);
    EXPECT_EQ(box.Value(idx), "");
    box.Value(idx, "lost");
    EXPECT_EQ(idx, 7);
    box.Caption(idx, "lost");  // the label is looked for first: a quiet end
    EXPECT_EQ(idx, 1);
    idx = -1;
    EXPECT_EQ(box.Bottom(idx), 0);
    EXPECT_EQ(idx, 1);
    idx = 2;
    EXPECT_EQ(box.Right(idx), 0);
    EXPECT_EQ(idx, 1);
    EXPECT_EQ(box.GetSelectedOption(), "");
    EXPECT_EQ(box.ArrayCount(), 2);
    // Action is no member of the family: a missing row is an error under its own source.
    ExpectError(err::SubscriptOutOfRange, "PanelKit::StringBox.Action(Get)",
                [&] { box.Action(2); });
    ExpectError(err::SubscriptOutOfRange, "PanelKit::StringBox.Action(Let)",
                [&] { box.Action(-1, "x"); });
    EXPECT_EQ(box.GetSelectedAction(), "nameact,mailact");
}

TEST_F(StringBoxTest, ArrayCountStacksRowsOneStepApartAndRepaintsOnlyOnChange) {
    box.AddOption("Name");
    Type(0, "typed");
    box.ArrayCount(3);
    // New rows start empty, not as copies of row 0.
    EXPECT_EQ(box.GetSelectedOption(), "typed||");
    EXPECT_EQ(Label(2).Caption(), "");
    EXPECT_EQ(Field(2).ToolTipText(), "");
    EXPECT_EQ(Field(1).Top(), 305);
    EXPECT_EQ(Field(2).Top(), 610);
    EXPECT_EQ(Label(2).Top(), 610);
    EXPECT_TRUE(Field(2).Visible());
    EXPECT_FALSE(Label(2).Visible());
    EXPECT_EQ(box.Action(2), "");
    EXPECT_EQ(box.Surface().Height(), 610 + 255);  // Paint: down to the last row
    const int32_t refreshes = Field(0).RefreshCount();
    const size_t notes = box.Surface().ChangedProperties().size();
    box.ArrayCount(3);
    EXPECT_EQ(Field(0).RefreshCount(), refreshes);
    EXPECT_EQ(box.Surface().ChangedProperties().size(), notes);
    for (int16_t bad : {int16_t{0}, int16_t{-5}})
        ExpectError(err::InvalidPropertyValue, "PanelKit::StringBox.ArrayCount(Let)",
                    [&] { box.ArrayCount(bad); });
    box.ArrayCount(1);
    EXPECT_FALSE(box.TextFields().Exists(1));
    EXPECT_FALSE(box.CaptionLabels().Exists(2));
    EXPECT_EQ(box.Surface().Height(), 255);
}

TEST_F(StringBoxTest, CaptionsAlignBeforeACommonFieldColumn) {
    const float name = CaptionTwips("Name");
    const float longer = CaptionTwips("Full name");
    ASSERT_LT(longer + 250, 1300);  // the caption column takes less than half
    box.AddOption("Name");
    box.AddOption("Full name");
    const float field = 2600 - (longer + 250);
    for (int16_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Field(i).Left(), 2600 - field + 50);
        EXPECT_EQ(Field(i).Width(), field - 150);
        // Every caption as wide as the widest, ending 100 before the field.
        EXPECT_EQ(Label(i).Width(), longer);
        EXPECT_EQ(Label(i).Left() + Label(i).Width(), 2600 - field - 50);
    }
    EXPECT_GT(longer, name);
    EXPECT_EQ(box.DesiredWidth(), 2600);  // a caption does not widen the control
    EXPECT_EQ(box.CaptionWidth(), static_cast<int16_t>(name + 100));  // row 0 only
    // A caption row and a row without caption: the latter takes the whole width.
    box.ArrayCount(3);
    box.Surface().Width(3000);
    EXPECT_EQ(Field(2).Left(), 0);
    EXPECT_EQ(Field(2).Width(), 3000);
    EXPECT_EQ(Field(0).Left(), longer + 300);
}

TEST_F(StringBoxTest, PaintAndTheResizeEachLeaveTheirHeight) {
    box.AddOption("Name");
    box.AddOption("Mail");
    EXPECT_EQ(box.Surface().Height(), 305 + 255);  // Caption let ends with Paint
    box.Surface().Width(3000);
    EXPECT_EQ(box.Surface().Height(), 2 * 305);  // a resize sums the rows and their gaps
    box.ArrayCount(3);
    EXPECT_EQ(box.Surface().Height(), 610 + 255);
}

TEST_F(StringBoxTest, ANarrowControlSplitsItsWidthBetweenCaptionAndField) {
    const std::string caption = "A caption that needs a good deal of room";
    const float label = CaptionTwips(caption);
    box.AddOption(caption);
    ASSERT_GT(label + 250, 1300);
    EXPECT_EQ(Field(0).Left(), 1300 + 50);
    EXPECT_EQ(Field(0).Width(), 1300 - 150);
    // Too wide for what the field leaves: from the left edge, wrapped.
    EXPECT_EQ(Label(0).Left(), 50);
    EXPECT_EQ(Label(0).Width(), 2600 - 1300 - 50);
    EXPECT_GT(Label(0).WrappedLines().size(), 1u);
    EXPECT_EQ(Label(0).ToolTipText(), caption);
}

TEST_F(StringBoxTest, ImposedColumnsSetTheWidthAndOverflowIn16Bits) {
    box.AddOption("Size");
    box.ArrayCount(2);
    box.FieldWidth(0);  // only stores
    EXPECT_EQ(box.Surface().Width(), 2600);
    box.CaptionWidth(1000);
    EXPECT_EQ(box.Surface().Width(), 2600);  // the field was not imposed yet
    box.FieldWidth(2000);
    EXPECT_EQ(box.FieldWidth(), 2000);
    EXPECT_EQ(box.Surface().Width(), 3000);
    EXPECT_EQ(Field(0).Left(), 1050);
    EXPECT_EQ(Field(0).Width(), 1850);
    EXPECT_EQ(Field(1).Left(), 0);  // no caption: the whole width
    EXPECT_EQ(box.CaptionWidth(), static_cast<int16_t>(CaptionTwips("Size") + 100));
    box.CaptionWidth(1500);  // the field no longer fits beside it
    EXPECT_EQ(box.Surface().Width(), 3500);
    box.FieldWidth(30000);
    ExpectError(err::Overflow, "", [&] { box.CaptionWidth(5000); });
    EXPECT_EQ(box.Surface().Width(), 31500);
}

// The resize a new height raises lays the rows out with the height in force before.
TEST_F(StringBoxTest, ElementHeightSpacesRowsFromTheHeightTheyHad) {
    box.ArrayCount(2);
    box.ElementHeight(400);
    EXPECT_EQ(box.ElementHeight(), 400);
    EXPECT_EQ(Field(1).Top(), 305);
    EXPECT_EQ(box.Surface().Height(), 2 * 305);
    box.Surface().Width(3000);
    int16_t last = 1;
    EXPECT_EQ(box.Bottom(last), 305 + 400);
    EXPECT_EQ(box.Surface().Height(), 2 * 450);
    box.ArrayCount(3);  // spaced by the new height
    EXPECT_EQ(Field(2).Top(), 305 + 450);
    box.ElementHeight(0);
    EXPECT_EQ(box.ElementHeight(), 255);
    ExpectError(err::InvalidPropertyValue, "", [&] { box.ElementHeight(-5); });
}

TEST_F(StringBoxTest, ElementWidthSpreadsTheRowsAndIsStored) {
    box.ArrayCount(2);
    box.ElementWidth(1000);
    EXPECT_EQ(box.ElementWidth(), 1000);
    EXPECT_EQ(box.Surface().Width(), 2600);  // the stored value sizes nothing
    EXPECT_FLOAT_EQ(Label(1).Width(), 2600 * 0.34f);
    EXPECT_EQ(Field(1).Left(), Label(1).Width());
    EXPECT_EQ(Field(1).Left() + Field(1).Width(), 2600);
    box.ElementWidth(0);
    EXPECT_EQ(box.ElementWidth(), 2600);
}

TEST_F(StringBoxTest, ColoursReachEveryCaptionButNoField) {
    box.ArrayCount(2);
    box.ForeColor(0x00112233);
    box.BackColor(0x00445566);
    EXPECT_EQ(Label(1).ForeColor(), 0x00112233u);
    EXPECT_EQ(Label(1).BackColor(), 0x00445566u);
    EXPECT_NE(Field(0).ForeColor(), 0x00112233u);
    EXPECT_EQ(box.ForeColor(), 0x00112233u);
}

TEST_F(StringBoxTest, ClearKeepsTheFirstRowsTextAndNothingElse) {
    box.AddAction("c");
    NameAndMail();
    Type(0, "kept");
    box.FieldWidth(2000);
    box.Clear();
    EXPECT_EQ(box.ArrayCount(), 1);
    int16_t first = 0;
    EXPECT_EQ(box.Caption(first), "");
    EXPECT_EQ(box.Text(), "kept");
    EXPECT_EQ(box.GetSelectedAction(), "");
    EXPECT_EQ(box.FieldWidth(), 0);
    EXPECT_EQ(box.DesiredWidth(), 2600);
    EXPECT_EQ(Field(0).Left(), 0);
    EXPECT_EQ(Field(0).Width(), box.Surface().Width());
    box.AddAction("again");  // common again
    box.AddOption("Again");  // names row 0 again
    EXPECT_EQ(box.ArrayCount(), 1);
    EXPECT_EQ(box.GetSelectedAction(), "again");
}

TEST_F(StringBoxTest, GeometryAndColoursPersistWithoutCaptionsValuesOrActions) {
    NameAndMail();
    box.ArrayCount(3);
    box.ElementWidth(1200);
    box.ForeColor(0x00102030);
    Type(0, "typed");
    host::PropertyBag bag = box.SaveProperties();
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"ArrayCount", "ElementWidth", "Height", "Width",
                                                    "ForeColor", "BackColor"}));
    StringBox loaded;
    host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
    loaded.LoadProperties(text);
    EXPECT_EQ(loaded.ArrayCount(), 3);
    EXPECT_EQ(loaded.ElementWidth(), 1200);
    EXPECT_EQ(loaded.Surface().Height(), box.Surface().Height());
    EXPECT_EQ(loaded.ForeColor(), 0x00102030u);
    int16_t idx = 1;
    EXPECT_EQ(loaded.Caption(idx), "");
    EXPECT_EQ(loaded.GetSelectedAction(), "");
    EXPECT_EQ(loaded.GetSelectedOption(), "");
}

TEST_F(StringBoxTest, TheReadPathStoresElementSizesWithoutLayout) {
    host::PropertyBag bag;
    bag.WriteProperty("ArrayCount", int16_t{2});
    bag.WriteProperty("ElementHeight", int16_t{300});
    bag.WriteProperty("Height", 999.0f);
    box.LoadProperties(bag);
    EXPECT_EQ(box.ElementHeight(), 300);
    EXPECT_EQ(box.Surface().Height(), 999);
    EXPECT_EQ(Field(1).Top(), 305);  // grown with the height in force before
    EXPECT_EQ(box.BackColor(), 0u);  // colours have no defaults
    box.ArrayCount(3);               // lays out again
    EXPECT_EQ(box.Surface().Height(), 305 + 350 + 300);
}

TEST_F(StringBoxTest, MalformedPersistedValuesFailClearlyAndLeaveTheControlUsable) {
    const auto failing = [&](std::string_view key, const Variant& value) {
        host::PropertyBag bag;
        bag.WriteProperty(key, value);
        return test::ErrorNumber([&] { box.LoadProperties(bag); });
    };
    EXPECT_EQ(failing("ArrayCount", "many"), err::TypeMismatch);
    EXPECT_EQ(failing("ArrayCount", int32_t{0}), err::InvalidPropertyValue);
    EXPECT_EQ(failing("ArrayCount", 1e9), err::Overflow);
    EXPECT_EQ(failing("ElementHeight", int16_t{-40}), err::InvalidPropertyValue);
    EXPECT_EQ(failing("ElementWidth", "wide"), err::TypeMismatch);
    EXPECT_EQ(failing("Width", -10.0f), err::InvalidPropertyValue);
    EXPECT_EQ(box.ElementHeight(), 255);
    NameAndMail();
    EXPECT_EQ(Field(1).Top(), 305);
    EXPECT_EQ(box.GetSelectedAction(), "nameact,mailact");
}

TEST_F(StringBoxTest, TooManyRowsForAnIntegerHeightFailInTheLayout) {
    box.ArrayCount(108);  // Paint reaches down without a resize
    EXPECT_EQ(box.Surface().Height(), 107 * 305 + 255);
    ExpectError(err::Overflow, "PanelKit::StringBox.UserControl_Resize",
                [&] { box.Surface().Width(3000); });
    box.ArrayCount(2);
    box.Surface().Width(3100);  // the layout guard was released
    EXPECT_EQ(box.Surface().Height(), 610);
}

TEST_F(StringBoxTest, LateBoundIndexesAreWrittenBack) {
    ObjectRef object = LibraryClasses().Create("PanelKit2.StringBox");
    Dispatchable& late = *object;
    test::Get(late, "AddOption", "Name");
    test::Get(late, "addaction", "n");
    Variant caption[] = {Variant(int32_t{9}), Variant("lost")};
    CallByName(late, "Caption", CallKind::Let, caption);
    EXPECT_EQ(caption[0].Type(), VarType::Integer);
    EXPECT_EQ(caption[0].AsInteger(), 0);
    Variant bottom[] = {Variant(int16_t{4})};
    EXPECT_EQ(CallByDispId(late, 0x68030007, CallKind::GetOrMethod, bottom).AsLong(), 0);
    EXPECT_EQ(bottom[0].AsInteger(), 0);
    Variant value[] = {Variant(int16_t{0}), Variant("typed")};
    CallByDispId(late, 0x68030004, CallKind::Let, value);
    EXPECT_EQ(test::Get(late, "Text").AsString(), "typed");
    EXPECT_EQ(test::Get(late, "GetSelectedAction").AsString(), "n");
    ExpectError(err::SubscriptOutOfRange, "PanelKit::StringBox.Action(Get)",
                [&] { test::Get(late, "Action", 3); });
    ExpectError(err::Overflow, "", [&] { test::Let(late, "ArrayCount", 40000); });
    ExpectError(err::TypeMismatch, "", [&] { test::Let(late, "ElementHeight", "tall"); });
    ExpectError(err::WrongArgumentCount, "", [&] { test::Get(late, "Value"); });
}

TEST_F(StringBoxTest, APageAlignsItsCaptionsWithACombosAndAnswersInCreationOrder) {
    ControlPort port;
    port.Surface().Move(0, 0, 6000, 4000);
    const ObjectRef strings = port.GetNewControl(10);
    const ObjectRef combo = port.GetNewControl(1);
    auto& box = dynamic_cast<StringBox&>(*strings);
    test::Get(*strings, "AddAction", "account");
    test::Get(*strings, "AddOption", "User");
    test::Get(*strings, "AddAction", "user");
    test::Get(*strings, "AddOption", "Password");
    test::Get(*strings, "AddAction", "password");
    test::Get(*combo, "SetCaption", "A much longer caption");
    test::Get(*combo, "AddOption", "Red");
    test::Get(*combo, "AddAction", "red");
    for (const ObjectRef& child : {strings, combo}) port.AddControl(child);
    EXPECT_TRUE(port.Position());
    port.ShowControls();
    box.TextFields()[0].UserType("me");
    EXPECT_EQ(port.GetSelectedActions(), "account,user,password,red");
    EXPECT_EQ(box.GetSelectedOption(), "me|");
    // One caption column for both: the fields start where the lists do.
    const auto& lists = dynamic_cast<Combo&>(*combo).Lists();
    EXPECT_EQ(box.Surface().Width(), dynamic_cast<Combo&>(*combo).Surface().Width());
    EXPECT_EQ(box.TextFields()[0].Left(), lists[0].Left());
    EXPECT_GT(box.TextFields()[1].Left(), CaptionTwips("A much longer caption"));
    // The next page reuses the control, emptied but for what was typed into row 0.
    port.NewCanvas();
    EXPECT_EQ(port.GetNewControl(10), strings);
    EXPECT_EQ(box.ArrayCount(), 1);
    EXPECT_EQ(port.GetSelectedActions(), "");
    EXPECT_EQ(box.Text(), "me");
}

}  // namespace

}  // namespace panelkit2
