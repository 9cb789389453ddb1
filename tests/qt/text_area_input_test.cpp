// A TextArea alone on a ControlPort page in a window: it takes the page's height, what is
// typed (Return starting a new line) is what the control answers, and the text scrolls
// with the caret and under the wheel without changing.

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QWheelEvent>
#include <string>

#include "panelkit2/choice/text_area.hpp"
#include "tests/qt/page_fixture.hpp"

namespace panelkit2::qt {
namespace {

class TextAreaInputTest : public PageFixture {
  protected:
    // A page asking for remarks, with an action that is always the answer.
    void SetUp() override {
        PageFixture::SetUp();
        area = &NewControl<TextArea>(ControlID::TextArea);
        area->SetCaption("Anything the administrator should know?");
        area->AddAction("remarks=on");
        ShowPage();
        shown = Shown<QPlainTextEdit>(area->Field());
    }
    // Puts the caret into the field with the mouse, as a person starts typing there.
    void ClickInto() {
        ActivateForm();
        QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    }
    void TypeLines(int count) {
        for (int i = 1; i <= count; ++i) {
            QTest::keyClicks(shown, "line " + QString::number(i));
            if (i < count) QTest::keyClick(shown, Qt::Key_Return);
        }
    }
    // Notches of the wheel away from the user (up), one event each.
    void Wheel(int notches) {
        const QPoint centre = shown->viewport()->rect().center();
        for (int i = 0; i < notches; ++i) {
            QWheelEvent wheel(centre, shown->viewport()->mapToGlobal(centre), QPoint(),
                              QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QCoreApplication::sendEvent(shown->viewport(), &wheel);
        }
    }
    bool CaretShown() { return shown->viewport()->rect().contains(shown->cursorRect()); }
    QScrollBar& Scroll() { return *shown->verticalScrollBar(); }
    // The line of the field at the top of what it shows.
    QString TopLine() { return shown->cursorForPosition(QPoint(2, 2)).block().text(); }

    TextArea* area = nullptr;
    QPlainTextEdit* shown = nullptr;
};

TEST_F(TextAreaInputTest, ReturnStartsANewLineOfTheAnswer) {
    ASSERT_NE(shown, nullptr);
    // Alone on the page, the control is as high as the page less 300 twips.
    EXPECT_EQ(area->Surface().Height(), port.Surface().Height() - 300);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_GT(shown->height(), Shown(area->CaptionLabel())->height() * 5);

    ClickInto();
    EXPECT_TRUE(area->Field().HasFocus());
    QTest::keyClicks(shown, "Disk C is full");
    QTest::keyClick(shown, Qt::Key_Return);
    QTest::keyClicks(shown, "Use D");
    QTest::keyClick(shown, Qt::Key_Enter);
    EXPECT_EQ(area->GetSelectedOption(), "Disk C is full\r\nUse D\r\n");
    EXPECT_EQ(shown->blockCount(), 3);
    EXPECT_EQ(shown->document()->findBlockByNumber(1).text(), "Use D");
    // Backspace takes a line break as one character.
    QTest::keyClick(shown, Qt::Key_Backspace);
    QTest::keyClick(shown, Qt::Key_Backspace);
    EXPECT_EQ(area->GetSelectedOption(), "Disk C is full\r\nUse ");
    EXPECT_EQ(shown->blockCount(), 2);
    // The arrow keys go from line to line.
    QTest::keyClick(shown, Qt::Key_Up);
    QTest::keyClicks(shown, "D");
    QTest::keyClick(shown, Qt::Key_End);
    QTest::keyClicks(shown, "!");
    QTest::keyClick(shown, Qt::Key_Down);
    QTest::keyClicks(shown, "E");
    EXPECT_EQ(area->GetSelectedOption(), "DiskD C is full!\r\nUse E");
    // Whatever was typed, the answer is the actions attached.
    EXPECT_EQ(port.GetSelectedActions(), "remarks=on");

    // The host's lines show as lines, and typing goes on where the model puts the caret.
    area->SetSelectedOption("one\r\ntwo");
    TheView().Sync();
    EXPECT_EQ(shown->toPlainText(), "one\ntwo");
    QTest::keyClicks(shown, ">");
    EXPECT_EQ(area->Text(), ">one\r\ntwo");
}

TEST_F(TextAreaInputTest, TheFieldScrollsWithTheCaretAndUnderTheWheel) {
    ASSERT_NE(shown, nullptr);
    ClickInto();
    TypeLines(40);
    EXPECT_EQ(shown->blockCount(), 40);
    // More lines than the field shows: the view follows the caret to the last line.
    ASSERT_GT(Scroll().maximum(), 0);
    EXPECT_GT(Scroll().value(), 0);
    EXPECT_TRUE(CaretShown());

    // The wheel scrolls back to the top; the text and the caret stay as they are.
    Wheel(40);
    EXPECT_EQ(Scroll().value(), 0);
    EXPECT_EQ(TopLine(), "line 1");
    EXPECT_FALSE(CaretShown());
    const std::string typed = area->Text();
    EXPECT_EQ(typed.substr(typed.size() - 9), "\r\nline 40");
    EXPECT_EQ(area->Field().SelStart(), static_cast<int32_t>(typed.size()));
    // Dragging the scroll bar shows the middle.
    Scroll().setValue(Scroll().maximum() / 2);
    EXPECT_NE(TopLine(), "line 1");
    EXPECT_FALSE(CaretShown());
    EXPECT_EQ(area->Text(), typed);

    // Typing brings the caret back into view at the end.
    QTest::keyClicks(shown, "!");
    EXPECT_TRUE(CaretShown());
    EXPECT_EQ(area->GetSelectedOption(), typed + "!");
}

}  // namespace
}  // namespace panelkit2::qt
