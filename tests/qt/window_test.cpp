// Windows of their own: the help popup floating top-most until the model's timer (on the
// Qt event loop) hides it, message boxes, and what a page of checks looks like.

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <set>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/help/help.hpp"
#include "panelkit2/toolkit/check_box.hpp"
#include "panelkit2/toolkit/form.hpp"
#include "panelkit2/toolkit/message_box.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"
#include "qt/mirrors/lines_widget.hpp"
#include "tests/qt/view_fixture.hpp"

namespace panelkit2::qt {
namespace {

class WindowTest : public ViewFixture {
  protected:
    // Rows of white checks on a form, every other one checked, `pitch` pixels apart.
    static std::vector<std::unique_ptr<Check>> PutChecks(host::Form& form, int rows, int pitch,
                                                         const std::string& caption) {
        std::vector<std::unique_ptr<Check>> checks;
        for (int i = 0; i < rows; ++i) {
            auto& check = *checks.emplace_back(std::make_unique<Check>());
            check.Caption(caption + std::to_string(i + 1));
            check.BackColor(host::colors::White);
            check.CaptionLabel().BackColor(host::colors::White);
            check.Surface().SetParent(&form);
            check.Surface().Move(Tx(10), Ty(10 + pitch * i));
            check.Value(i % 2 == 0);
        }
        return checks;
    }
};

TEST_F(WindowTest, TheHelpPopupFloatsTopMostUntilItsTimerHidesIt) {
    Help help;
    help.SetTimer(40);
    help.PopUpBalloon("Writes a log file", static_cast<int32_t>(Tx(300)),
                      static_cast<int32_t>(Ty(200)));
    QWidget* popup = Shown(help.PopupForm());
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    const Qt::WindowFlags flags = popup->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::ToolTip);
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    // Hung below the point, centred on it, sized around the label.
    EXPECT_EQ(popup->y(), 200);
    EXPECT_NEAR(popup->x() + popup->width() / 2.0, 300, 1);
    QWidget* label = Shown(help.PopupForm().CaptionLabel());
    EXPECT_TRUE(popup->rect().contains(label->geometry()));
    EXPECT_EQ(popup->palette().color(QPalette::Window), QColor(255, 255, 192));
    // The timer runs on the Qt event loop; waiting is bounded, nothing is timed.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popup->isVisible(); }, 10000));
    EXPECT_FALSE(help.Visible());
}

TEST_F(WindowTest, MessageBoxesAreModalAndHoldBackTheViewWhileOpen) {
    host::Form form("Page");
    form.Show();
    TheView().Sync();
    QString seenText;
    QString seenTitle;
    std::unique_ptr<host::CheckBox> late;
    bool shownWhileOpen = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seenText = box->text();
        seenTitle = box->windowTitle();
        // The model may be half-way through a change while its box is up.
        late = std::make_unique<host::CheckBox>(&form, "late");
        shownWhileOpen = TheView().WidgetOf(*late) != nullptr;
        box->accept();
    });
    host::MsgBox("Settings saved", "Setup");
    EXPECT_EQ(seenText, QStringLiteral("Settings saved"));
    EXPECT_EQ(seenTitle, QStringLiteral("Setup"));
    ASSERT_NE(late, nullptr);
    EXPECT_FALSE(shownWhileOpen);
    EXPECT_NE(Shown(*late), nullptr);
}

// A box opened outside of input (a timer's handler) holds the view back too; what changed
// meanwhile is shown once the box is gone, without further input.
TEST_F(WindowTest, ChangesMadeWhileABoxIsOpenAreShownWhenItCloses) {
    host::Form form("Page");
    host::CheckBox check(&form, "chk");
    form.Show();
    auto* shown = Shown<QCheckBox>(check);
    ASSERT_NE(shown, nullptr);
    bool closed = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            check.Value(host::CheckBox::Checked);
            // Accepted only after the view has had its turn while the box is open.
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    box->accept();
            });
        });
        host::MsgBox("Settings saved", "Setup");
        closed = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed; }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown->checkState() == Qt::Checked; }, 2000));
}

