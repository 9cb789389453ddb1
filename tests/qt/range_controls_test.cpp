// A track of named retention steps in a container and a number field, used as a person
// uses them in a real window: the thumb dragged and stepped with the keys, the help popup
// beside the page, typing, keys, spin buttons and the warning when a field is left.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/range/num_box.hpp"
#include "panelkit2/range/slide.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "qt/mirrors/lines_widget.hpp"
#include "tests/qt/form_fixture.hpp"

namespace panelkit2::qt {
namespace {

// Where the track last asked for its help, in twips of the control.
struct HelpRequests : EventSink {
    void OnEvent(Dispatchable&, const EventDef& event, Args args) override {
        if (event.name == "HelpPop" && args.size() == 3)
            at = QPointF(args[1].AsLong(), args[2].AsLong());
    }
    QPointF at;
};

class RangeControlsTest : public FormFixture {
  protected:
    void TearDown() override {
        box.reset();
        port.reset();
        FormFixture::TearDown();
    }

    // A container filling the form with a track of four retention steps: a common action,
    // an action on every step and help on the middle two. The popup stays until the test
    // lets it go.
    void ShowSlideInPort() {
        port = std::make_unique<ControlPort>();
        port->Surface().SetParent(form.get());
        port->Surface().Move(Tx(10), Ty(10), Tx(380), Ty(280));
        const ObjectRef child = port->GetNewControl(static_cast<int16_t>(ControlID::Slide));
        slide = std::static_pointer_cast<Slide>(child);
        slide->Advise(requests);
        slide->SetCaption("Keep backups for");
        slide->AddAction("backup");
        const char* ticks[][3] = {{"A day", "keep=1d", ""},
                                  {"A week", "keep=7d", "Seven daily copies"},
                                  {"A month", "keep=30d", "Thirty daily copies, then weekly"},
                                  {"A year", "keep=1y", ""}};
        for (const auto& [caption, action, help] : ticks) {
            slide->AddTick(caption);
            slide->AddAction(action);
            if (*help) slide->AddHelp(help);
        }
        port->AddControl(child);
        port->HelpPopup().SetTimer(30000);
        port->Surface().Show.Emit();
        TheView().Sync();
        ASSERT_EQ(slide->Track().TickFrequency(), 333);
        track = Shown<QSlider>(slide->Track());
        ASSERT_NE(track, nullptr);
    }
    QWidget* Popup() { return Shown(port->HelpPopup().PopupForm()); }
    QString MiddleCaption() { return Shown<LinesWidget>(slide->TickCaptionLabel())->Text(); }
    // The popup shows `help`, centred on the point the track named and hanging from it,
    // which lies above the real track, within the control's width.
    void ExpectHelpBesideTrack(const char* help) {
        QWidget* popup = Popup();
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->isVisible());
        EXPECT_TRUE(port->HelpPopup().Visible());
        EXPECT_EQ(Shown<QLabel>(port->HelpPopup().PopupForm().CaptionLabel())->text(),
                  QString::fromUtf8(help));
        const QWidget* control = Shown(slide->Surface());
        const QPoint anchor =
            control->mapToGlobal(QPoint(qRound(requests->at.x() / Host().TwipsPerPixelX()),
                                        qRound(requests->at.y() / Host().TwipsPerPixelY())));
        EXPECT_NEAR(popup->x() + popup->width() / 2.0, anchor.x(), 1);
        EXPECT_NEAR(popup->y(), anchor.y(), 1);
        const QRect onScreen(control->mapToGlobal(QPoint(0, 0)), control->size());
        EXPECT_GT(popup->x() + popup->width() / 2, onScreen.left());
        EXPECT_LT(popup->x() + popup->width() / 2, onScreen.right());
        EXPECT_LT(popup->y(), track->mapToGlobal(QPoint(0, 0)).y());
        EXPECT_GT(popup->y() + popup->height(), onScreen.top());
    }

    // A number field with a caption, 0 to 500, a common action and two sub-ranges, and a
    // text field after it to leave it for.
    void ShowNumBox() {
        box = std::make_unique<NumBox>();
        box->Surface().SetParent(form.get());
        box->Surface().Move(Tx(10), Ty(10));
        box->Caption("Copies to keep");
        box->Min(0);
        box->Max(500);
        box->AddAction("copies");
        box->SetConditionalAction(0, 9, "few");
        box->SetConditionalAction(10, 500, "many");
        other = std::make_unique<host::TextBox>(form.get(), "txtOther");
        Place(*other, 10, 60, 120, 22);
        ActivateForm();
        other->SetFocus();
        TheView().Sync();
        field = Shown<QLineEdit>(box->Field());
        ASSERT_NE(field, nullptr);
        // Every text the real field ever shows.
        RecordShownTexts(field);
    }
    // Tab from the other field into the number field, which selects it whole.
    void TabIntoField() {
        ASSERT_EQ(QApplication::focusWidget(), Shown(*other));
        PressOnFocus(Qt::Key_Tab);
        ASSERT_TRUE(field->hasFocus());
        ASSERT_EQ(field->selectedText(), field->text());
    }

