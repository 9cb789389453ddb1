// What the view shows: every kind of widget with its geometry in pixels and its state, as
// the model has it, and QWidgets that come and go with the model's widgets.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>

#include "panelkit2/toolkit/check_box.hpp"
#include "panelkit2/toolkit/combo_box.hpp"
#include "panelkit2/toolkit/command_button.hpp"
#include "panelkit2/toolkit/form.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/list_box.hpp"
#include "panelkit2/toolkit/option_button.hpp"
#include "panelkit2/toolkit/slider.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/timer.hpp"
#include "panelkit2/toolkit/up_down.hpp"
#include "panelkit2/toolkit/user_control.hpp"
#include "panelkit2/toolkit/vscroll_bar.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"
#include "qt/mirrors/lines_widget.hpp"
#include "tests/qt/view_fixture.hpp"

namespace panelkit2::qt {
namespace {

using MirrorTest = ViewFixture;

// Caption lines drawn the way the style draws an item text, one line rectangle each.
class StyleLines : public QWidget {
  public:
    StyleLines(QStringList lines, bool enabled) : mLines(std::move(lines)) { setEnabled(enabled); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int lineHeight = fontMetrics().lineSpacing();
        QRect line(0, 0, width(), lineHeight);
        for (const QString& text : mLines) {
            style()->drawItemText(&painter, line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                                  palette(), isEnabled(), text, QPalette::WindowText);
            line.translate(0, lineHeight);
        }
    }

  private:
    QStringList mLines;
};

TEST_F(MirrorTest, HostServicesComeFromQtWhileTheViewLives) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_FLOAT_EQ(Host().TwipsPerPixelX(), 1440 / screen->logicalDotsPerInchX());
    EXPECT_FLOAT_EQ(Host().TwipsPerPixelY(), 1440 / screen->logicalDotsPerInchY());
    const QFontMetrics font(QApplication::font());
    EXPECT_EQ(Host().Metrics().TextWidthPixels("Enable logging"),
              font.horizontalAdvance("Enable logging"));
    EXPECT_EQ(Host().Metrics().LineHeightPixels(), font.lineSpacing());
    EXPECT_EQ(Host().TheVirtualClock(), nullptr);
    EXPECT_EQ(Host().TheRecordedMessageBoxes(), nullptr);
    TearDown();
    EXPECT_NE(Host().TheVirtualClock(), nullptr);
    EXPECT_NE(Host().TheRecordedMessageBoxes(), nullptr);
    EXPECT_EQ(Host().Metrics().LineHeightPixels(), 13);
    SetUp();
}

TEST_F(MirrorTest, FormsAreWindowsAndChildrenSitInPixels) {
    host::Form form("Page");
    form.Move(Tx(100), Ty(200), Tx(400), Ty(300));
    host::Label label(&form, "lblName");
    label.Move(Tx(10), Ty(20), Tx(120), Ty(17));
    host::Frame frame(&form, "fraBox");
    frame.Move(Tx(10), Ty(50), Tx(200), Ty(100));
    host::CommandButton button(&frame, "cmdOK");
    button.Move(Tx(5), Ty(6), Tx(75), Ty(23));
    form.Show();

    QWidget* window = Shown(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), QRect(100, 200, 400, 300));
    EXPECT_EQ(Shown(label)->geometry(), QRect(10, 20, 120, 17));
    EXPECT_EQ(Shown(label)->parentWidget(), window);
    EXPECT_EQ(Shown(button)->parentWidget(), Shown(frame));
    EXPECT_EQ(Shown(button)->geometry(), QRect(5, 6, 75, 23));
    // Whole twips between pixels round to the nearest pixel.
    button.Move(Tx(5) + Tx(1) * 0.4f, Ty(6) + Ty(1) * 0.6f);
    TheView().Sync();
    EXPECT_EQ(Shown(button)->pos(), QPoint(5, 7));
    form.Move(Tx(150), Ty(120));
    TheView().Sync();
    EXPECT_EQ(window->pos(), QPoint(150, 120));
}

