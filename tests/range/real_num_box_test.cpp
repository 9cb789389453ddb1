#include "panelkit2/range/real_num_box.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/key_codes.hpp"
#include "support/assertions.hpp"

namespace panelkit2::test {
namespace {

namespace key = host::key;

constexpr float kUnbounded = 3.402823E+38f;

class RealNumBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }
    void TearDown() override { host::Host::Current().Focus(nullptr); }

    void Range(float min, float max) {
        box->Min(min);
        box->Max(max);
    }
    // The user puts the caret at `caret` and types.
    void TypeAt(int32_t caret, std::string_view chars) {
        box->Field().SelStart(caret);
        box->Field().UserType(chars);
    }
    // The user selects the whole field and types.
    void TypeOver(std::string_view chars) {
        box->Field().SelStart(0);
        box->Field().SelLength(static_cast<int32_t>(Text().size()));
        box->Field().UserType(chars);
    }
    void Press(int16_t keyCode) { box->Field().UserKeyDown(keyCode); }
    void Up() { box->SpinButtons().UserUp(); }
    void Down() { box->SpinButtons().UserDown(); }
    const std::string& Text() { return box->Field().Text(); }
    const std::vector<host::RecordedMessageBoxes::Box>& Boxes() {
        return host::Host::Current().TheRecordedMessageBoxes()->Boxes();
    }

    std::shared_ptr<RealNumBox> box = std::make_shared<RealNumBox>();
};

// ---------------------------------------------------------------------------------------
// Ranges and conditional actions

TEST_F(RealNumBoxTest, SubRangeEndsAreSinglesAndBelongToTheirRange) {
    box->AddAction("C");
    box->SetConditionalAction(0, 0.5f, "A");
    box->SetConditionalAction(0.4f, 1, "B");
    box->AddAction("b");
    // 0.5 is an end of the first range; the next Single above it is not in it.
    box->Value(0.5f);
    EXPECT_EQ(box->GetSelectedAction(), "C,A,B,b");
    box->Value(0.5000001f);
    EXPECT_EQ(box->GetSelectedAction(), "C,B,b");
    box->Value(1.5f);
    EXPECT_EQ(box->GetSelectedAction(), "C");
    // An end written through its index moves the range.
    int16_t idx = 1;
    EXPECT_FLOAT_EQ(box->ActionMin(idx), 0.4f);
    box->ActionMax(idx, 0.45f);
    box->Value(0.46f);
    EXPECT_EQ(box->GetSelectedAction(), "C,A");
}

TEST_F(RealNumBoxTest, ClearGoesToItsOwnRangeWhateverTheDefaults) {
    box->DefaultMin(-5);
    box->DefaultMax(50);
    EXPECT_FLOAT_EQ(box->Min(), -5);
    box->SetConditionalAction(1, 2, "A");
    box->Caption("Ratio");
    box->Clear();
    EXPECT_FLOAT_EQ(box->Min(), 0);
    EXPECT_FLOAT_EQ(box->Max(), 100);
    EXPECT_FLOAT_EQ(box->DefaultMin(), -5);
    EXPECT_EQ(box->Field().ToolTipText(), "0-100");
    EXPECT_EQ(box->Caption(), "");
    EXPECT_FALSE(box->CaptionLabel().Visible());
    EXPECT_EQ(box->Action(), "");
    // Index 0 is now the cleared range; the next sub-range goes after it.
    box->AddOption(1, 2);
    int16_t idx = 0;
    EXPECT_FLOAT_EQ(box->ActionMax(idx), 100);
    idx = 1;
    EXPECT_FLOAT_EQ(box->ActionMin(idx), 1);
    // Outside the sub-ranges: quiet, with the highest index handed back.
    idx = 7;
    EXPECT_FLOAT_EQ(box->ActionMin(idx), 0);
    EXPECT_EQ(idx, 1);
}

// ---------------------------------------------------------------------------------------
// Typing

TEST_F(RealNumBoxTest, AKeystrokeThatLeavesNoNumberIsTakenBack) {
    box->Value(12);
    EXPECT_EQ(Text(), "12.0");
    TypeAt(2, "a");
    EXPECT_EQ(Text(), "12.0");
    EXPECT_EQ(box->Field().SelStart(), 2);
    // A second point, an emptied field and a lone minus sign leave no number either.
    TypeAt(4, ".");
    EXPECT_EQ(Text(), "12.0");
    TypeOver("\b");
    EXPECT_EQ(Text(), "12.0");
    // The selection that was replaced comes back.
    EXPECT_EQ(box->Field().SelLength(), 4);
    TypeOver("7.25");
    EXPECT_EQ(Text(), "7.25");
    EXPECT_EQ(box->Decimals(), 2);
    // A number beyond a Single is no number of this field.
    box->Field().UserSetText("1e39");
    EXPECT_EQ(Text(), "7.25");
    box->Field().UserSetText("1e38");
    EXPECT_EQ(Text(), "1e38");
}

