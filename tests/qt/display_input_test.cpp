// A page heading and a display list in a window: the heading scrolls with its bar and the
// wheel and leaves no focus on the bar; the list takes no selection from the mouse or the
// keys, and scrolls sideways exactly over the range its widest line asked for.

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QListWidget>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <string>

#include "panelkit2/display/disp_list_box.hpp"
#include "panelkit2/display/heading.hpp"
#include "tests/qt/form_fixture.hpp"

namespace panelkit2::qt {
namespace {

// Counts the focus rectangles a widget draws.
class FocusRectCounter : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameFocusRect) ++count;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable int count = 0;
};

class DisplayInputTest : public FormFixture {
  protected:
    // A wheel turn of `notches` (positive: away from the user) at the centre of `widget`,
    // passed on to the parents while nobody takes it, as real input is.
    static void Wheel(QWidget* widget, int notches) {
        const QPointF at(widget->rect().center());
        QWheelEvent wheel(at, widget->mapToGlobal(at), {},
                          QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QApplication::instance()->notify(widget, &wheel);
    }
    static int WheelStep(const host::VScrollBar& bar) {
        return QApplication::wheelScrollLines() * bar.SmallChange();
    }
    // A heading on the form, 300 by 200 pixels, with an introduction and `lists` lists of
    // `lines` lines.
    void FillHeading(int lists, int lines) {
        heading.Surface().SetParent(form.get());
        Place(heading.Surface(), 10, 10, 300, 200);
        heading.AddText("Welcome. The following components will be installed on this computer:");
        for (int list = 0; list < lists; ++list) {
            heading.AddList();
            for (int line = 0; line < lines; ++line)
                heading.AddListItem(heading.ListUpper(), "Component " + std::to_string(line));
        }
        TheView().Sync();
    }

    Heading heading;
};

TEST_F(DisplayInputTest, ALongHeadingScrollsWithItsBarAndTheWheel) {
    FillHeading(3, 3);
    host::VScrollBar& bar = heading.VerticalScrollBar();
    ActivateForm();
    TheView().Sync();
    auto* shownBar = Shown<QScrollBar>(bar);
    ASSERT_NE(shownBar, nullptr);
    ASSERT_TRUE(shownBar->isVisible());
    EXPECT_EQ(shownBar->maximum(), bar.Max());
    QWidget* area = Shown(heading.ScrollAreaFrame());

    // The lower arrow scrolls by the small change, and the bar does not keep the focus.
    QTest::mouseClick(shownBar, Qt::LeftButton, {}, QPoint(8, shownBar->height() - 4));
    EXPECT_EQ(bar.Value(), 305);
    EXPECT_EQ(heading.ScrollAreaFrame().Top(), -305);
    EXPECT_EQ(area->y(), -305 / 15);
    EXPECT_FALSE(shownBar->hasFocus());
    EXPECT_TRUE(heading.FocusHolder().Surface().HasFocus());

    // The wheel over the text turns the bar too, within its range.
    Wheel(Shown(heading.TextLabels()[0]), -1);
    EXPECT_EQ(bar.Value(), std::min<int>(305 + WheelStep(bar), bar.Max()));
    EXPECT_EQ(shownBar->value(), bar.Value());
    EXPECT_EQ(heading.ScrollAreaFrame().Top(), -bar.Value());
    Wheel(shownBar, 5);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(area->y(), 0);
    Wheel(shownBar, -100);
    EXPECT_EQ(bar.Value(), bar.Max());
}

TEST_F(DisplayInputTest, ADisplayListTakesNoSelectionAndScrollsSidewaysOverItsWidestLine) {
    DispListBox list;
    list.Surface().SetParent(form.get());
    Place(list.Surface(), 10, 10, 160, 120);
    for (int i = 0; i < 12; ++i) list.AddOption("Line " + std::to_string(i));
    ActivateForm();
    TheView().Sync();
    auto* shown = Shown<QListWidget>(list.MainBox());
    ASSERT_NE(shown, nullptr);
    // Lines narrower than the list: no sideways scrolling.
    EXPECT_EQ(shown->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    list.AddOption("A line far wider than the list, so the list scrolls sideways to show it all");
    TheView().Sync();
    const int beyond = list.HorizontalExtent() - shown->width();
    ASSERT_GT(beyond, 0);
    EXPECT_TRUE(shown->horizontalScrollBar()->isVisible());
    EXPECT_EQ(shown->horizontalScrollBar()->maximum(), beyond);
    list.AddOption("short");
    TheView().Sync();
    EXPECT_EQ(shown->horizontalScrollBar()->maximum(), beyond);

    // A click on a line, the arrows and a letter select nothing.
    QListWidgetItem* second = shown->item(1);
    QTest::mouseClick(shown->viewport(), Qt::LeftButton, {},
                      shown->visualItemRect(second).center());
    EXPECT_TRUE(list.MainBox().HasFocus());
    EXPECT_FALSE(list.MainBox().CaretVisible());
    EXPECT_EQ(list.MainBox().ListIndex(), -1);
    EXPECT_TRUE(shown->selectedItems().isEmpty());
    QTest::keyClick(shown, Qt::Key_Down);
    QTest::keyClick(shown, Qt::Key_End);
    QTest::keyClick(shown, Qt::Key_L);
    EXPECT_EQ(list.MainBox().ListIndex(), -1);
    EXPECT_TRUE(shown->selectedItems().isEmpty());
    EXPECT_EQ(shown->currentRow(), -1);

    // Cleared, the range is the list's own width again.
    list.Clear();
    TheView().Sync();
    EXPECT_EQ(shown->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(shown->count(), 0);
}

// Qt shows a focus rectangle on the current entry of a focused list, the model's caret;
// the display list hides it.
TEST_F(DisplayInputTest, AFocusedDisplayListDrawsNoFocusRectangle) {
    host::ListBox plain(form.get(), "lstPlain");
    Place(plain, 10, 10, 160, 100);
    DispListBox list;
    list.Surface().SetParent(form.get());
    Place(list.Surface(), 200, 10, 160, 100);
    for (const char* line : {"alpha", "beta", "gamma"}) {
        plain.AddItem(line);
        list.AddOption(line);
    }
    plain.ListIndex(1);
    ActivateForm();
    const auto focusRects = [&](host::ListBox& model) {
        model.SetFocus();
        auto* shown = Shown<QListWidget>(model);
        FocusRectCounter counter;
        shown->setStyle(&counter);
        // As after a Tab into the list, Qt has a current entry of its own.
        shown->setCurrentRow(1, QItemSelectionModel::NoUpdate);
        EXPECT_TRUE(shown->hasFocus());
        shown->grab();
        shown->setStyle(nullptr);
        return counter.count;
    };
    EXPECT_GT(focusRects(plain), 0);
    EXPECT_EQ(focusRects(list.MainBox()), 0);
}

TEST_F(DisplayInputTest, TheWheelOverAHeadingsShortListScrollsTheHeading) {
    FillHeading(3, 1);
    host::VScrollBar& bar = heading.VerticalScrollBar();
    ASSERT_TRUE(bar.Visible());
    QListWidget* shortList = Shown<QListWidget>(heading.ListAt(0).MainBox());
    ASSERT_NE(shortList, nullptr);
    Wheel(shortList->viewport(), -1);
    EXPECT_EQ(bar.Value(), std::min<int>(WheelStep(bar), bar.Max()));
}

}  // namespace
}  // namespace panelkit2::qt
