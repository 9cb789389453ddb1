#include "panelkit2/range/num_box.hpp"

#include <gtest/gtest.h>

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

using Seen = std::vector<std::string>;
namespace key = host::key;

constexpr int32_t kValueError = static_cast<int32_t>(0x80040001u);

// A host whose Change handler fails.
struct FailingSink : EventSink {
    void OnEvent(Dispatchable&, const EventDef&, Args) override {
        throw AutomationError(5, "host", "the host failed");
    }
};

class NumBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host::Host::Current().ResetServices();
        box->Advise(events);
    }
    void TearDown() override { host::Host::Current().Focus(nullptr); }

    void Range(int32_t min, int32_t max) {
        box->Min(min);
        box->Max(max);
    }
    // The user selects the whole field and types.
    void Type(std::string_view chars) {
        box->Field().SelStart(0);
        box->Field().SelLength(static_cast<int32_t>(Text().size()));
        box->Field().UserType(chars);
    }
    void Press(int16_t keyCode) { box->Field().UserKeyDown(keyCode); }
    const std::string& Text() { return box->Field().Text(); }
    const std::vector<host::RecordedMessageBoxes::Box>& Boxes() {
        return host::Host::Current().TheRecordedMessageBoxes()->Boxes();
    }

    std::shared_ptr<NumBox> box = std::make_shared<NumBox>();
    std::shared_ptr<EventRecorder> events = std::make_shared<EventRecorder>();
};

// ---------------------------------------------------------------------------------------
// Ranges and conditional actions

TEST_F(NumBoxTest, ANewControlHoldsZeroInTheSpinButtonsOwnRange) {
    EXPECT_EQ(Text(), "0");
    EXPECT_EQ(box->Max(), 10);
    EXPECT_EQ(box->DefaultMax(), 0);
    // Clear goes to the default range, which nothing has set yet.
    box->Clear();
    box->Value(7);
    EXPECT_EQ(box->Value(), 0);
    // Inside a container a new control reads the template's defaults: 0 to 100.
    ControlPort port;
    const ObjectRef child = port.GetNewControl(static_cast<int16_t>(ControlID::NumBox));
    EXPECT_EQ(Get(*child, "Max").AsLong(), 100);
}

TEST_F(NumBoxTest, EveryRangeHoldingTheValueContributesAfterTheCommonActions) {
    Range(0, 100);
    box->AddAction("C");
    box->SetConditionalAction(0, 10, "A");
    box->SetConditionalAction(5, 20, "B");
    // Actions attached now join the range added last.
    box->AddAction("b");
    const std::vector<std::pair<int32_t, std::string>> expected = {
        {7, "C,A,B,b"}, {15, "C,B,b"}, {10, "C,A,B,b"}, {25, "C"}};
    for (const auto& [value, answer] : expected) {
        box->Value(value);
        EXPECT_EQ(box->GetSelectedAction(), answer) << value;
    }
}

TEST_F(NumBoxTest, ClearKeepsRangeZeroAsTheDefaultRangeOnceRangesWereUsed) {
    box->DefaultMin(-5);
    box->DefaultMax(50);
    box->SetConditionalAction(0, 10, "A");
    box->AddAction("B");
    box->Clear();
    EXPECT_EQ(box->Min(), -5);
    EXPECT_EQ(box->Action(), "");
    box->AddAction("common");
    box->AddOption(1, 2);
    int16_t idx = 1;
    EXPECT_EQ(box->ActionMax(idx), 2);
    idx = 0;
    EXPECT_EQ(box->ActionMin(idx), -5);
    EXPECT_EQ(box->ActionMax(idx), 50);
}

// ---------------------------------------------------------------------------------------
// Typing and normalisation

TEST_F(NumBoxTest, TypingKeepsAPlainNumber) {
    Range(-100, 1000);
    Type("007");
    EXPECT_EQ(Text(), "7");
    Type("-5");
    EXPECT_EQ(Text(), "-5");
    Type("4x2!");
    EXPECT_EQ(Text(), "42");
    Type("-");
    EXPECT_EQ(Text(), "-");
    // Backspace passes; an emptied field shows 0.
    box->Field().UserType("\b");
    EXPECT_EQ(Text(), "0");
    // Pasted text loses what follows its number.
    box->Field().UserSetText("12abc");
    EXPECT_EQ(Text(), "12");
    events->Take();
    Type("3");
    EXPECT_EQ(events->Take(), Seen{"Change"});
}

