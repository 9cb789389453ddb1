// A StringBox on a ControlPort page in a real window: what is typed into its rows is what
// the control answers, Tab moves from row to row, and Return leaves the focus where it is.

#include <QLineEdit>
#include <QTest>
#include <string>

#include "panelkit2/choice/string_box.hpp"
#include "tests/qt/page_fixture.hpp"

namespace panelkit2::qt {
namespace {

class StringBoxInputTest : public PageFixture {
  protected:
    // A page asking for an account: three captioned rows, an action each and a common one.
    void SetUp() override {
        PageFixture::SetUp();
        box = &NewControl<StringBox>(ControlID::StringBox);
        box->AddAction("account");
        for (const char* row : {"User", "Password", "Host"}) {
            box->AddOption(row);
            box->AddAction(std::string("ask=") + row);
        }
        ShowPage();
    }
    QLineEdit* Row(int16_t idx) { return Shown<QLineEdit>(box->TextFields()[idx]); }
    bool Focused(int16_t idx) { return box->TextFields()[idx].HasFocus(); }
    // Puts the caret into a row with the mouse, as a person starts typing there.
    void ClickInto(int16_t idx) {
        QTest::mouseClick(Row(idx), Qt::LeftButton, {}, QPoint(4, Row(idx)->height() / 2));
    }

    StringBox* box = nullptr;
};

TEST_F(StringBoxInputTest, WhatIsTypedIntoTheRowsIsWhatTheControlAnswers) {
    for (int16_t i = 0; i < 3; ++i) ASSERT_NE(Row(i), nullptr);
    ActivateForm();
    // One field column for the three captions: the fields start at the same place, right
    // of their captions.
    EXPECT_EQ(Row(0)->x(), Row(2)->x());
    EXPECT_LT(Shown(box->CaptionLabels()[1])->geometry().right(), Row(1)->x());

    ClickInto(1);
    EXPECT_TRUE(Focused(1));
    QTest::keyClicks(Row(1), "secret");
    EXPECT_EQ(Row(1)->text(), "secret");
    int16_t idx = 1;
    EXPECT_EQ(box->Value(idx), "secret");
    // Rows left empty before the first text leave no trace, later ones an empty entry.
    EXPECT_EQ(box->GetSelectedOption(), "secret|");
    QTest::keyClick(Row(1), Qt::Key_Backspace);
    EXPECT_EQ(box->GetSelectedOption(), "secre|");
    // The actions are those of every row, whatever was typed.
    EXPECT_EQ(port.GetSelectedActions(), "account,ask=User,ask=Password,ask=Host");

    // What the host puts into the rows shows in them.
    box->SetSelectedOption("guest");
    TheView().Sync();
    for (int16_t i = 0; i < 3; ++i) EXPECT_EQ(Row(i)->text(), "guest");
    // A text set by the host puts the caret before it.
    QTest::keyClicks(Row(1), "!");
    EXPECT_EQ(Row(1)->text(), "!guest");
    QTest::keyClick(Row(1), Qt::Key_Backspace);
    QTest::keyClick(Row(1), Qt::Key_Delete);
    QTest::keyClick(Row(1), Qt::Key_End);
    QTest::keyClicks(Row(1), "!");
    EXPECT_EQ(box->GetSelectedOption(), "guest|uest!|guest");
}

TEST_F(StringBoxInputTest, TabMovesFromRowToRowAndReturnStaysInTheRow) {
    ActivateForm();
    ClickInto(0);
    QTest::keyClicks(Row(0), "admin");
    // A one-line field takes no line break, and the row keeps the focus.
    QTest::keyClick(Row(0), Qt::Key_Return);
    EXPECT_EQ(Row(0)->text(), "admin");
    EXPECT_TRUE(Focused(0));
    EXPECT_FALSE(Focused(1));

    QTest::keyClick(Row(0), Qt::Key_Tab);
    EXPECT_TRUE(Focused(1));
    QTest::keyClicks(Row(1), "secret");
    QTest::keyClick(Row(1), Qt::Key_Tab);
    EXPECT_TRUE(Focused(2));
    QTest::keyClicks(Row(2), "db.example.org");
    EXPECT_EQ(box->GetSelectedOption(), "admin|secret|db.example.org");
    QTest::keyClick(Row(2), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(Focused(1));
    QTest::keyClick(Row(1), Qt::Key_Enter);
    EXPECT_TRUE(Focused(1));

    // Emptying the first row takes it out of the answer.
    ClickInto(0);
    for (int i = 0; i < 5; ++i) QTest::keyClick(Row(0), Qt::Key_End);
    for (int i = 0; i < 5; ++i) QTest::keyClick(Row(0), Qt::Key_Backspace);
    EXPECT_EQ(Row(0)->text(), "");
    EXPECT_EQ(box->GetSelectedOption(), "secret|db.example.org");
    EXPECT_EQ(box->GetSelectedAction(), "account,ask=User,ask=Password,ask=Host");
}

}  // namespace
}  // namespace panelkit2::qt
