#include "panelkit2/toolkit/slider.hpp"

#include <algorithm>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/binder.hpp"

namespace panelkit2::host {

namespace {

constexpr int16_t kLeftButton = 1;

}  // namespace

Slider::Slider(Widget* parent, std::string name)
    : Widget(WidgetKind::Slider, parent, std::move(name)), mExtender(*this) {}

void Slider::RaiseInvalidValue() const {
    RaiseStandard(err::InvalidPropertyValue, "PanelKit2.Slider");
}

int32_t Slider::Clamp(int64_t value) const noexcept {
    return static_cast<int32_t>(std::clamp<int64_t>(value, mlngMin, mlngMax));
}

bool Slider::MoveThumb(int32_t value) {
    value = Clamp(value);
    if (value == mlngValue) return false;
    mlngValue = value;
    NotifyChanged(WidgetProperty::Value);
    return true;
}

void Slider::Value(int32_t value) {
    if (MoveThumb(value)) RaiseChange();
}

void Slider::Min(int32_t value) {
    if (value > mlngMax) RaiseInvalidValue();
    mlngMin = value;
    NotifyChanged(WidgetProperty::Range);
    MoveThumb(mlngValue);
}

void Slider::Max(int32_t value) {
    if (value < mlngMin) RaiseInvalidValue();
    mlngMax = value;
    NotifyChanged(WidgetProperty::Range);
    MoveThumb(mlngValue);
}

void Slider::SmallChange(int32_t value) {
    if (value < 0) RaiseInvalidValue();
    mlngSmallChange = value;
}

void Slider::LargeChange(int32_t value) {
    if (value < 0) RaiseInvalidValue();
    mlngLargeChange = value;
}

void Slider::TickFrequency(int32_t value) {
    mlngTickFrequency = value;
    NotifyChanged(WidgetProperty::Range);
}

void Slider::Text(std::string value) {
    if (value == mstrText) return;
    mstrText = std::move(value);
    NotifyChanged(WidgetProperty::Text);
}

int64_t Slider::TickCount() const noexcept {
    const int64_t span = int64_t{mlngMax} - mlngMin;
    if (span == 0) return 1;
    if (mlngTickFrequency <= 0) return 2;
    const int64_t inner = span / mlngTickFrequency;  // ticks after the one at Min
    return 1 + inner + (inner * mlngTickFrequency == span ? 0 : 1);
}

float Slider::ThumbX() const noexcept {
    const double span = static_cast<double>(mlngMax) - mlngMin;
    if (span == 0) return 0;
    return static_cast<float>(Width() * ((static_cast<double>(mlngValue) - mlngMin) / span));
}

void Slider::RaiseScroll() {
    Scroll.Emit();
    RaiseEvent(Events::Scroll, {});
}

void Slider::RaiseChange() {
    Change.Emit();
    RaiseEvent(Events::Change, {});
}

void Slider::RaiseMouse(Events event, const Signal<int16_t, int16_t, float, float>& signal) {
    const float x = ThumbX();
    const float y = Height() / 2;
    signal.Emit(kLeftButton, 0, x, y);
    RaiseEvent(event, {kLeftButton, int16_t{0}, x, y});
}

void Slider::UserDragTo(int32_t value) {
    if (!AcceptsInput()) return;
    if (!mblnDragging) {
        mblnDragging = true;
        mlngDragStart = mlngValue;
        SetFocus();
        RaiseMouse(Events::MouseDown, MouseDown);
    }
    if (MoveThumb(value)) RaiseScroll();
}

void Slider::UserRelease() {
    if (!mblnDragging) return;
    mblnDragging = false;
    RaiseMouse(Events::MouseUp, MouseUp);
    if (mlngValue != mlngDragStart) RaiseChange();
}

int64_t Slider::KeyTarget(int16_t keyCode) const noexcept {
    switch (keyCode) {
        case KeyLeft:
        case KeyUp:
            return int64_t{mlngValue} - mlngSmallChange;
        case KeyRight:
        case KeyDown:
            return int64_t{mlngValue} + mlngSmallChange;
        case KeyPageUp:
            return int64_t{mlngValue} - mlngLargeChange;
        case KeyPageDown:
            return int64_t{mlngValue} + mlngLargeChange;
        case KeyHome:
            return mlngMin;
        case KeyEnd:
            return mlngMax;
        default:
            return mlngValue;
    }
}

void Slider::UserKey(int16_t keyCode) {
    if (!AcceptsInput()) return;
    if (!MoveThumb(Clamp(KeyTarget(keyCode)))) return;
    RaiseScroll();
    RaiseChange();
}

// ---------------------------------------------------------------------------------------
// Interface

namespace {

std::vector<ParamDef> MouseParams() {
    return {ByVal("Button", VarType::Integer), ByVal("Shift", VarType::Integer),
            ByVal("X", VarType::Single), ByVal("Y", VarType::Single)};
}

}  // namespace

// Every member is passed by value. TickCount is a Double: the widest range has more ticks
// than a Long holds.
const InterfaceTable& Slider::Interface() const {
    using M = Members<Slider>;
    using S = Slider;
    namespace id = slider_id;
    static const InterfaceTable table(
        "PanelKit2.Slider",
        {
            M::Property("Text", id::Text, &S::Text, &S::Text, {By::Val}),
            M::Get("TickCount", id::TickCount, &S::TickCount),
            M::Method("Refresh", id::Refresh, &S::Refresh),
            M::Property("Value", id::Value, &S::Value, &S::Value, {By::Val}),
            M::Property("Min", id::Min, &S::Min, &S::Min, {By::Val}),
            M::Property("Max", id::Max, &S::Max, &S::Max, {By::Val}),
            M::Property("SmallChange", id::SmallChange, &S::SmallChange, &S::SmallChange,
                        {By::Val}),
            M::Property("LargeChange", id::LargeChange, &S::LargeChange, &S::LargeChange,
                        {By::Val}),
            M::Property("TickFrequency", id::TickFrequency, &S::TickFrequency, &S::TickFrequency,
                        {By::Val}),
        },
        {
            Event(Events::Scroll, "Scroll"),
            Event(Events::Change, "Change"),
            Event(Events::MouseDown, "MouseDown", MouseParams()),
            Event(Events::MouseUp, "MouseUp", MouseParams()),
        });
    return table;
}

}  // namespace panelkit2::host
