// A track of real values in a container, used as a person uses it in a real window: the
// thumb dragged with the mouse while the middle caption shows the value, the help of the
// sub-ranges holding the value in the container's popup beside the thumb, the keys, and a
// track with an empty range that takes no input.

#include <QApplication>
#include <QLabel>
#include <QSlider>
#include <memory>
#include <string>

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/range/continuous_slide.hpp"
#include "qt/mirrors/lines_widget.hpp"
#include "tests/qt/form_fixture.hpp"

namespace panelkit2::qt {
namespace {

class ContinuousSlideInputTest : public FormFixture {
  protected:
    void TearDown() override {
        port.reset();
        FormFixture::TearDown();
    }

    // A container filling the form with a compression ratio from 0 to 10 in tenths (or,
    // with no decimals, 0 to 100 in units): a common action and three overlapping
    // sub-ranges, two of them with help. The popup stays until the test lets it go.
    void ShowInPort(int16_t decimals) {
        port = std::make_unique<ControlPort>();
        port->Surface().SetParent(form.get());
        port->Surface().Move(Tx(10), Ty(10), Tx(380), Ty(280));
        const ObjectRef child =
            port->GetNewControl(static_cast<int16_t>(ControlID::ContinuousSlide));
        slide = std::static_pointer_cast<ContinuousSlide>(child);
        const float unit = decimals == 1 ? 1.0f : 10.0f;
        slide->SetCaption("Compression ratio");
        slide->SetDecimalPlace(decimals);
        slide->DefaultMin(0);
        slide->DefaultMax(10 * unit);
        slide->AddAction("compress");
        slide->AddOption(0, 3 * unit);
        slide->AddAction("fast");
        slide->AddHelp("Quick, larger files");
        slide->AddOption(2.5f * unit, 10 * unit);
        slide->AddAction("small");
        slide->AddHelp("Smaller files");
        slide->AddOption(8 * unit, 10 * unit);
        slide->AddAction("threads=4");
        port->AddControl(child);
        port->HelpPopup().SetTimer(30000);
        port->Surface().Show.Emit();
        TheView().Sync();
        track = Shown<QSlider>(slide->Track());
        ASSERT_NE(track, nullptr);
    }
    QString MiddleCaption() { return Shown<LinesWidget>(slide->TickCaptionLabel())->Text(); }
    QWidget* Popup() { return Shown(port->HelpPopup().PopupForm()); }
    // The popup shows `help`, centred over the real thumb (within half a thumb: the
    // model places by value, Qt's thumb runs between the track's ends less its own width)
    // and hanging from a point above the track.
    void ExpectHelpAboveThumb(const char* help) {
        QWidget* popup = Popup();
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->isVisible());
        EXPECT_EQ(Shown<QLabel>(port->HelpPopup().PopupForm().CaptionLabel())->text(),
                  QString::fromUtf8(help));
        const QPoint thumb = track->mapToGlobal(ThumbCentre(*track, track->value()));
        const int thumbWidth = track->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, track);
        EXPECT_NEAR(popup->x() + popup->width() / 2.0, thumb.x(), thumbWidth / 2 + 2);
        EXPECT_LT(popup->y(), track->mapToGlobal(QPoint(0, 0)).y());
    }
    void PressOnFocus(Qt::Key key) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key);
    }
    // Drags the thumb from where it is to `value`, holding it there before letting go.
    void DragTo(int value) {
        const QPoint to = ThumbCentre(*track, value);
        QTest::mousePress(track, Qt::LeftButton, {}, ThumbCentre(*track, track->value()));
        QTest::mouseMove(track, to);
        held = slide->Track().Dragging();
        heldCaption = MiddleCaption();
        QTest::mouseRelease(track, Qt::LeftButton, {}, to);
    }

    std::unique_ptr<ControlPort> port;
    std::shared_ptr<ContinuousSlide> slide;
    QSlider* track = nullptr;
    bool held = false;
    QString heldCaption;
};

