#include "panelkit2/toolkit/vscroll_bar.hpp"

#include <algorithm>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"

namespace panelkit2::host {

VScrollBar::VScrollBar(Widget* parent, std::string name)
    : Widget(WidgetKind::VScrollBar, parent, std::move(name)) {}

int16_t VScrollBar::Clamp(int32_t value) const noexcept {
    const int32_t low = std::min(mintMin, mintMax);
    const int32_t high = std::max(mintMin, mintMax);
    return static_cast<int16_t>(std::clamp(value, low, high));
}

void VScrollBar::SetValueQuietly(int16_t value) {
    mintValue = value;
    NotifyChanged(WidgetProperty::Value);
}

void VScrollBar::ClampValueToRange() {
    NotifyChanged(WidgetProperty::Range);
    const int16_t clamped = Clamp(mintValue);
    if (clamped == mintValue) return;
    SetValueQuietly(clamped);
    Raise(Change);
}

void VScrollBar::Min(int16_t value) {
    if (value == mintMin) return;
    mintMin = value;
    ClampValueToRange();
}

void VScrollBar::Max(int16_t value) {
    if (value == mintMax) return;
    mintMax = value;
    ClampValueToRange();
}

void VScrollBar::Value(int16_t value) {
    if (value != Clamp(value)) RaiseStandard(err::InvalidPropertyValue);
    if (value == mintValue) return;
    SetValueQuietly(value);
    Raise(Change);
}

void VScrollBar::SmallChange(int16_t value) {
    if (value < 1) RaiseStandard(err::InvalidPropertyValue);
    mintSmallChange = value;
}

void VScrollBar::LargeChange(int16_t value) {
    if (value < 1) RaiseStandard(err::InvalidPropertyValue);
    mintLargeChange = value;
}

void VScrollBar::UserStep(int32_t amount) {
    if (!AcceptsInput()) return;
    SetFocus();
    const int32_t towardMax = mintMax >= mintMin ? amount : -amount;
    const int16_t target = Clamp(int32_t{mintValue} + towardMax);
    if (target == mintValue) return;
    SetValueQuietly(target);
    Raise(Change);
}

void VScrollBar::UserLineDown() {
    UserStep(mintSmallChange);
}
void VScrollBar::UserLineUp() {
    UserStep(-mintSmallChange);
}
void VScrollBar::UserPageDown() {
    UserStep(mintLargeChange);
}
void VScrollBar::UserPageUp() {
    UserStep(-mintLargeChange);
}

void VScrollBar::UserDragThumb(int32_t value) {
    if (!AcceptsInput()) return;
    if (!mblnDragging) {
        SetFocus();
        mblnDragging = true;
    }
    const int16_t target = Clamp(value);
    if (target != mintValue) SetValueQuietly(target);
    Raise(Scroll);
}

void VScrollBar::UserReleaseThumb() {
    if (!mblnDragging) return;
    mblnDragging = false;
    Raise(Change);
}

void VScrollBar::UserScrollTo(int32_t value) {
    UserDragThumb(value);
    UserReleaseThumb();
}

void VScrollBar::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    const auto* bar = dynamic_cast<const VScrollBar*>(&source);
    if (!bar) return;
    mintMin = bar->mintMin;
    mintMax = bar->mintMax;
    mintValue = bar->mintValue;
    mintSmallChange = bar->mintSmallChange;
    mintLargeChange = bar->mintLargeChange;
    NotifyChanged(WidgetProperty::Range);
}

}  // namespace panelkit2::host
