#include "panelkit2/toolkit/slider.hpp"

#include <algorithm>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"

namespace panelkit2::host {

namespace {

constexpr int32_t kScroll = 1;
constexpr int32_t kChange = 2;
constexpr int32_t kMouseDown = 3;
constexpr int32_t kMouseUp = 4;
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
    RaiseEvent(kScroll, {});
}

void Slider::RaiseChange() {
    Change.Emit();
    RaiseEvent(kChange, {});
}

void Slider::RaiseMouse(int32_t eventId, const Signal<int16_t, int16_t, float, float>& signal) {
    const float x = ThumbX();
    const float y = Height() / 2;
    signal.Emit(kLeftButton, 0, x, y);
    RaiseEvent(eventId, {kLeftButton, int16_t{0}, x, y});
}

void Slider::UserDragTo(int32_t value) {
    if (!AcceptsInput()) return;
    if (!mblnDragging) {
        mblnDragging = true;
        mlngDragStart = mlngValue;
        SetFocus();
        RaiseMouse(kMouseDown, MouseDown);
    }
    if (MoveThumb(value)) RaiseScroll();
}

void Slider::UserRelease() {
    if (!mblnDragging) return;
    mblnDragging = false;
    RaiseMouse(kMouseUp, MouseUp);
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

using B = Bind<Slider>;
using V = VarType;

// A Long property read and written through a pair of typed members.
template <int32_t (Slider::*Read)() const noexcept, void (Slider::*Write)(int32_t)>
std::vector<MemberDef> LongProperty(std::string_view name, DispId id) {
    return {B::Get(name, id, V::Long, [](Slider& s, Args) -> Variant { return (s.*Read)(); }),
            B::Let(name, id, {ByVal("Value", V::Long)}, [](Slider& s, Args a) -> Variant {
                (s.*Write)(a[0].AsLong());
                return {};
            })};
}

std::vector<MemberDef> SliderMembers() {
    namespace id = slider_id;
    std::vector<MemberDef> members = {
        B::Get("Text", id::Text, V::String, [](Slider& s, Args) -> Variant { return s.Text(); }),
        B::Let("Text", id::Text, {ByVal("Value", V::String)},
               [](Slider& s, Args a) -> Variant {
                   s.Text(a[0].AsString());
                   return {};
               }),
        // A Double: the widest range has more ticks than a Long holds.
        B::Get("TickCount", id::TickCount, V::Double,
               [](Slider& s, Args) -> Variant { return static_cast<double>(s.TickCount()); }),
        B::Method("Refresh", id::Refresh, V::Empty, {},
                  [](Slider& s, Args) -> Variant {
                      s.Refresh();
                      return {};
                  }),
    };
    for (auto&& group : {
             LongProperty<&Slider::Value, &Slider::Value>("Value", id::Value),
             LongProperty<&Slider::Min, &Slider::Min>("Min", id::Min),
             LongProperty<&Slider::Max, &Slider::Max>("Max", id::Max),
             LongProperty<&Slider::SmallChange, &Slider::SmallChange>("SmallChange",
                                                                      id::SmallChange),
             LongProperty<&Slider::LargeChange, &Slider::LargeChange>("LargeChange",
                                                                      id::LargeChange),
             LongProperty<&Slider::TickFrequency, &Slider::TickFrequency>("TickFrequency",
                                                                          id::TickFrequency),
         })
        members.insert(members.end(), group.begin(), group.end());
    return members;
}

std::vector<ParamDef> MouseParams() {
    return {ByVal("Button", V::Integer), ByVal("Shift", V::Integer), ByVal("X", V::Single),
            ByVal("Y", V::Single)};
}

}  // namespace

const InterfaceTable& Slider::Interface() const {
    static const InterfaceTable table("PanelKit2.Slider", SliderMembers(),
                                      {{"Scroll", kScroll, {}},
                                       {"Change", kChange, {}},
                                       {"MouseDown", kMouseDown, MouseParams()},
                                       {"MouseUp", kMouseUp, MouseParams()}});
    return table;
}

}  // namespace panelkit2::host
