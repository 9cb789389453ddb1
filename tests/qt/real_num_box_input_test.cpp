// A real-number field used as a person uses it in a real window: typing real numbers (a
// keystroke that leaves no number never shows), the minus keys, the spin buttons and the
// arrow keys, and the warning when the field is left with a number outside the range.

#include <QApplication>
#include <QLineEdit>
#include <QToolButton>
#include <memory>

#include "panelkit2/range/real_num_box.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "tests/qt/form_fixture.hpp"

namespace panelkit2::qt {
namespace {

class RealNumBoxInputTest : public FormFixture {
  protected:
    void TearDown() override {
        box.reset();
        other.reset();
        FormFixture::TearDown();
    }

    // A field for a factor from -10 to 10 with a caption, a common action and two
    // sub-ranges, and a text field after it to leave it for. The focus starts there.
    void ShowRealNumBox() {
        box = std::make_unique<RealNumBox>();
        box->Surface().SetParent(form.get());
        box->Surface().Move(Tx(10), Ty(10));
        box->Caption("Gain factor");
        box->Min(-10);
        box->Max(10);
        box->AddAction("gain");
        box->SetConditionalAction(-10, 0.99f, "cut");
        box->SetConditionalAction(1, 10, "boost");
        other = std::make_unique<host::TextBox>(form.get(), "txtOther");
        Place(*other, 10, 60, 120, 22);
        ActivateForm();
        other->SetFocus();
        TheView().Sync();
        field = Shown<QLineEdit>(box->Field());
        ASSERT_NE(field, nullptr);
        RecordShownTexts(field);
        const auto buttons = Shown(box->SpinButtons())->findChildren<QToolButton*>();
        ASSERT_EQ(buttons.size(), 2);
        up = buttons[0];
        down = buttons[1];
    }
    // Tab from the other field into the real-number field, which selects it whole.
    void TabIntoField() {
        ASSERT_EQ(QApplication::focusWidget(), Shown(*other));
        PressOnFocus(Qt::Key_Tab);
        ASSERT_TRUE(field->hasFocus());
        ASSERT_EQ(field->selectedText(), field->text());
    }
    static void Click(QToolButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
    }

    std::unique_ptr<RealNumBox> box;
    std::unique_ptr<host::TextBox> other;
    QLineEdit* field = nullptr;
    QToolButton* up = nullptr;
    QToolButton* down = nullptr;
};

TEST_F(RealNumBoxInputTest, TypingARealNumberNeverShowsAKeystrokeThatLeavesNone) {
    ShowRealNumBox();
    TabIntoField();
    TypeOnFocus("2.5");
    EXPECT_EQ(field->text(), QStringLiteral("2.5"));
    EXPECT_EQ(box->GetSelectedAction(), "gain,boost");
    // A letter, a second point and a minus sign after the digits are taken back, the caret
    // stays where it was.
    TypeOnFocus("x.");
    EXPECT_EQ(field->text(), QStringLiteral("2.5"));
    EXPECT_EQ(field->cursorPosition(), 3);
    // The minus key changes the sign wherever the caret is.
    TypeOnFocus("-");
    EXPECT_EQ(field->text(), QStringLiteral("-2.5"));
    EXPECT_EQ(box->GetSelectedAction(), "gain,cut");
    // Backspace goes as far as the last digit, which stays.
    PressOnFocus(Qt::Key_End);
    for (int i = 0; i < 5; ++i) PressOnFocus(Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QStringLiteral("-2"));
    ExpectNeverShown(QStringLiteral("[^-0-9.]|\\..*\\.|.-"));
}

TEST_F(RealNumBoxInputTest, SpinButtonsStepTheLastDecimalPlaceAndLeaveTheFieldTheFocus) {
    ShowRealNumBox();
    TabIntoField();
    // A whole number gets a point first, then steps by a tenth, never beyond the range.
    TypeOnFocus("5");
    Click(up);
    EXPECT_EQ(field->text(), QStringLiteral("5.0"));
    Click(up);
    EXPECT_EQ(field->text(), QStringLiteral("5.1"));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_TRUE(box->Field().HasFocus());
    for (int i = 0; i < 60; ++i) Click(up);
    EXPECT_EQ(field->text(), QStringLiteral("10.0"));
    EXPECT_FLOAT_EQ(box->Value(), 10);

    // The spin buttons are the next stop; back in the field, a number with two decimals
    // steps by a hundredth and keeps both.
    PressOnFocus(Qt::Key_Tab);
    PressOnFocus(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), field);
    TypeOnFocus("1.29");
    Click(up);
    EXPECT_EQ(field->text(), QStringLiteral("1.30"));
    Click(down);
    Click(down);
    EXPECT_EQ(field->text(), QStringLiteral("1.28"));
}

TEST_F(RealNumBoxInputTest, ArrowKeysStepByOneAndTheKeypadMinusChangesTheSign) {
    ShowRealNumBox();
    TabIntoField();
    TypeOnFocus("0.75");
    PressOnFocus(Qt::Key_Up);
    EXPECT_EQ(field->text(), QStringLiteral("1.75"));
    EXPECT_EQ(field->selectedText(), QStringLiteral("1.75"));
    // A tenth of the range.
    PressOnFocus(Qt::Key_PageDown);
    EXPECT_EQ(field->text(), QStringLiteral("-0.25"));
    // The keypad minus changes the sign once, though it also types a minus sign.
    PressOnFocus(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(field->text(), QStringLiteral("0.25"));
    EXPECT_EQ(field->selectedText(), QStringLiteral("0.25"));
}

TEST_F(RealNumBoxInputTest, LeavingTheFieldOutOfRangeWarnsAndKeepsTheNumber) {
    ShowRealNumBox();
    TabIntoField();
    TypeOnFocus("12.5");
    BoxAnswerer answerer;
    // The spin buttons are the next stop.
    PressOnFocus(Qt::Key_Tab);
    EXPECT_EQ(answerer.answered, 1);
    EXPECT_EQ(answerer.title, QStringLiteral("Invalid Value"));
    EXPECT_EQ(answerer.text, QStringLiteral("The value you have entered is out the allowed range. "
                                            "Please enter a valid number"));
    EXPECT_EQ(field->text(), QStringLiteral("12.5"));
    EXPECT_EQ(field->selectedText(), QStringLiteral("12.5"));
    EXPECT_TRUE(box->SpinButtons().HasFocus());
    // Reading the value brings it into the range; the real field shows that too.
    EXPECT_FLOAT_EQ(box->Value(), 10);
    TheView().Sync();
    EXPECT_EQ(field->text(), QStringLiteral("10.0"));

    // Inside the range the focus moves on without a word.
    ActivateForm();
    PressOnFocus(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), field);
    TypeOnFocus("9.5");
    QTest::mouseClick(Shown(*other), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(other->HasFocus());
    EXPECT_EQ(answerer.answered, 1);
    EXPECT_EQ(field->cursorPosition(), 0);
}

}  // namespace
}  // namespace panelkit2::qt