    std::unique_ptr<ControlPort> port;
    std::shared_ptr<Slide> slide;
    std::shared_ptr<HelpRequests> requests = std::make_shared<HelpRequests>();
    QSlider* track = nullptr;

    std::unique_ptr<NumBox> box;
    std::unique_ptr<host::TextBox> other;
    QLineEdit* field = nullptr;
};

// ---------------------------------------------------------------------------------------
// A track of named steps in a container

TEST_F(RangeControlsTest, ADraggedThumbSnapsToTheStepBelowAndOffersItsHelp) {
    ShowSlideInPort();
    ActivateForm();
    EXPECT_EQ(MiddleCaption(), QStringLiteral("A day"));
    EXPECT_EQ(slide->GetSelectedAction(), "backup,keep=1d");

    // Halfway between the second and the third step, held: the middle caption follows.
    const QPoint to = ThumbCentre(*track, 500);
    QTest::mousePress(track, Qt::LeftButton, {}, ThumbCentre(*track, 0));
    QTest::mouseMove(track, to);
    EXPECT_TRUE(slide->Track().Dragging());
    EXPECT_GT(slide->Track().Value(), 333);
    EXPECT_LT(slide->Track().Value(), 666);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("A week"));
    QTest::mouseRelease(track, Qt::LeftButton, {}, to);

    // Let go: down onto the second step, in the model and on screen.
    EXPECT_EQ(slide->Track().Value(), 333);
    EXPECT_EQ(track->value(), 333);
    EXPECT_EQ(track->sliderPosition(), 333);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("A week"));
    EXPECT_EQ(slide->GetSelectedOption(), "A week");
    EXPECT_EQ(slide->GetSelectedAction(), "backup,keep=7d");
    EXPECT_EQ(port->GetSelectedActions(), "backup,keep=7d");
    ExpectHelpBesideTrack("Seven daily copies");
    // The popup never takes the focus from the track.
    EXPECT_TRUE(track->hasFocus());
    EXPECT_TRUE(slide->Track().HasFocus());
}

TEST_F(RangeControlsTest, ArrowKeysStepAWholeStepAndTheHelpGoesWhereThereIsNone) {
    ShowSlideInPort();
    ActivateForm();
    // A click on the thumb gives the track the focus, as the keys need.
    const QPoint thumb = ThumbCentre(*track, 0);
    QTest::mouseClick(track, Qt::LeftButton, {}, thumb);
    ASSERT_EQ(QApplication::focusWidget(), track);
    EXPECT_EQ(slide->Track().Value(), 0);

    PressOnFocus(Qt::Key_Right);
    EXPECT_EQ(track->value(), 333);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("A week"));
    ExpectHelpBesideTrack("Seven daily copies");
    PressOnFocus(Qt::Key_Right);
    EXPECT_EQ(track->value(), 666);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("A month"));
    EXPECT_EQ(slide->GetSelectedAction(), "backup,keep=30d");
    ExpectHelpBesideTrack("Thirty daily copies, then weekly");

    // The last step has no help: the popup goes.
    PressOnFocus(Qt::Key_Right);
    EXPECT_EQ(track->value(), 999);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("A year"));
    EXPECT_EQ(slide->GetSelectedAction(), "backup,keep=1y");
    EXPECT_FALSE(port->HelpPopup().Visible());
    EXPECT_FALSE(Popup()->isVisible());
    PressOnFocus(Qt::Key_Left);
    EXPECT_EQ(track->value(), 666);
    ExpectHelpBesideTrack("Thirty daily copies, then weekly");

    // The user drags the window away: the popup does not stay behind.
    QWidget* window = Shown(*form);
    window->move(150, 120);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Left() == Tx(150); }, 5000));
    EXPECT_FALSE(port->HelpPopup().Visible());
    EXPECT_FALSE(Popup()->isVisible());
    // Back at a step with help, it comes again beside the window's new place.
    PressOnFocus(Qt::Key_Left);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("A week"));
    ExpectHelpBesideTrack("Seven daily copies");
}

TEST_F(RangeControlsTest, TheHelpPopupGoesByItselfAfterAWhile) {
    ShowSlideInPort();
    port->HelpPopup().SetTimer(50);
    ActivateForm();
    QTest::mouseClick(track, Qt::LeftButton, {}, ThumbCentre(*track, 0));
    PressOnFocus(Qt::Key_Right);
    ExpectHelpBesideTrack("Seven daily copies");
    // The timer runs on the event loop; the wait is bounded, nothing is timed.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Popup()->isVisible(); }, 10000));
    EXPECT_FALSE(port->HelpPopup().Visible());
    // The step stays chosen, and its help comes again when the thumb returns to it.
    EXPECT_EQ(slide->GetSelectedAction(), "backup,keep=7d");
    PressOnFocus(Qt::Key_Right);
    PressOnFocus(Qt::Key_Left);
    ExpectHelpBesideTrack("Seven daily copies");
}

