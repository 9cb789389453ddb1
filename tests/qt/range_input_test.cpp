// What a track with named ticks and a number field with spin buttons ask of the real
// widgets: drags, keys and the wheel settle where the model puts the thumb, spin buttons
// step their buddy field without taking its focus, the field's key and focus events come
// from real input, and the help popup beside a page follows the real window.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/toolkit/key_codes.hpp"
#include "panelkit2/toolkit/message_box.hpp"
#include "panelkit2/toolkit/slider.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/up_down.hpp"
#include "tests/qt/form_fixture.hpp"

namespace panelkit2::qt {
namespace {

// A page's child that asks its container for the help popup, as a track settling on a tick
// with a help text does. It answers what the container asks of every child.
class HelpAsker : public ControlBase {
  public:
    enum class Events : int32_t { HelpPop = 1, Hidepop };
    HelpAsker() : ControlBase("HelpAsker") { UserControl.Move(0, 0, 3000, 600); }
    const InterfaceTable& Interface() const override {
        using B = Bind<HelpAsker>;
        using V = VarType;
        static const InterfaceTable table(
            "Test.HelpAsker",
            std::vector<MemberDef>{
                B::Get("CtlID", 1, V::Integer,
                       [](HelpAsker&, Args) -> Variant {
                           return static_cast<int16_t>(ControlID::Slide);
                       }),
                B::Get("Show", 2, V::Boolean, [](HelpAsker&, Args) -> Variant { return true; }),
                B::Get("DesiredWidth", 3, V::Long,
                       [](HelpAsker&, Args) -> Variant { return int32_t{3000}; }),
                B::Method("Clear", 4, V::Empty, {}, [](HelpAsker&, Args) -> Variant { return {}; }),
            },
            {Event(Events::HelpPop, "HelpPop",
                   {ByRef("strHelp", VarType::String), ByRef("X", VarType::Long),
                    ByRef("Y", VarType::Long)}),
             Event(Events::Hidepop, "Hidepop")});
        return table;
    }
    // Asks for `text` at the point (x, y) of the child, in twips.
    void Pop(const std::string& text, float x, float y) {
        RaiseEvent(Events::HelpPop,
                   {Variant(text), static_cast<int32_t>(x), static_cast<int32_t>(y)});
    }

  protected:
    void UserControl_WriteProperties(host::PropertyBag&) override {}
    void UserControl_ReadProperties(host::PropertyBag&) override {}
};

class RangeInputTest : public FormFixture {
  protected:
    // Writes the name of a model event into `events` each time it is raised.
    template <class S>
    void Log(S& signal, const std::string& name) {
        signal.Connect([this, name](auto&&...) { events.push_back(name); });
    }
    // A track of five ticks, ten apart, `y` pixels down the form.
    std::unique_ptr<host::Slider> NewTrack(const char* name, int y) {
        auto made = std::make_unique<host::Slider>(form.get(), name);
        Place(*made, 10, y, 300, 30);
        made->Max(40);
        made->TickFrequency(10);
        return made;
    }
    // A text field `y` pixels down the form.
    std::unique_ptr<host::TextBox> NewField(const char* name, int y, const std::string& text) {
        auto made = std::make_unique<host::TextBox>(form.get(), name);
        Place(*made, 10, y, 120, 22);
        made->Text(text);
        return made;
    }
    // A track that snaps down to a tick whenever it settles and hints at the position while
    // it is dragged.
    void MakeSnappingTrack() {
        track = NewTrack("sld", 10);
        track->Change.Connect([this] { track->Value(track->Value() / 10 * 10); });
        track->Scroll.Connect([this] { track->Text("At " + std::to_string(track->Value())); });
        Log(track->MouseDown, "MouseDown");
        Log(track->MouseUp, "MouseUp");
        Log(track->Change, "Change");
    }
    void Type(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(widget, key, modifiers);
    }

    std::unique_ptr<host::Slider> track;
    std::vector<std::string> events;
};

TEST_F(RangeInputTest, ADraggedThumbRestsWhereTheModelSnapsIt) {
    MakeSnappingTrack();
    auto* shown = Shown<QSlider>(*track);
    EXPECT_EQ(shown->tickInterval(), 10);
    EXPECT_EQ(shown->maximum(), 40);

    const QPoint from = ThumbCentre(*shown, 0);
    const QPoint to = ThumbCentre(*shown, 27);
    QTest::mousePress(shown, Qt::LeftButton, {}, from);
    QTest::mouseMove(shown, to);
    // Free while held: the model follows the mouse and hints at the position.
    EXPECT_TRUE(track->Dragging());
    EXPECT_EQ(track->Value(), 27);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("At 27"));
    QTest::mouseRelease(shown, Qt::LeftButton, {}, to);

