#include "qt/mirrors/scroll_bar_mirror.hpp"

#include <algorithm>

namespace panelkit2::qt {

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