// ---------------------------------------------------------------------------------------
// A number field

TEST_F(RangeControlsTest, TypingLeavesAPlainNumberAndNeverShowsALetter) {
    ShowNumBox();
    TabIntoField();
    TypeOnFocus("007");
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    EXPECT_EQ(box->Value(), 7);
    EXPECT_EQ(box->GetSelectedAction(), "copies,few");
    TypeOnFocus("x2a.");
    EXPECT_EQ(field->text(), QStringLiteral("72"));
    EXPECT_EQ(field->cursorPosition(), 2);
    EXPECT_EQ(box->GetSelectedAction(), "copies,many");
    // Backspace passes; an emptied field shows 0.
    PressOnFocus(Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    EXPECT_EQ(box->GetSelectedAction(), "copies,few");
    PressOnFocus(Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QStringLiteral("0"));
    // Not for a moment did the real field show a refused character or a leading zero.
    ExpectNeverShown(QStringLiteral("[^0-9-]|^-?0[0-9]"));
}

TEST_F(RangeControlsTest, KeysAndSpinButtonsStepTheField) {
    ShowNumBox();
    TabIntoField();
    TypeOnFocus("40");
    PressOnFocus(Qt::Key_Up);
    EXPECT_EQ(field->text(), QStringLiteral("41"));
    EXPECT_EQ(field->selectedText(), QStringLiteral("41"));
    // A tenth of the range, at most 100.
    PressOnFocus(Qt::Key_PageUp);
    EXPECT_EQ(field->text(), QStringLiteral("91"));
    EXPECT_EQ(field->selectedText(), QStringLiteral("91"));
    PressOnFocus(Qt::Key_PageDown);
    PressOnFocus(Qt::Key_Down);
    EXPECT_EQ(field->text(), QStringLiteral("40"));
    EXPECT_EQ(box->GetSelectedAction(), "copies,many");

    // The spin buttons step the field and leave it the focus.
    const auto buttons = Shown(box->SpinButtons())->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    QTest::mouseClick(buttons[0], Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(field->text(), QStringLiteral("41"));
    for (int i = 0; i < 32; ++i) QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(field->text(), QStringLiteral("9"));
    EXPECT_EQ(box->GetSelectedAction(), "copies,few");
    EXPECT_TRUE(field->hasFocus());
    EXPECT_TRUE(box->Field().HasFocus());
    // Never below the range.
    for (int i = 0; i < 12; ++i) QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(field->text(), QStringLiteral("0"));
}

TEST_F(RangeControlsTest, LeavingTheFieldOutOfRangeWarnsAndKeepsTheNumber) {
    ShowNumBox();
    TabIntoField();
    TypeOnFocus("250");
    // The spin buttons are the next stop, their Up and Down keys step the field. Inside the
    // range the focus moves on without a word.
    {
        BoxAnswerer answerer;
        PressOnFocus(Qt::Key_Tab);
        EXPECT_TRUE(box->SpinButtons().HasFocus());
        EXPECT_EQ(QApplication::focusWidget(), Shown(box->SpinButtons()));
        PressOnFocus(Qt::Key_Up);
        EXPECT_EQ(field->text(), QStringLiteral("251"));
        EXPECT_EQ(answerer.answered, 0);
    }

    PressOnFocus(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(field->selectedText(), QStringLiteral("251"));
    TypeOnFocus("750");
    BoxAnswerer answerer;
    PressOnFocus(Qt::Key_Tab);
    EXPECT_EQ(answerer.answered, 1);
    EXPECT_EQ(answerer.title, QStringLiteral("Invalid Value"));
    EXPECT_EQ(answerer.text, QStringLiteral("The value you have entered is out the allowed range. "
                                            "Please enter a valid number"));
    // The number stays as typed, selected whole; the focus went where the user sent it.
    EXPECT_EQ(field->text(), QStringLiteral("750"));
    EXPECT_EQ(box->Field().Text(), "750");
    EXPECT_EQ(field->selectedText(), QStringLiteral("750"));
    EXPECT_TRUE(box->SpinButtons().HasFocus());
    QWidget* window = Shown(*form);
    EXPECT_EQ(window->focusWidget(), Shown(box->SpinButtons()));
    // The window manager gives the window back its activation once the box is gone.
    ActivateForm();
    PressOnFocus(Qt::Key_Tab);
    EXPECT_TRUE(other->HasFocus());
    EXPECT_EQ(QApplication::focusWidget(), Shown(*other));
    EXPECT_EQ(answerer.answered, 1);

    // The keypad minus makes the number negative, out of range too; a click elsewhere
    // leaves the field as well.
    TabIntoField();
    PressOnFocus(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(field->text(), QStringLiteral("-750"));
    QTest::mouseClick(Shown(*other), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(answerer.answered, 2);
    EXPECT_EQ(field->text(), QStringLiteral("-750"));
    EXPECT_TRUE(other->HasFocus());
}

}  // namespace
}  // namespace panelkit2::qt