TEST_F(RealNumBoxTest, TheMinusSignChangesTheSignWhereverTheCaretIs) {
    box->Min(-100);
    box->Value(3.5f);
    TypeAt(3, "-");
    EXPECT_EQ(Text(), "-3.5");
    TypeAt(0, "-");
    // Changed back, and the sign typed at the start stands for the minus again.
    EXPECT_EQ(Text(), "-3.5");
    TypeAt(4, "-");
    EXPECT_EQ(Text(), "3.5");
    // The keypad minus changes the sign in its key-down; the sign it types does nothing.
    Press(key::Subtract);
    EXPECT_EQ(box->Field().SelLength(), 4);
    box->Field().UserType("-");
    EXPECT_EQ(Text(), "-3.5");
}

// ---------------------------------------------------------------------------------------
// Spin buttons

TEST_F(RealNumBoxTest, SpinningStepsTheLastDecimalPlaceAndKeepsTheDecimals) {
    const std::vector<std::tuple<float, bool, std::string>> steps = {
        {1.25f, true, "1.26"},
        {1.29f, true, "1.30"},
        {2.1f, false, "2.0"},
        {-0.1f, true, "0.0"},
        {-2.1f, false, "-2.2"},
        {-1.9f, false, "-2.0"},
        // A sum of Singles would read 8.200001.
        {8.1f, true, "8.2"}};
    box->Min(-10);
    for (const auto& [start, up, after] : steps) {
        box->Value(start);
        up ? Up() : Down();
        EXPECT_EQ(Text(), after) << start;
    }
    // Decimals typed by the user are kept where the step ends on a zero.
    TypeOver("0.190");
    Up();
    EXPECT_EQ(Text(), "0.191");
    TypeOver("0.199");
    Up();
    EXPECT_EQ(Text(), "0.200");
}

TEST_F(RealNumBoxTest, AWholeNumberGetsAPointFirstAndTheRangeHolds) {
    box->SetSelectedOption(5);
    EXPECT_EQ(Text(), "5");
    Up();
    EXPECT_EQ(Text(), "5.0");
    Up();
    Up();
    EXPECT_EQ(Text(), "5.2");
    // The point came from the control, not the user; stepping to a whole number keeps it.
    for (int i = 0; i < 8; ++i) Up();
    EXPECT_EQ(Text(), "6.0");
    Up();
    EXPECT_EQ(Text(), "6.1");
    Range(0, 1);
    box->Value(0.95f);
    for (int i = 0; i < 10; ++i) Up();
    EXPECT_EQ(Text(), "1.0");
    box->Value(0);
    Down();
    EXPECT_EQ(Text(), "0.0");
}

// ---------------------------------------------------------------------------------------
// Keys

TEST_F(RealNumBoxTest, KeysStepTheNumberUnclampedAndSelectIt) {
    Range(0, 50);
    box->Value(1.5f);
    Press(key::Up);
    EXPECT_EQ(Text(), "2.5");
    EXPECT_EQ(box->Field().SelLength(), 3);
    Press(key::PageUp);
    Press(key::PageUp);
    EXPECT_EQ(Text(), "12.5");
    Press(key::PageDown);
    Press(key::Down);
    EXPECT_EQ(Text(), "6.5");
    // Between the infinity ends the page step is the largest, 100.
    Range(-kUnbounded, kUnbounded);
    box->Value(0.5f);
    Press(key::PageUp);
    EXPECT_EQ(Text(), "100.5");
    // Left alone: other keys are the field's own.
    Press(key::Home);
    EXPECT_EQ(box->Field().SelLength(), 0);
}

TEST_F(RealNumBoxTest, AKeyOnATextThatIsNoNumberFailsWithItsTrail) {
    box->Field().Text("abc");
    const AutomationError error = Caught([&] { Press(key::Left); });
    EXPECT_EQ(error.Number(), err::TypeMismatch);
    EXPECT_TRUE(error.Source().ends_with("|PanelKit.RealNumBox::KeyDown")) << error.Source();
    // Reading the value never fails: the text reads as 0.
    EXPECT_FLOAT_EQ(box->Value(), 0);
    EXPECT_EQ(Text(), "abc.0");
}

// ---------------------------------------------------------------------------------------
// Clamping and the decimal point

TEST_F(RealNumBoxTest, TheValueIsClampedAndShownWithAPoint) {
    Range(-2.5f, 10);
    box->SetSelectedOption(7);
    EXPECT_EQ(Text(), "7");
    EXPECT_FLOAT_EQ(box->Value(), 7);
    EXPECT_EQ(Text(), "7.0");
    box->Value(12);
    EXPECT_EQ(Text(), "10.0");
    box->SetSelectedOption(-3);
    EXPECT_FLOAT_EQ(box->GetSelectedOption(), -2.5f);
    EXPECT_EQ(Text(), "-2.5");
    // Very small and very large numbers keep a point in their exponent form.
    Range(0, kUnbounded);
    box->Value(1E+20f);
    EXPECT_EQ(Text(), "1.0E+20");
    EXPECT_FLOAT_EQ(box->Value(), 1E+20f);
}