    // Let go, it settles once and snaps; Qt's thumb ends on the tick without echoing back.
    EXPECT_EQ(track->Value(), 20);
    EXPECT_EQ(shown->value(), 20);
    EXPECT_EQ(shown->sliderPosition(), 20);
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp", "Change", "Change"}));
}

TEST_F(RangeInputTest, KeysAndTheWheelStepTheModelAndOtherButtonsDoNothing) {
    MakeSnappingTrack();
    track->Value(20);
    auto* shown = Shown<QSlider>(*track);
    Type(shown, Qt::Key_Right);  // 21, snapped back
    EXPECT_EQ(track->Value(), 20);
    EXPECT_EQ(shown->value(), 20);
    Type(shown, Qt::Key_End);
    Type(shown, Qt::Key_PageUp);  // 35, snapped down
    EXPECT_EQ(track->Value(), 30);
    EXPECT_EQ(shown->value(), 30);

    // The wheel steps as an arrow key does, never further behind the model's back.
    const auto plain = NewTrack("sldPlain", 60);
    plain->Value(20);
    const auto changes = Count(plain->Change);
    auto* wheeled = Shown<QSlider>(*plain);
    const QPointF at(wheeled->rect().center());
    QWheelEvent wheel(at, wheeled->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(wheeled, &wheel);
    EXPECT_EQ(std::abs(plain->Value() - 20), 1);
    EXPECT_EQ(*changes, 1);
    EXPECT_EQ(wheeled->value(), plain->Value());

    // Qt's style jumps the thumb on a middle click; the model's track knows no such thing.
    const int before = plain->Value();
    const auto presses = Count(plain->MouseDown);
    QTest::mouseClick(wheeled, Qt::MiddleButton, {}, ThumbCentre(*wheeled, 40));
    EXPECT_EQ(plain->Value(), before);
    EXPECT_EQ(wheeled->value(), before);
    EXPECT_EQ(*presses, 0);
}

TEST_F(RangeInputTest, SpinButtonsStepTheirBuddyAndLeaveItTheFocus) {
    const auto made = NewField("txt", 10, "5");
    host::TextBox& field = *made;
    host::UpDown spin(form.get(), "upd");
    Place(spin, 130, 10, 17, 22);
    spin.SetBuddy(
        &field, [&] { return field.Text(); }, [&](const std::string& text) { field.Text(text); });
    spin.BuddyProperty("Text");
    const auto leaves = Count(field.LostFocus);
    ActivateForm();
    field.SetFocus();
    TheView().Sync();

    const auto buttons = Shown(spin)->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    QTest::mouseClick(buttons[0], Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(field.Text(), "6");
    EXPECT_EQ(Shown<QLineEdit>(field)->text(), QStringLiteral("6"));
    QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(Shown<QLineEdit>(field)->text(), QStringLiteral("4"));
    EXPECT_DOUBLE_EQ(spin.Value(), 4);
    // A number field checks its value when it loses the focus: spinning must not do that.
    EXPECT_TRUE(field.HasFocus());
    EXPECT_TRUE(Shown(field)->hasFocus());
    EXPECT_EQ(*leaves, 0);
}

TEST_F(RangeInputTest, AFieldsKeyHandlersDecideWhatTheRealFieldShows) {
    const auto made = NewField("txt", 10, "");
    host::TextBox& field = *made;
    // Digits, the minus sign and Backspace only; Up steps the number and selects it all.
    field.KeyPress.Connect([](int16_t& key) {
        if (!(key >= '0' && key <= '9') && key != '-' && key != host::key::Back) key = 0;
    });
    std::vector<int16_t> codes;
    field.KeyDown.Connect([&](int16_t& code, int16_t) {
        codes.push_back(code);
        if (code == host::key::Up) {
            field.Text(std::to_string(std::stoi(field.Text()) + 1));
            field.SelLength(static_cast<int32_t>(field.Text().size()));
            code = 0;
        } else if (code == host::key::Delete) {
            code = 0;
        }
    });
    auto* edit = Shown<QLineEdit>(field);
    QTest::keyClicks(edit, "1x2.");
    EXPECT_EQ(field.Text(), "12");
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    Type(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), QStringLiteral("13"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("13"));
    // A consumed Delete deletes nothing, neither in the model nor in Qt's field.
    Type(edit, Qt::Key_Home);
    Type(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("13"));
    EXPECT_EQ(edit->cursorPosition(), 0);
    // The keypad's minus has a code of its own; the main keyboard's only types.
    Type(edit, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(codes.back(), host::key::Subtract);
}

TEST_F(RangeInputTest, FocusReachesTheFieldAndAWarningOnLeavingItHoldsNothingUp) {
    const auto number = NewField("txtNumber", 10, "250");
    const auto next = NewField("txtOther", 40, "");
    host::TextBox& field = *number;
    host::TextBox& other = *next;
    other.TabIndex(0);
    field.TabIndex(1);
    // The field puts the caret at its end when it gets the focus, and warns when it is
    // left with a number out of range, then selects it all.
    field.GotFocus.Connect([&] { field.SelStart(static_cast<int32_t>(field.Text().size())); });
    int warnings = 0;
    field.LostFocus.Connect([&] {
        ++warnings;
        host::MsgBox("The number is out of range", "Invalid Value");
        field.SelStart(0);
        field.SelLength(static_cast<int32_t>(field.Text().size()));
    });
    ActivateForm();
    other.SetFocus();
    TheView().Sync();

    Type(Shown(other), Qt::Key_Tab);
    EXPECT_TRUE(field.HasFocus());
    auto* edit = Shown<QLineEdit>(field);
    EXPECT_TRUE(edit->hasFocus());
    // The model chose the caret: Qt's own select-all on Tab does not override it.
    EXPECT_EQ(field.SelLength(), 0);
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->cursorPosition(), 3);

    QString warning;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warning = box->windowTitle();
            box->accept();
        }
    });
    QTest::mouseClick(Shown(other), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(warning, QStringLiteral("Invalid Value"));
    EXPECT_EQ(warnings, 1);
    EXPECT_TRUE(other.HasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("250"));
    // The view goes on showing input once the box is gone.
    QTest::keyClicks(Shown(other), "ok");
    EXPECT_EQ(Shown<QLineEdit>(other)->text(), QStringLiteral("ok"));
    EXPECT_EQ(warnings, 1);
}

TEST_F(RangeInputTest, TheHelpPopupStandsBesideTheChildUntilTheWindowMovesOrTheUserLeaves) {
    ControlPort port;
    port.Surface().SetParent(form.get());
    port.Surface().Move(Tx(20), Ty(30), Tx(360), Ty(240));
    port.UseCreator(ControlID::Slide, [] { return std::make_shared<HelpAsker>(); });
    const ObjectRef child = port.GetNewControl(static_cast<int16_t>(ControlID::Slide));
    port.AddControl(child);
    port.HelpPopup().SetTimer(30000);  // only the window and the application hide it here
    port.Surface().Show.Emit();
    auto& asker = static_cast<HelpAsker&>(*child);
    QWidget* window = Shown(*form);
    ASSERT_EQ(window->pos(), QPoint(40, 40));

    // The anchor, in screen pixels: the window, the container in it, the child's place in
    // the container and the point the child names.
    const auto anchor = [&] {
        const QPoint child(static_cast<int>(asker.Surface().Left() / Host().TwipsPerPixelX()),
                           static_cast<int>(asker.Surface().Top() / Host().TwipsPerPixelY()));
        return window->pos() + QPoint(20, 30) + child + QPoint(50, 10);
    };
    const auto expectPopupAt = [&](QPoint point) {
        QWidget* popup = Shown(port.HelpPopup().PopupForm());
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->isVisible());
        EXPECT_NEAR(popup->x() + popup->width() / 2.0, point.x(), 1);
        EXPECT_EQ(popup->y(), point.y());
    };
    asker.Pop("Faster", Tx(50), Ty(10));
    expectPopupAt(anchor());
    // The host placing its window is no move by the user: the view's own move of the real
    // window does not come back as one.
    form->Move(Tx(60), Ty(50));
    TheView().Sync();
    QTest::qWait(1);
    EXPECT_EQ(window->pos(), QPoint(60, 50));
    EXPECT_TRUE(port.HelpPopup().Visible());

    // The user drags the window away: the model follows it and the popup goes.
    window->move(150, 120);
    QTest::qWait(1);
    EXPECT_EQ(form->Left(), Tx(150));
    EXPECT_EQ(form->Top(), Ty(120));
    EXPECT_FALSE(port.HelpPopup().Visible());
    EXPECT_FALSE(Shown(port.HelpPopup().PopupForm())->isVisible());
    asker.Pop("Faster", Tx(50), Ty(10));
    expectPopupAt(anchor());

    // Switching to another application hides it as well.
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(Shown(port.HelpPopup().PopupForm())->isVisible());
}

}  // namespace
}  // namespace panelkit2::qt