// The page is put on a window already on screen, in one go: the window's painting is held
// while the page is shown and done once, whole, afterwards.
TEST_F(WindowTest, APageOfChecksIsDrawn) {
    constexpr int kRows = 10;
    constexpr int kPitch = 19;
    host::Form form("Page");
    form.Move(0, 0, Tx(320), Ty(kRows * kPitch + 20));
    form.BackColor(host::colors::White);
    form.Show();
    TheView().Sync();
    const auto checks = PutChecks(form, kRows, kPitch, "Option number ");
    TheView().Sync();
    QWidget* window = Shown(form);
    EXPECT_TRUE(window->updatesEnabled());
    // Every widget inside paints its own changes again afterwards.
    for (const QWidget* inside : window->findChildren<QWidget*>())
        EXPECT_TRUE(inside->updatesEnabled()) << inside->metaObject()->className();
    const QImage image = window->grab().toImage();
    std::set<QRgb> colours;
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px) colours.insert(image.pixelColor(px, py).rgb());
    // Boxes, ticks and caption text: many shades, and dark ink in every row.
    EXPECT_GT(colours.size(), 8u);
    for (int i = 0; i < kRows; ++i) {
        int boxInk = 0;
        int captionInk = 0;
        for (int py = 10 + kPitch * i; py < 10 + kPitch * i + 17; ++py) {
            for (int px = 10; px < 27; ++px) boxInk += image.pixelColor(px, py).lightness() < 96;
            for (int px = 30; px < 200; ++px)
                captionInk += image.pixelColor(px, py).lightness() < 96;
        }
        EXPECT_GT(captionInk, 10) << "caption of row " << i;
        // A ticked box has more ink than an empty one.
        EXPECT_EQ(boxInk > 8, i % 2 == 0) << "box of row " << i << ": " << boxInk;
    }
}

// What the window really shows (its backing store), not a fresh rendering as grab() makes.
QImage OnScreen(QWidget& window) {
    // The repaint is asked for while the view shows its changes, so it runs a pass later.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage();
}

int InkIn(const QImage& image, const QRect& area) {
    int ink = 0;
    for (int py = area.top(); py <= area.bottom(); ++py)
        for (int px = area.left(); px <= area.right(); ++px)
            ink += image.pixelColor(px, py).lightness() < 96;
    return ink;
}

// A page turned on a window already on screen, with more rows than the window shows: the
// rows in sight are painted anew, though every row of the window opaquely fills its area.
TEST_F(WindowTest, APageTurnedWhileShownIsPaintedAnew) {
    constexpr int kRows = 40;
    constexpr int kShownRows = 8;
    constexpr int kPitch = 19;
    host::Form form("Page");
    form.Move(0, 0, Tx(320), Ty(kShownRows * kPitch + 10));
    form.BackColor(host::colors::White);
    form.Show();
    TheView().Sync();
    const auto checks = PutChecks(form, kRows, kPitch, "Option ");
    TheView().Sync();
    QWidget& window = *Shown(form);
    const auto boxOf = [&](int row) { return QRect(10, 10 + kPitch * row, 17, 17); };
    const auto captionOf = [&](int row) { return QRect(30, 10 + kPitch * row, 200, 17); };
    const QImage before = OnScreen(window);
    // Every row changes: enough to hold the window's painting while the view shows them.
    for (int i = 0; i < kRows; ++i) {
        checks[static_cast<size_t>(i)]->Value(i % 2 != 0);
        checks[static_cast<size_t>(i)]->Caption(i % 2 != 0 ? "Ticked option" : "Option");
    }
    TheView().Sync();
    const QImage after = OnScreen(window);
    for (int i = 0; i < kShownRows - 1; ++i) {
        EXPECT_EQ(InkIn(before, boxOf(i)) > 8, i % 2 == 0) << "row " << i << " before";
        EXPECT_EQ(InkIn(after, boxOf(i)) > 8, i % 2 != 0) << "row " << i << " after";
        // The longer caption has more ink.
        EXPECT_EQ(InkIn(after, captionOf(i)) > InkIn(after, captionOf(i + 1)), i % 2 != 0)
            << "caption of row " << i;
    }
    // A row out of sight is not painted; its caption still reads as the model has it.
    EXPECT_EQ(Shown<LinesWidget>(checks.back()->CaptionLabel())->Text(),
              QStringLiteral("Ticked option"));
}

// A caption label's lines are asked of the model when they are needed; while a message box
// is open the model may be half-way through a change, so the lines shown before stand.
TEST_F(WindowTest, CaptionLinesWaitWhileAMessageBoxIsOpen) {
    host::Form form("Page");
    host::WrapLabel label(&form, "wl");
    label.Move(0, 0, Tx(300), Ty(20));
    label.Caption("Before");
    form.Show();
    auto* shown = Shown<LinesWidget>(label);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Text(), QStringLiteral("Before"));
    label.Caption("Shown");
    TheView().Sync();
    QString readWhileOpen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        label.Caption("Half-way");
        readWhileOpen = shown->Text();
        box->accept();
    });
    host::MsgBox("Settings saved", "Setup");
    EXPECT_EQ(readWhileOpen, QStringLiteral("Before"));
    TheView().Sync();
    EXPECT_EQ(shown->Text(), QStringLiteral("Half-way"));
}

}  // namespace
}  // namespace panelkit2::qt