// ---------------------------------------------------------------------------------------
// Keys and spin buttons

TEST_F(NumBoxTest, KeysStepTheTextWithoutClampingAndSelectIt) {
    Range(0, 1000);
    Press(key::Up);
    EXPECT_EQ(Text(), "1");
    EXPECT_EQ(box->Field().SelLength(), 1);
    Press(key::PageUp);
    EXPECT_EQ(Text(), "101");
    Press(key::Down);
    Press(key::Subtract);
    EXPECT_EQ(Text(), "-100");
    // Other keys are the field's own: Home puts the caret at the start.
    Press(key::Home);
    EXPECT_EQ(box->Field().SelLength(), 0);
    box->Max(50);
    Press(key::PageDown);
    EXPECT_EQ(Text(), "-105");
    // A lone minus sign counts as 0.
    Type("-");
    Press(key::Up);
    EXPECT_EQ(Text(), "1");
    Type("-");
    Press(key::Subtract);
    EXPECT_EQ(Text(), "0");
}

// A key with a character types it after its key-down, as the keyboard sends them: the
// keypad minus changes the sign, and the minus sign it then types must not undo that.
TEST_F(NumBoxTest, TheKeypadMinusChangesTheSignDespiteTheMinusItTypes) {
    Range(-1000, 1000);
    box->Value(750);
    const auto keypadMinus = [&] {
        Press(key::Subtract);
        box->Field().UserType("-");
    };
    keypadMinus();
    EXPECT_EQ(Text(), "-750");
    EXPECT_EQ(box->Field().SelLength(), 4);
    keypadMinus();
    EXPECT_EQ(Text(), "750");
    // The minus key of the main keyboard types its sign as ever.
    Type("-");
    EXPECT_EQ(Text(), "-");
    box->Field().UserType("4");
    EXPECT_EQ(Text(), "-4");
}

TEST_F(NumBoxTest, PageStepsStayExactBetweenTheInfinityEnds) {
    Range(-2147483499, 2147483499);
    box->Value(0);
    Press(key::PageUp);
    EXPECT_EQ(Text(), "100");
    Range(-2147483647, 2147483647);
    box->Value(2147483647);
    EXPECT_EQ(box->Value(), 2147483647);
}

TEST_F(NumBoxTest, SpinButtonsStepTheFieldWithinTheRange) {
    Range(0, 2);
    box->SpinButtons().UserUp();
    box->SpinButtons().UserUp();
    box->SpinButtons().UserUp();
    EXPECT_EQ(Text(), "2");
    box->SpinButtons().UserDown();
    EXPECT_EQ(box->Value(), 1);
}

// ---------------------------------------------------------------------------------------
// Clamping and the Value error

TEST_F(NumBoxTest, ReadingAndWritingClampIntoTheRange) {
    Range(10, 100);
    box->Value(500);
    EXPECT_EQ(Text(), "100");
    box->Value(-3);
    EXPECT_EQ(Text(), "10");
    Type("150");
    box->Field().SelStart(2);
    EXPECT_EQ(box->Value(), 100);
    EXPECT_EQ(box->Field().SelStart(), 2);
    // A lone minus sign cannot be read as a value.
    Type("-");
    ExpectError(err::TypeMismatch, "PanelKit::NumBox.Value(Get)", [&] { box->Value(); });
    ExpectError(err::TypeMismatch, "PanelKit::NumBox.GetSelectedAction",
                [&] { box->GetSelectedAction(); });
    ExpectError(err::TypeMismatch, "PanelKit::NumBox.SetSelectedOption",
                [&] { box->SetSelectedOption(1); });
}

TEST_F(NumBoxTest, FailuresInsideTheValueLetAreItsOwnError) {
    const auto failing = std::make_shared<FailingSink>();
    box->Advise(failing);
    const AutomationError error = Caught([&] { box->Value(4); });
    EXPECT_EQ(error.Number(), kValueError);
    EXPECT_EQ(error.Source(), "PanelKit::NumBox.Value(Let)");
    EXPECT_EQ(error.Description(),
              "A numbox can only contain a number within the range 4.9E-324 to 1.7E308.");
    ExpectError(5, "PanelKit::NumBox.min", [&] { box->Min(3); });
}

// ---------------------------------------------------------------------------------------
// The warning when the field is left