TEST_F(MirrorTest, VisibilityEnabledStateToolTipsAndColoursFollowTheModel) {
    host::Form form("Page");
    host::CheckBox box(&form, "chk");
    host::Label label(&form, "lbl");
    form.Show();
    box.Visible(false);
    box.Enabled(false);
    box.ToolTipText("Turns logging on");
    label.BackColor(0x00C0FFFF);
    label.ForeColor(host::colors::WindowText);
    QWidget* shownBox = Shown(box);
    EXPECT_FALSE(shownBox->isVisible());
    EXPECT_FALSE(shownBox->isEnabled());
    EXPECT_EQ(shownBox->toolTip(), QStringLiteral("Turns logging on"));
    EXPECT_EQ(Shown(label)->palette().color(QPalette::Window), QColor(255, 255, 192));
    EXPECT_EQ(Shown(label)->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::Text));
    EXPECT_TRUE(Shown(label)->autoFillBackground());
    box.Visible(true);
    box.Enabled(true);
    TheView().Sync();
    EXPECT_TRUE(shownBox->isVisible());
    EXPECT_TRUE(shownBox->isEnabled());
    // Hiding the form hides the window; its children keep their own visibility.
    form.Hide();
    TheView().Sync();
    EXPECT_FALSE(Shown(form)->isVisible());
    EXPECT_TRUE(shownBox->isVisibleTo(Shown(form)));
}

TEST_F(MirrorTest, TextsValuesAndPressedLooks) {
    host::Form form("Page");
    host::Label label(&form, "lbl");
    label.Caption("First\nSecond");
    label.Alignment(host::Label::AlignRight);
    host::CheckBox box(&form, "chk");
    box.Caption("Grayed");
    box.Value(host::CheckBox::Grayed);
    host::OptionButton first(&form, "opt1");
    host::OptionButton second(&form, "opt2");
    first.Value(true);
    second.Value(true);
    host::CommandButton button(&form, "cmd");
    button.Caption("Next >");
    form.Show();

    EXPECT_EQ(Shown<QLabel>(label)->text(), QStringLiteral("First\nSecond"));
    EXPECT_TRUE(Shown<QLabel>(label)->alignment() & Qt::AlignRight);
    EXPECT_EQ(Shown<QCheckBox>(box)->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Shown<QCheckBox>(box)->text(), QStringLiteral("Grayed"));
    EXPECT_FALSE(Shown<QRadioButton>(first)->isChecked());
    EXPECT_TRUE(Shown<QRadioButton>(second)->isChecked());
    EXPECT_EQ(Shown<QPushButton>(button)->text(), QStringLiteral("Next >"));
    EXPECT_FALSE(Shown<QPushButton>(button)->isDown());
    button.Pressed(true);
    box.Value(host::CheckBox::Checked);
    TheView().Sync();
    EXPECT_TRUE(Shown<QPushButton>(button)->isDown());
    EXPECT_EQ(Shown<QCheckBox>(box)->checkState(), Qt::Checked);
}

TEST_F(MirrorTest, TextFieldsShowTextAndSelectionByCharacters) {
    host::Form form("Page");
    host::TextBox text(&form, "txt");
    text.Text("caf\xC3\xA9 \xF0\x9D\x84\x9E ok");
    text.SelStart(5);
    text.SelLength(2);
    form.Show();
    auto* edit = Shown<QLineEdit>(text);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QString::fromUtf8("caf\xC3\xA9 \xF0\x9D\x84\x9E ok"));
    EXPECT_EQ(edit->selectionStart(), 5);
    EXPECT_EQ(edit->selectedText(), QString::fromUtf8("\xF0\x9D\x84\x9E "));

    // A multi-line field is another kind of editor; "\r\n" is one break there.
    text.MultiLine(true);
    text.Text("one\r\ntwo");
    text.SelStart(5);
    TheView().Sync();
    auto* area = Shown<QPlainTextEdit>(text);
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(area->textCursor().position(), 4);
}

TEST_F(MirrorTest, ListsShowEntriesSelectionAndTheFirstShownEntry) {
    host::Form form("Page");
    host::ComboBox combo(&form, "cbo");
    for (const char* entry : {"Small", "Medium", "Large"}) combo.AddItem(entry);
    combo.ListIndex(1);
    host::ListBox list(&form, "lst");
    list.Move(0, 0, Tx(120), Ty(60));
    list.MultiSelect(host::ListBox::SelectExtended);
    for (int i = 0; i < 20; ++i) list.AddItem("Entry " + std::to_string(i));
    list.Selected(2, true);
    list.Selected(4, true);
    list.TopIndex(3);
    form.Show();

    auto* shownCombo = Shown<QComboBox>(combo);
    EXPECT_EQ(shownCombo->count(), 3);
    EXPECT_EQ(shownCombo->currentText(), QStringLiteral("Medium"));
    auto* shownList = Shown<QListWidget>(list);
    ASSERT_EQ(shownList->count(), 20);
    EXPECT_EQ(shownList->item(7)->text(), QStringLiteral("Entry 7"));
    std::vector<int> selected;
    for (int i = 0; i < shownList->count(); ++i)
        if (shownList->item(i)->isSelected()) selected.push_back(i);
    EXPECT_EQ(selected, (std::vector<int>{2, 4}));
    EXPECT_EQ(shownList->currentRow(), 4);
    EXPECT_EQ(shownList->verticalScrollBar()->value(), 3);

    combo.RemoveItem(0);
    combo.ListIndex(-1);
    list.Clear();
    TheView().Sync();
    EXPECT_EQ(shownCombo->count(), 2);
    EXPECT_EQ(shownCombo->currentIndex(), -1);
    EXPECT_EQ(shownList->count(), 0);
}

