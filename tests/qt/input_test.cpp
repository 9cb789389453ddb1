// Real input on the QWidgets (QTest mouse and keys at explicit points) reaches the model
// through its user-input entry points, and the QWidgets then show what the model made of it.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/toolkit/check_box.hpp"
#include "panelkit2/toolkit/combo_box.hpp"
#include "panelkit2/toolkit/command_button.hpp"
#include "panelkit2/toolkit/form.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/list_box.hpp"
#include "panelkit2/toolkit/slider.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/up_down.hpp"
#include "panelkit2/toolkit/vscroll_bar.hpp"
#include "qt/mirrors/lines_widget.hpp"
#include "tests/qt/form_fixture.hpp"

namespace panelkit2::qt {
namespace {

class InputTest : public FormFixture {};

struct PushSink : EventSink {
    void OnEvent(Dispatchable&, const EventDef& event, Args args) override {
        seen.push_back(std::string(event.name) + ":" + args[0].AsString());
    }
    std::vector<std::string> seen;
};

TEST_F(InputTest, ClickingACheckOnItsBoxOrCaptionChangesItsAction) {
    Check check;
    check.AddOption("TRUE");
    check.AddAction("log=on");
    check.AddOption("FALSE");
    check.AddAction("log=off");
    check.Caption("Enable logging");
    check.Surface().SetParent(form.get());
    check.Surface().Move(Tx(10), Ty(10));
    TheView().Sync();
    ASSERT_EQ(check.GetSelectedAction(), "log=off");

    // The box is at the control's left edge; the click goes to the box, not the centre.
    QWidget* box = Shown(check.Box());
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(check.Value());
    EXPECT_EQ(check.GetSelectedAction(), "log=on");
    EXPECT_EQ(Shown<QCheckBox>(check.Box())->checkState(), Qt::Checked);

    auto* caption = Shown<LinesWidget>(check.CaptionLabel());
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->Text(), QStringLiteral("Enable logging"));
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_FALSE(check.Value());
    EXPECT_EQ(check.GetSelectedAction(), "log=off");
    EXPECT_EQ(Shown<QCheckBox>(check.Box())->checkState(), Qt::Unchecked);
}

TEST_F(InputTest, ClicksOnCommandButtonsReachTheModel) {
    host::CommandButton button(form.get(), "cmdNext");
    Place(button, 10, 10, 80, 25);
    button.Caption("Next");
    const auto clicks = Count(button.Click);
    QTest::mouseClick(Shown(button), Qt::LeftButton, {}, QPoint(40, 12));
    EXPECT_EQ(*clicks, 1);
    EXPECT_TRUE(button.HasFocus());
    button.Enabled(false);
    TheView().Sync();
    QTest::mouseClick(Shown(button), Qt::LeftButton, {}, QPoint(40, 12));
    EXPECT_EQ(*clicks, 1);

    // The Command control's caption covers its button: pressing on it draws the button
    // pressed, releasing pushes it.
    Command command;
    auto sink = std::make_shared<PushSink>();
    command.Advise(sink);
    command.AddOption("TRUE");
    command.AddAction("go");
    command.Caption("Continue");
    command.Surface().SetParent(form.get());
    command.Surface().Move(Tx(10), Ty(60));
    QWidget* caption = Shown(command.CaptionLabel());
    ASSERT_NE(caption, nullptr);
    const QPoint middle = caption->rect().center();
    QTest::mousePress(caption, Qt::LeftButton, {}, middle);
    TheView().Sync();
    EXPECT_TRUE(Shown<QPushButton>(command.Button())->isDown());
    QTest::mouseRelease(caption, Qt::LeftButton, {}, middle);
    EXPECT_FALSE(Shown<QPushButton>(command.Button())->isDown());
    EXPECT_EQ(sink->seen, (std::vector<std::string>{"ButtonPushed:go"}));
    EXPECT_EQ(command.GetSelectedOption(), "True");
}

TEST_F(InputTest, KeysTypeThroughTheModelsKeyEvents) {
    host::TextBox text(form.get(), "txtName");
    Place(text, 10, 10, 200, 22);
    text.MaxLength(6);
    // The field's own handler refuses digits, as a host's KeyPress handler may.
    text.KeyPress.Connect([](int16_t& key) {
        if (key >= '0' && key <= '9') key = 0;
    });
    auto* edit = Shown<QLineEdit>(text);
    QTest::keyClicks(edit, "ab1");
    // QTest types ASCII only; a key of a non-English layout carries just its text.
    QKeyEvent accent(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xC3\xA9"));
    QApplication::sendEvent(edit, &accent);
    EXPECT_EQ(text.Text(), "ab\xC3\xA9");
    EXPECT_EQ(edit->text(), QString::fromUtf8("ab\xC3\xA9"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(text.Text(), "a\xC3\xA9");
    EXPECT_EQ(text.SelStart(), 1);
    EXPECT_EQ(edit->cursorPosition(), 1);
    QTest::keyClicks(edit, "xyzwv");  // the limit is six characters
    EXPECT_EQ(text.Text(), "axyzw\xC3\xA9");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text.Text(), "axyz\xC3\xA9");
    EXPECT_EQ(edit->text(), QString::fromUtf8("axyz\xC3\xA9"));

    // The mouse selects in Qt; the model takes the selection.
    QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(text.SelStart(), 0);
    EXPECT_EQ(text.SelLength(), 5);
    EXPECT_EQ(text.SelText(), "axyz\xC3\xA9");
}

TEST_F(InputTest, PickingEntriesOfListsAndDropDowns) {
    host::ListBox list(form.get(), "lst");
    Place(list, 10, 10, 150, 120);
    list.MultiSelect(host::ListBox::SelectExtended);
    for (const char* entry : {"Apple", "Banana", "Cherry", "Date"}) list.AddItem(entry);
    const auto clicks = Count(list.Click);
    auto* shown = Shown<QListWidget>(list);
    const auto clickRow = [&](int row, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(shown->viewport(), Qt::LeftButton, modifiers,
                          shown->visualItemRect(shown->item(row)).center());
    };
    clickRow(1, {});
    clickRow(3, Qt::ControlModifier);
    EXPECT_EQ(*clicks, 2);
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_EQ(list.SelCount(), 2);
    EXPECT_TRUE(shown->item(1)->isSelected());
    EXPECT_TRUE(shown->item(3)->isSelected());
    EXPECT_FALSE(shown->item(2)->isSelected());
    // Keys: Up selects the entry above, a letter jumps to the next entry starting with it.
    QTest::keyClick(shown, Qt::Key_Up);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.SelCount(), 1);
    QTest::keyClick(shown, Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(shown->currentRow(), 0);

    host::ComboBox combo(form.get(), "cbo");
    Place(combo, 200, 10, 120, 24);
    for (const char* entry : {"Small", "Medium", "Large"}) combo.AddItem(entry);
    combo.ListIndex(0);
    const auto picks = Count(combo.Click);
    const auto keys = Count(combo.KeyDown);
    const auto opened = Count(combo.DropDown);
    auto* shownCombo = Shown<QComboBox>(combo);
    QTest::keyClick(shownCombo, Qt::Key_Down);
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(shownCombo->currentIndex(), 1);
    EXPECT_EQ(*picks, 1);
    // Opening reaches the model by mouse and by key; the open list is Qt's until a pick.
    QTest::mouseClick(shownCombo, Qt::LeftButton, {}, shownCombo->rect().center());
    EXPECT_EQ(*opened, 1);
    EXPECT_TRUE(combo.HasFocus());
    QTest::keyClick(shownCombo->view(), Qt::Key_Escape);
    QTest::keyClick(shownCombo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(*opened, 2);
    EXPECT_TRUE(shownCombo->view()->isVisible());
    QTest::keyClick(shownCombo->view(), Qt::Key_Escape);
    QTest::keyClick(shownCombo, Qt::Key_Space);
    EXPECT_FALSE(shownCombo->view()->isVisible());
    EXPECT_EQ(*keys, 4);  // Down, Alt and Alt+Down, Space
    EXPECT_EQ(*picks, 1);
    EXPECT_EQ(combo.ListIndex(), 1);
}

TEST_F(InputTest, TracksScrollBarsAndSpinButtons) {
    host::Slider slider(form.get(), "sld");
    Place(slider, 10, 10, 200, 30);
    slider.Max(20);
    slider.Value(10);
    const auto changes = Count(slider.Change);
    auto* track = Shown<QSlider>(slider);
    // The model's Up runs towards Min, unlike Qt's.
    QTest::keyClick(track, Qt::Key_Up);
    EXPECT_EQ(slider.Value(), 9);
    QTest::keyClick(track, Qt::Key_PageDown);
    EXPECT_EQ(slider.Value(), 14);
    EXPECT_EQ(track->value(), 14);
    EXPECT_EQ(*changes, 2);

    // Dragging the thumb scrolls; letting it go settles the value once.
    const QPoint thumb = ThumbCentre(*track, track->value());
    const auto scrolls = Count(slider.Scroll);
    QTest::mousePress(track, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(track, thumb + QPoint(60, 0));
    EXPECT_TRUE(slider.Dragging());
    EXPECT_GT(*scrolls, 0);
    EXPECT_EQ(*changes, 2);
    QTest::mouseRelease(track, Qt::LeftButton, {}, thumb + QPoint(60, 0));
    EXPECT_FALSE(slider.Dragging());
    EXPECT_GT(slider.Value(), 14);
    EXPECT_EQ(*changes, 3);
    EXPECT_EQ(track->value(), slider.Value());

    host::VScrollBar bar(form.get(), "vsb");
    Place(bar, 300, 10, 17, 200);
    bar.Max(100);
    bar.SmallChange(3);
    const auto barChanges = Count(bar.Change);
    auto* scroll = Shown<QScrollBar>(bar);
    const QPoint bottomArrow(8, scroll->height() - 4);
    QTest::mouseClick(scroll, Qt::LeftButton, {}, bottomArrow);
    EXPECT_EQ(bar.Value(), 3);
    EXPECT_EQ(*barChanges, 1);
    // Running upwards, the bottom arrow still moves towards Max.
    bar.Min(100);
    bar.Max(0);
    bar.Value(50);
    TheView().Sync();
    QTest::mouseClick(scroll, Qt::LeftButton, {}, bottomArrow);
    EXPECT_EQ(bar.Value(), 47);
    EXPECT_EQ(scroll->value(), 47);

    host::UpDown spin(form.get(), "spn");
    Place(spin, 350, 10, 17, 30);
    spin.Increment(2.5);
    const auto ups = Count(spin.UpClick);
    const auto buttons = Shown(spin)->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    QTest::mouseClick(buttons[0], Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(buttons[0], Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_DOUBLE_EQ(spin.Value(), 2.5);
    EXPECT_EQ(*ups, 2);
    QTest::keyClick(Shown(spin), Qt::Key_Up);
    EXPECT_DOUBLE_EQ(spin.Value(), 5);
}

TEST_F(InputTest, FocusMovesBothWays) {
    host::TextBox first(form.get(), "txtFirst");
    Place(first, 10, 10, 100, 22);
    host::TextBox second(form.get(), "txtSecond");
    Place(second, 10, 40, 100, 22);
    ActivateForm();
    QTest::mouseClick(Shown(second), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(second.HasFocus());
    first.SetFocus();
    TheView().Sync();
    EXPECT_TRUE(Shown(first)->hasFocus());
    EXPECT_TRUE(first.CaretVisible());
    // Tab moves to the next widget by TabIndex.
    first.TabIndex(1);
    second.TabIndex(0);
    second.SetFocus();
    TheView().Sync();
    QTest::keyClick(Shown(second), Qt::Key_Tab);
    EXPECT_TRUE(first.HasFocus());
}

TEST_F(InputTest, MovingTheWindowOrLeavingTheApplicationIsReportedToTheHost) {
    std::vector<std::pair<int32_t, int32_t>> messages;
    const auto connection = Host().WindowMessage.Connect(
        [&](host::Hwnd hwnd, int32_t message, int32_t wParam, int32_t) {
            if (hwnd == form->WindowHandle()) messages.emplace_back(message, wParam);
        });
    QWidget* window = Shown(*form);
    window->move(120, 90);
    QTest::qWait(1);
    EXPECT_FLOAT_EQ(form->Left(), Tx(120));
    EXPECT_FLOAT_EQ(form->Top(), Ty(90));
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    Host().WindowMessage.Disconnect(connection);
    std::vector<std::pair<int32_t, int32_t>> expected = {{host::msg::Move, 0}};
    // The state may already have been active: only changes are reported.
    if (messages.size() == 3) expected.emplace_back(host::msg::ActivateApp, 1);
    expected.emplace_back(host::msg::ActivateApp, 0);
    EXPECT_EQ(messages, expected);
}

TEST_F(InputTest, ErrorsAndDestructionDuringInputLeaveQtRunning) {
    host::ComboBox combo(form.get(), "cbo");
    for (const char* entry : {"One", "Two"}) combo.AddItem(entry);
    combo.Click.Connect([] { RaiseStandard(err::InvalidCall, "host"); });
    QString warning;
    static QString* sWarning = nullptr;
    sWarning = &warning;
    const auto previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { *sWarning = text; });
    QTest::keyClick(Shown(combo), Qt::Key_Down);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warning.contains("5")) << warning.toStdString();
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_EQ(Shown<QComboBox>(combo)->currentIndex(), 0);

    // The click takes away the frame the pressed button sits in, while Qt is still
    // delivering the click to it.
    auto frame = std::make_unique<host::Frame>(form.get(), "fra");
    Place(*frame, 10, 100, 200, 60);
    host::CommandButton button(frame.get(), "cmd");
    Place(button, 5, 5, 80, 25);
    button.Click.Connect([&] { frame.reset(); });
    QPointer<QWidget> shown = Shown(button);
    QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(Shown(button), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
}

}  // namespace
}  // namespace panelkit2::qt
