#include "qt/mirrors/slider_mirror.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
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

// Track clicks and the wheel step as keys do: an add runs towards Max like Right and Page
// Down. A thumb held by the mouse moves through sliderMoved; any other move (the wheel) is
// one arrow key towards where Qt would have put the thumb.
int16_t SliderMirror::KeyOf(int action) const {
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            return host::Slider::KeyRight;
        case QAbstractSlider::SliderSingleStepSub:
            return host::Slider::KeyLeft;
        case QAbstractSlider::SliderPageStepAdd:
            return host::Slider::KeyPageDown;
        case QAbstractSlider::SliderPageStepSub:
            return host::Slider::KeyPageUp;
        case QAbstractSlider::SliderToMinimum:
            return host::Slider::KeyHome;
        case QAbstractSlider::SliderToMaximum:
            return host::Slider::KeyEnd;
        case QAbstractSlider::SliderMove: {
            const QSlider* track = Track();
            if (track->isSliderDown() || track->sliderPosition() == mSlider.Value()) return 0;
            return track->sliderPosition() > mSlider.Value() ? host::Slider::KeyRight
                                                             : host::Slider::KeyLeft;
        }
        default:
            return 0;
    }
}

// Qt has moved its thumb already: it goes back to where the model put it.
void SliderMirror::ForwardAction(int action) {
    if (Applying()) return;
    const int16_t key = KeyOf(action);
    if (key == 0) return;
    Forward([&] { mSlider.UserKey(key); });
    Track()->setSliderPosition(mSlider.Value());
}

// Keys go to the model. Only the left button works the track: Qt's style would jump the
// thumb to a middle click.
bool SliderMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton;
        case QEvent::KeyPress:
            return ForwardKey(*static_cast<QKeyEvent*>(event));
        default:
            return false;
    }
}

bool SliderMirror::ForwardKey(const QKeyEvent& key) {
    const int16_t code = KeyCodeOf(key);
    if (code < host::Slider::KeyPageUp || code > host::Slider::KeyDown) return false;
    Forward([&] { mSlider.UserKey(code); });
    return true;
}

}  // namespace panelkit2::qt
