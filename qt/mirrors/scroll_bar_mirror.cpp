#include "qt/mirrors/scroll_bar_mirror.hpp"

#include <QApplication>
#include <algorithm>
#include <cstdlib>

namespace panelkit2::qt {

void TurnWheel(host::VScrollBar& bar, const QWheelEvent& wheel, int& pending) {
    constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;
    pending += wheel.angleDelta().y();
    const int notches = pending / kNotch;
    pending -= notches * kNotch;
    if (notches == 0) return;
    // A turn away from the user (positive) moves toward Min, wherever Min lies.
    const int downward = bar.Max() >= bar.Min() ? -1 : 1;
    const long step = long{notches} * QApplication::wheelScrollLines() * bar.SmallChange();
    const long target = long{bar.Value()} + downward * step;
    const long low = std::min(bar.Min(), bar.Max());
    const long high = std::max(bar.Min(), bar.Max());
    bar.Value(static_cast<int16_t>(std::clamp(target, low, high)));
}

QWidget* ScrollBarMirror::CreateWidget(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    QObject::connect(bar, &QScrollBar::actionTriggered, this,
                     [this](int action) { ForwardAction(action); });
    QObject::connect(bar, &QScrollBar::sliderMoved, this,
                     [this](int value) { Forward([&] { mBar.UserDragThumb(value); }); });
    QObject::connect(bar, &QScrollBar::sliderReleased, this,
                     [this] { Forward([this] { mBar.UserReleaseThumb(); }); });
    return bar;
}

void ScrollBarMirror::ApplyContent(uint32_t mask) {
    (void)mask;
    QScrollBar* bar = Bar();
    bar->setInvertedAppearance(mBar.Min() > mBar.Max());
    bar->setRange(std::min(mBar.Min(), mBar.Max()), std::max(mBar.Min(), mBar.Max()));
    bar->setSingleStep(mBar.SmallChange());
    bar->setPageStep(mBar.LargeChange());
    if (bar->value() != mBar.Value()) bar->setValue(mBar.Value());
}

bool ScrollBarMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget() || event->type() != QEvent::Wheel) return false;
    Forward([&] { TurnWheel(mBar, *static_cast<QWheelEvent*>(event), mintPendingWheel); });
    return true;
}

// Qt's "add" is the lower arrow and the track below the thumb, also on an inverted bar
// (where Qt would move the thumb up). Qt moves the thumb after this returns, to the
// position set here: the model's value.
void ScrollBarMirror::ForwardAction(int action) {
    if (Applying()) return;
    QScrollBar* bar = Bar();
    Forward([&] {
        switch (action) {
            case QAbstractSlider::SliderSingleStepAdd:
                mBar.UserLineDown();
                break;
            case QAbstractSlider::SliderSingleStepSub:
                mBar.UserLineUp();
                break;
            case QAbstractSlider::SliderPageStepAdd:
                mBar.UserPageDown();
                break;
            case QAbstractSlider::SliderPageStepSub:
                mBar.UserPageUp();
                break;
            case QAbstractSlider::SliderToMinimum:
                mBar.UserScrollTo(bar->minimum());
                break;
            case QAbstractSlider::SliderToMaximum:
                mBar.UserScrollTo(bar->maximum());
                break;
            default:
                break;  // thumb drags arrive through sliderMoved
        }
    });
    bar->setSliderPosition(mBar.Value());
}

}  // namespace panelkit2::qt