TEST_F(NumBoxTest, LeavingTheFieldOutsideTheRangeWarnsAndKeepsTheNumber) {
    Range(0, 100);
    box->Value(25);
    box->Field().SetFocus();
    EXPECT_EQ(box->Field().SelLength(), 2);
    Type("150");
    EXPECT_EQ(box->Field().SelLength(), 0);
    host::Host::Current().Focus(nullptr);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text,
              "The value you have entered is out the allowed range. Please enter a valid number");
    EXPECT_EQ(Boxes()[0].title, "Invalid Value");
    EXPECT_EQ(Text(), "150");
    EXPECT_EQ(box->Field().SelLength(), 3);
    EXPECT_EQ(box->Value(), 100);
    // Inside the range nothing is said; a lone minus sign is outside every range.
    for (const char* text : {"100", "0"}) {
        box->Field().SetFocus();
        Type(text);
        host::Host::Current().Focus(nullptr);
    }
    EXPECT_EQ(Boxes().size(), 1u);
    box->Field().SetFocus();
    Type("-");
    host::Host::Current().Focus(nullptr);
    EXPECT_EQ(Boxes().size(), 2u);
}

// ---------------------------------------------------------------------------------------
// Layout numbers

TEST_F(NumBoxTest, FieldSpinButtonsAndCaptionStandInARow) {
    // Never narrower than field, spin buttons and 200 twips of room.
    EXPECT_EQ(box->Surface().Width(), 1300);
    EXPECT_EQ(box->Surface().Height(), 265);
    EXPECT_EQ(box->CaptionLabel().Left(), 1200);
    box->Caption("Number of copies");
    const int32_t textWidth = SharedSubs::GetTextWidth(0, "Number of copies");
    EXPECT_EQ(box->DesiredWidth(), textWidth + 840 + 260 + 200);
    box->Caption("");
    EXPECT_FALSE(box->CaptionLabel().Visible());
    EXPECT_EQ(box->DesiredWidth(), textWidth + 840 + 260 + 200);
    ExpectError(err::InvalidPropertyValue, "PanelKit::NumBox.ElementHeight(Let)",
                [&] { box->ElementHeight(-10); });
    EXPECT_EQ(box->ElementHeight(), 265);
}

TEST_F(NumBoxTest, ARangeEndWiderThanTheFieldWidensIt) {
    box->Max(2147483499);
    box->Min(-2147483499);
    EXPECT_EQ(box->Field().ToolTipText(), "-infinity-infinity");
    EXPECT_EQ(box->SpinButtons().ToolTipText(), "-infinity-infinity");
    EXPECT_EQ(Text(), "-2147483499");
    const int32_t digits = SharedSubs::GetTextWidth(0, "-2147483499");
    EXPECT_EQ(box->FieldWidth(), digits + 100);
    EXPECT_EQ(box->SpinButtons().Left(), box->Field().Width());
    EXPECT_EQ(box->DesiredWidth(), 260 + digits + 400);
}

// ---------------------------------------------------------------------------------------
// Persistence

TEST_F(NumBoxTest, APersistedControlComesBackWithItsRangeTextAndCaption) {
    box->DefaultMin(-20);
    box->DefaultMax(80);
    box->Max(60);
    box->Value(42);
    box->Caption("Retries");
    host::PropertyBag bag = box->SaveProperties();
    NumBox loaded;
    loaded.LoadProperties(bag);
    EXPECT_EQ(loaded.DefaultMax(), 80);
    EXPECT_EQ(loaded.Min(), -20);
    EXPECT_EQ(loaded.Max(), 60);
    EXPECT_EQ(loaded.Value(), 42);
    EXPECT_EQ(loaded.Caption(), "Retries");
    EXPECT_TRUE(loaded.CaptionLabel().Visible());
}

// ---------------------------------------------------------------------------------------
// Quiet ends

TEST_F(NumBoxTest, RangeIndexesOutsideEndQuietlyAndHandBackTheHighest) {
    box->AddOption(1, 2);
    box->AddOption(3, 4);
    int16_t idx = 5;
    EXPECT_EQ(box->ActionMin(idx), 0);
    EXPECT_EQ(idx, 1);
    idx = -1;
    box->ActionMax(idx, 99);
    EXPECT_EQ(idx, 1);
    idx = 1;
    EXPECT_EQ(box->ActionMax(idx), 4);
}

}  // namespace
}  // namespace panelkit2::test