// ---------------------------------------------------------------------------------------
// The warning when the field is left

TEST_F(RealNumBoxTest, LeavingTheFieldOutsideTheRangeWarnsAndKeepsTheNumber) {
    Range(0, 10);
    box->Value(2.5f);
    box->Field().SetFocus();
    EXPECT_EQ(box->Field().SelLength(), 3);
    TypeOver("10.5");
    host::Host::Current().Focus(nullptr);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text,
              "The value you have entered is out the allowed range. Please enter a valid number");
    EXPECT_EQ(Boxes()[0].title, "Invalid Value");
    EXPECT_EQ(Text(), "10.5");
    EXPECT_EQ(box->Field().SelLength(), 4);
    // Inside the range nothing is said and the caret goes to the start.
    box->Field().SetFocus();
    TypeOver("10");
    host::Host::Current().Focus(nullptr);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(box->Field().SelStart(), 0);
}

// ---------------------------------------------------------------------------------------
// Layout, colours

TEST_F(RealNumBoxTest, ARangeEndWiderThanTheFieldWidensItWithTheSpinButtons) {
    EXPECT_EQ(box->Surface().Width(), 1300);
    EXPECT_EQ(box->DesiredWidth(), 500);
    // The lower end needs 50 twips beside spin buttons and digits, the upper one 100.
    box->Min(-kUnbounded);
    const int32_t lower = SharedSubs::GetTextWidth(0, "-3.402823E+38");
    EXPECT_EQ(box->FieldWidth(), 260 + lower + 50);
    EXPECT_EQ(box->DesiredWidth(), 260 + lower + 500);
    box->Max(kUnbounded);
    const int32_t upper = SharedSubs::GetTextWidth(0, "3.402823E+38");
    EXPECT_EQ(box->FieldWidth(), 260 + upper + 100);
    EXPECT_EQ(box->SpinButtons().Left(), box->Field().Width());
    // The control is widened before the field, so it is never narrower than the field it
    // had with the spin buttons and 200 twips of room.
    EXPECT_EQ(box->DesiredWidth(), std::max(260 + upper + 500, 260 + (260 + lower + 50) + 200));
    EXPECT_EQ(box->Field().ToolTipText(), "-infinity-infinity");
    // An upper end is unbounded only at exactly that number, not at the largest Single,
    // whose seven digits read the same.
    box->Max(3.4028235E+38f);
    EXPECT_EQ(box->SpinButtons().ToolTipText(), "-infinity-3.402823E+38");
}

TEST_F(RealNumBoxTest, TheForeColourColoursOnlyTheCaption) {
    const host::OleColor surface = box->ForeColor();
    box->ForeColor(0x0000FF);
    EXPECT_EQ(box->CaptionLabel().ForeColor(), 0x0000FFu);
    EXPECT_EQ(box->ForeColor(), surface);
    const auto& changed = box->Surface().ChangedProperties();
    EXPECT_EQ(changed.back(), "NewColor");
    box->BackColor(0x00FF00);
    EXPECT_EQ(box->CaptionLabel().BackColor(), 0x00FF00u);
    EXPECT_EQ(box->BackColor(), 0x00FF00u);
}

// ---------------------------------------------------------------------------------------
// Persistence

TEST_F(RealNumBoxTest, AReloadedControlShowsItsLowerEndInsteadOfTheValue) {
    box->DefaultMin(-20);
    box->DefaultMax(80);
    box->Max(60.5f);
    box->Value(42.25f);
    box->Caption("Ratio");
    host::PropertyBag bag = box->SaveProperties();
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"CaptionHeight", "RealNumBoxHeight", "Height",
                                                    "Caption", "Text", "DefaultMin", "DefaultMax",
                                                    "Min", "Max", "ForeColor", "BackColor"}));
    EXPECT_EQ(bag.ReadProperty("Text").AsString(), "42.25");
    RealNumBox loaded;
    loaded.LoadProperties(bag);
    EXPECT_FLOAT_EQ(loaded.DefaultMax(), 80);
    EXPECT_FLOAT_EQ(loaded.Min(), -20);
    EXPECT_FLOAT_EQ(loaded.Max(), 60.5f);
    EXPECT_EQ(loaded.Caption(), "Ratio");
    EXPECT_FLOAT_EQ(loaded.Value(), -20);
}

// ---------------------------------------------------------------------------------------
// In a container

TEST_F(RealNumBoxTest, AContainersControlStartsFromTheClearedRange) {
    ControlPort port;
    const ObjectRef child = port.GetNewControl(static_cast<int16_t>(ControlID::RealNumBox));
    EXPECT_EQ(Get(*child, "CtlID").AsInteger(), 8);
    EXPECT_FLOAT_EQ(Get(*child, "Max").AsSingle(), 100);
    Let(*child, "Value", 12.5);
    EXPECT_FLOAT_EQ(Get(*child, "Value").AsSingle(), 12.5f);
}

}  // namespace
}  // namespace panelkit2::test