TEST_F(MirrorTest, RangesOfTracksAndScrollBars) {
    host::Form form("Page");
    host::Slider slider(&form, "sld");
    slider.Max(50);
    slider.Min(10);
    slider.Value(30);
    slider.LargeChange(7);
    slider.TickFrequency(0);
    host::VScrollBar bar(&form, "vsb");
    bar.Max(0);
    bar.Min(100);  // runs upwards: 100 at the top
    bar.Value(40);
    bar.SmallChange(3);
    form.Show();

    auto* track = Shown<QSlider>(slider);
    EXPECT_EQ(track->minimum(), 10);
    EXPECT_EQ(track->maximum(), 50);
    EXPECT_EQ(track->value(), 30);
    EXPECT_EQ(track->pageStep(), 7);
    EXPECT_EQ(track->tickInterval(), 40);  // only the two ends
    auto* scroll = Shown<QScrollBar>(bar);
    EXPECT_EQ(scroll->minimum(), 0);
    EXPECT_EQ(scroll->maximum(), 100);
    EXPECT_TRUE(scroll->invertedAppearance());
    EXPECT_EQ(scroll->value(), 40);
    EXPECT_EQ(scroll->singleStep(), 3);
}

TEST_F(MirrorTest, FramesClipWhatLiesOutsideThem) {
    host::Form form("Page");
    form.Move(0, 0, Tx(300), Ty(200));
    host::Frame frame(&form, "fra");
    frame.Move(Tx(10), Ty(10), Tx(100), Ty(50));
    frame.BackColor(0x000000FF);
    host::CheckBox inside(&frame, "in");
    inside.Move(Tx(5), Ty(5), Tx(17), Ty(17));
    host::CheckBox partly(&frame, "partly");
    partly.Move(Tx(90), Ty(5), Tx(40), Ty(17));
    host::CheckBox outside(&frame, "out");
    outside.Move(Tx(5), Ty(60), Tx(17), Ty(17));
    form.Show();

    QWidget* shownFrame = Shown(frame);
    for (const host::CheckBox* box : {&inside, &partly, &outside}) {
        QWidget* shown = Shown(*box);
        EXPECT_EQ(shown->parentWidget(), shownFrame);
        EXPECT_EQ(frame.IsClippedOut(*box), shown->visibleRegion().isEmpty()) << box->Name();
    }
    // Only the part inside the frame can be seen.
    EXPECT_EQ(Shown(partly)->visibleRegion().boundingRect().width(), 10);
    // Pixels outside the frame keep the form's colour, not the frame's red.
    const QImage image = Shown(form)->grab().toImage();
    EXPECT_EQ(image.pixelColor(50, 30), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(50, 65), QColor(255, 0, 0));
}

TEST_F(MirrorTest, CaptionLabelsShowTheModelsWrappedLines) {
    host::Form form("Page");
    host::WrapLabel label(&form, "wl");
    label.Caption("The quick brown fox jumps over the lazy dog");
    label.AutoSize(true);
    label.AutoSize(false);
    form.Show();
    auto* shown = Shown<LinesWidget>(label);
    ASSERT_NE(shown, nullptr);
    // Sized to its text by Qt's metrics, the caption fits on one line exactly.
    EXPECT_EQ(shown->Text(), QStringLiteral("The quick brown fox jumps over the lazy dog"));
    EXPECT_EQ(shown->sizeHint(), shown->size());

    label.Width(label.Width() / 2);
    label.Reflow();
    TheView().Sync();
    QStringList expected;
    for (const std::string& line : label.WrappedLines()) expected << QString::fromStdString(line);
    ASSERT_GT(expected.size(), 1);
    EXPECT_EQ(shown->Lines(), expected);
    EXPECT_EQ(shown->sizeHint().height(), shown->height());
    EXPECT_LE(shown->sizeHint().width(), shown->width());
    // Every line is drawn: ink in the top and the bottom line.
    label.BackColor(host::colors::White);
    label.ForeColor(host::colors::Black);
    TheView().Sync();
    const QImage image = shown->grab().toImage();
    const auto inkIn = [&](int top, int bottom) {
        int ink = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x) ink += image.pixelColor(x, y).lightness() < 128;
        return ink;
    };
    const int lineHeight = shown->fontMetrics().lineSpacing();
    EXPECT_GT(inkIn(0, lineHeight), 10);
    EXPECT_GT(inkIn(image.height() - lineHeight, image.height()), 10);
}