TEST_F(ContinuousSlideInputTest, ADraggedThumbShowsItsValueAndStaysWhereItIsLetGo) {
    ShowInPort(1);
    ActivateForm();
    EXPECT_EQ(track->maximum(), 100);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("0.0"));
    EXPECT_EQ(Shown<LinesWidget>(slide->MaxLabel())->Text(), QStringLiteral("10.0"));

    DragTo(45);
    // While held the middle caption follows the value; let go, nothing snaps.
    EXPECT_TRUE(held);
    const int32_t value = slide->Track().Value();
    EXPECT_NEAR(value, 45, 2);
    EXPECT_EQ(heldCaption.toStdString(), slide->FormatPosition(value));
    EXPECT_EQ(track->value(), value);
    EXPECT_EQ(track->sliderPosition(), value);
    EXPECT_EQ(MiddleCaption().toStdString(), slide->FormatPosition(value));
    EXPECT_FLOAT_EQ(slide->GetSelectedOption(), value / 10.0f);
    EXPECT_EQ(port->GetSelectedActions(), "compress,small");
    // The track keeps the focus, as the keys need.
    EXPECT_TRUE(slide->Track().HasFocus());
    EXPECT_TRUE(track->hasFocus());
}

TEST_F(ContinuousSlideInputTest, TheHelpOfEverySubRangeHoldingTheValueStandsAboveTheThumb) {
    ShowInPort(1);
    ActivateForm();
    DragTo(10);
    EXPECT_EQ(port->GetSelectedActions(), "compress,fast");
    ExpectHelpAboveThumb("Quick, larger files");
    // Where two sub-ranges with help overlap, both texts show.
    DragTo(28);
    EXPECT_EQ(port->GetSelectedActions(), "compress,fast,small");
    ExpectHelpAboveThumb("Quick, larger files,Smaller files");
    DragTo(90);
    EXPECT_EQ(port->GetSelectedActions(), "compress,small,threads=4");
    ExpectHelpAboveThumb("Smaller files");
    // The popup never takes the focus from the track.
    EXPECT_TRUE(track->hasFocus());
}

TEST_F(ContinuousSlideInputTest, KeysStepTenWholeUnitsAndReachTheEnds) {
    ShowInPort(0);
    ActivateForm();
    // A click on the thumb gives the track the focus.
    QTest::mouseClick(track, Qt::LeftButton, {}, ThumbCentre(*track, 0));
    ASSERT_EQ(QApplication::focusWidget(), track);

    PressOnFocus(Qt::Key_Right);
    EXPECT_EQ(track->value(), 10);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("10"));
    ExpectHelpAboveThumb("Quick, larger files");
    PressOnFocus(Qt::Key_PageDown);
    PressOnFocus(Qt::Key_Right);
    EXPECT_EQ(slide->GetSelectedOption(), 30);
    EXPECT_EQ(slide->GetSelectedAction(), "compress,fast,small");
    PressOnFocus(Qt::Key_End);
    EXPECT_EQ(track->value(), 100);
    EXPECT_EQ(MiddleCaption(), QStringLiteral("100"));
    ExpectHelpAboveThumb("Smaller files");
    PressOnFocus(Qt::Key_Left);
    EXPECT_EQ(track->value(), 90);
    PressOnFocus(Qt::Key_Home);
    EXPECT_EQ(track->value(), 0);
    EXPECT_EQ(slide->GetSelectedAction(), "compress,fast");
}

TEST_F(ContinuousSlideInputTest, AnEmptyRangeTakesNoInputUntilItHasRoom) {
    ShowInPort(0);
    ActivateForm();
    slide->Min(100);
    TheView().Sync();
    EXPECT_FALSE(track->isEnabled());
    EXPECT_EQ(Shown<LinesWidget>(slide->MinLabel())->Text(), QStringLiteral("100"));
    DragTo(50);
    EXPECT_FALSE(held);
    EXPECT_EQ(slide->Track().Value(), 0);
    EXPECT_EQ(track->value(), 0);

    slide->Max(60);
    TheView().Sync();
    EXPECT_TRUE(track->isEnabled());
    DragTo(50);
    EXPECT_TRUE(held);
    EXPECT_NEAR(slide->Track().Value(), 50, 2);
}

}  // namespace
}  // namespace panelkit2::qt
