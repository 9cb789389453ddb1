#include "qt/mirrors/slider_mirror.hpp"

#include <QKeyEvent>
#include <QStyleOptionSlider>
#include <QToolTip>

#include "qt/key_translation.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {

QWidget* SliderMirror::CreateWidget(QWidget* parent) {
    auto* track = new QSlider(Qt::Horizontal, parent);
    track->setTickPosition(QSlider::TicksBelow);
    QObject::connect(track, &QSlider::sliderPressed, this,
                     [this] { Forward([this] { mSlider.UserDragTo(mSlider.Value()); }); });
    QObject::connect(track, &QSlider::sliderMoved, this,
                     [this](int value) { Forward([&] { mSlider.UserDragTo(value); }); });
    QObject::connect(track, &QSlider::sliderReleased, this,
                     [this] { Forward([this] { mSlider.UserRelease(); }); });
    QObject::connect(track, &QSlider::actionTriggered, this,
                     [this](int action) { ForwardAction(action); });
    return track;
}

void SliderMirror::ApplyContent(uint32_t mask) {
    QSlider* track = Track();
    track->setRange(mSlider.Min(), mSlider.Max());
    track->setSingleStep(mSlider.SmallChange());
    track->setPageStep(mSlider.LargeChange());
    // Without a frequency only the two ends carry ticks.
    const int64_t span = int64_t{mSlider.Max()} - mSlider.Min();
    const int64_t interval = mSlider.TickFrequency() > 0 ? mSlider.TickFrequency() : span;
    track->setTickInterval(static_cast<int>(std::clamp<int64_t>(interval, 1, INT32_MAX)));
    if (track->value() != mSlider.Value()) track->setValue(mSlider.Value());
    if ((mask & Bit(host::WidgetProperty::Value)) && mSlider.Dragging()) ShowDragHint();
}

void SliderMirror::ShowDragHint() {
    if (mSlider.Text().empty()) return;
    QSlider* track = Track();
    QStyleOptionSlider option;
    option.initFrom(track);
    option.orientation = track->orientation();
    option.minimum = track->minimum();
    option.maximum = track->maximum();
    option.sliderPosition = track->sliderPosition();
    option.sliderValue = track->value();
    const QRect thumb =
        track->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, track);
    QToolTip::showText(track->mapToGlobal(thumb.bottomLeft()),
                       TextPositions::ToQString(mSlider.Text()), track);
}

// Track clicks and the wheel: an add runs towards Max like Right and Page Down do.
void SliderMirror::ForwardAction(int action) {
    if (Applying()) return;
    int16_t key = 0;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            key = host::Slider::KeyRight;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            key = host::Slider::KeyLeft;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            key = host::Slider::KeyPageDown;
            break;
        case QAbstractSlider::SliderPageStepSub:
            key = host::Slider::KeyPageUp;
            break;
        case QAbstractSlider::SliderToMinimum:
            key = host::Slider::KeyHome;
            break;
        case QAbstractSlider::SliderToMaximum:
            key = host::Slider::KeyEnd;
            break;
        default:
            return;  // thumb drags arrive through sliderMoved
    }
    Forward([&] { mSlider.UserKey(key); });
    Track()->setSliderPosition(mSlider.Value());
}

bool SliderMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget() || event->type() != QEvent::KeyPress) return false;
    const int16_t code = KeyCodeOf(static_cast<QKeyEvent*>(event)->key());
    if (code < host::Slider::KeyPageUp || code > host::Slider::KeyDown) return false;
    Forward([&] { mSlider.UserKey(code); });
    return true;
}

}  // namespace panelkit2::qt