// Plain lines are drawn without the style's text layout; they must not move by a pixel.
TEST_F(MirrorTest, CaptionLinesLookAsTheStyleDrawsThem) {
    const QStringList lines = {QStringLiteral("Option number 12 of page 345"),
                               QStringLiteral("AVAWAT Ty fi ffi {[(|)]} @#$%^&*"),
                               QStringLiteral("  blanks around  "),
                               QStringLiteral(u"\u00DCber\tCaf\u00E9 \u20AC 5")};
    for (const bool enabled : {true, false}) {
        LinesWidget shown;
        shown.SetLines(lines);
        shown.setEnabled(enabled);
        StyleLines expected(lines, enabled);
        for (QWidget* widget : {static_cast<QWidget*>(&shown), static_cast<QWidget*>(&expected)})
            widget->resize(260, shown.sizeHint().height() + 4);
        EXPECT_EQ(shown.grab().toImage(), expected.grab().toImage()) << "enabled " << enabled;
    }
}

TEST_F(MirrorTest, QWidgetsComeAndGoWithTheModelsWidgets) {
    host::Form form("Page");
    form.Show();
    auto box = std::make_unique<host::CheckBox>(&form, "chk");
    box->Move(Tx(4), Ty(4), Tx(17), Ty(17));
    QPointer<QWidget> shown = Shown(*box);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown->geometry(), QRect(4, 4, 17, 17));
    box.reset();
    EXPECT_TRUE(shown.isNull());

    // A timer has nothing to show; a surface outside every form is not shown until it is
    // placed on one.
    host::Timer timer(&form, "tmr");
    EXPECT_EQ(Shown(timer), nullptr);
    host::UserControl surface("Loose");
    host::CheckBox inner(&surface, "inner");
    EXPECT_EQ(Shown(inner), nullptr);
    surface.SetParent(&form);
    ASSERT_NE(Shown(inner), nullptr);
    EXPECT_EQ(Shown(inner)->parentWidget(), Shown(surface));
    EXPECT_EQ(Shown(surface)->parentWidget(), Shown(form));
    surface.SetParent(nullptr);
    EXPECT_EQ(Shown(inner), nullptr);
}

// A widget changed and destroyed before the changes are shown: its queued change is passed
// over, and the widgets changed around it are still shown.
TEST_F(MirrorTest, AChangedWidgetDestroyedBeforeTheFlushIsPassedOver) {
    host::Form form("Page");
    form.Show();
    auto doomed = std::make_unique<host::CheckBox>(&form, "doomed");
    host::CheckBox kept(&form, "kept");
    TheView().Sync();
    doomed->Move(Tx(4), Ty(4), Tx(17), Ty(17));
    kept.Move(Tx(4), Ty(30), Tx(17), Ty(17));
    doomed.reset();
    // A new widget may take the destroyed one's place in memory.
    host::CheckBox successor(&form, "successor");
    successor.Move(Tx(4), Ty(60), Tx(17), Ty(17));
    TheView().Sync();
    EXPECT_EQ(Shown(kept)->geometry(), QRect(4, 30, 17, 17));
    EXPECT_EQ(Shown(successor)->geometry(), QRect(4, 60, 17, 17));
}

TEST_F(MirrorTest, AttachedSurfacesAreTitledWindows) {
    host::UserControl window("Main");
    window.Move(0, 0, Tx(320), Ty(240));
    host::CommandButton button(&window, "cmd");
    EXPECT_EQ(Shown(window), nullptr);
    TheView().Attach(button, "Assistant");
    QWidget* shown = Shown(window);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isWindow());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Assistant"));
    EXPECT_EQ(shown->size(), QSize(320, 240));
    EXPECT_EQ(TheView().MirroredCount(), 2u);
    TheView().Detach(window);
    EXPECT_EQ(Shown(window), nullptr);
    EXPECT_EQ(Shown(button), nullptr);
}

TEST_F(MirrorTest, WidgetsMadeBeforeTheViewAppearToo) {
    TearDown();
    host::Form form("Early");
    host::UpDown spin(&form, "spn");
    spin.Move(0, 0, Tx(17), Ty(30));
    form.Show();
    SetUp();
    ASSERT_NE(Shown(spin), nullptr);
    EXPECT_EQ(Shown(spin)->size(), QSize(17, 30));
    EXPECT_TRUE(Shown(form)->isVisible());
}

}  // namespace
}  // namespace panelkit2::qt
