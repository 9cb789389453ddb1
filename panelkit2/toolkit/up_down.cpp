#include "panelkit2/toolkit/up_down.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/binder.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

namespace {

[[noreturn]] void RaiseInvalidValue() {
    RaiseStandard(err::InvalidPropertyValue, "PanelKit2.UpDown");
}

double CheckedFinite(double value) {
    if (!std::isfinite(value)) RaiseInvalidValue();
    return value;
}

}  // namespace

UpDown::UpDown(Widget* parent, std::string name)
    : Widget(WidgetKind::UpDown, parent, std::move(name)), mExtender(*this) {}

UpDown::~UpDown() {
    ForgetBuddy();
}

void UpDown::ForgetBuddy() {
    if (mBuddy) Host::Current().Unwatch(*mBuddy, mlngBuddyWatch);
    mBuddy = nullptr;
    mfnGetText = nullptr;
    mfnSetText = nullptr;
}

double UpDown::Clamp(double value) const noexcept {
    return std::clamp(value, std::min(mdblMin, mdblMax), std::max(mdblMin, mdblMax));
}

void UpDown::Min(double value) {
    mdblMin = CheckedFinite(value);
    mdblValue = Clamp(mdblValue);
    NotifyChanged(WidgetProperty::Range);
}

void UpDown::Max(double value) {
    mdblMax = CheckedFinite(value);
    mdblValue = Clamp(mdblValue);
    NotifyChanged(WidgetProperty::Range);
}

void UpDown::Value(double value) {
    value = Clamp(CheckedFinite(value));
    if (value == mdblValue) return;
    mdblValue = value;
    NotifyChanged(WidgetProperty::Value);
    RaiseChange();
}

void UpDown::Increment(double value) {
    if (!(CheckedFinite(value) > 0)) RaiseInvalidValue();
    mdblIncrement = value;
}

void UpDown::SetBuddy(Widget* buddy, TextGetter getText, TextSetter setText) {
    ForgetBuddy();
    if (!buddy || !getText || !setText) return;
    mBuddy = buddy;
    mfnGetText = std::move(getText);
    mfnSetText = std::move(setText);
    // The watch is gone with the buddy: nothing to unwatch then.
    mlngBuddyWatch = Host::Current().WatchDestruction(*buddy, [this] {
        mBuddy = nullptr;
        mfnGetText = nullptr;
        mfnSetText = nullptr;
    });
}

void UpDown::BuddyProperty(std::string value) {
    if (!value.empty() && !EqualsNoCase(value, "Text")) RaiseInvalidValue();
    mstrBuddyProperty = std::move(value);
}

void UpDown::RaiseChange() {
    Change.Emit();
    RaiseEvent(Events::Change, {});
}

// The number the buttons step from: the buddy's text when there is a buddy. A text whose
// number lies beyond a Double cannot be stepped, so the step starts from Value instead.
double UpDown::StepStart() const {
    if (!HasBuddy()) return mdblValue;
    try {
        return LenientNumber(mfnGetText());
    } catch (const AutomationError&) {
        return mdblValue;
    }
}

// One step towards `towards` (Max for the up button, Min for the down button), so a
// reversed range reverses the buttons and a start outside the range comes back into it.
void UpDown::Spin(double towards, const Signal<>& click, Events clickEvent) {
    if (!AcceptsInput()) return;
    const double start = StepStart();
    const double step = towards > start ? mdblIncrement : towards < start ? -mdblIncrement : 0;
    const double next = Clamp(start + step);
    if (HasBuddy()) mfnSetText(NumberToText(next));
    Value(next);
    click.Emit();
    RaiseEvent(clickEvent, {});
}

void UpDown::UserUp() {
    Spin(mdblMax, UpClick, Events::UpClick);
}

void UpDown::UserDown() {
    Spin(mdblMin, DownClick, Events::DownClick);
}

// ---------------------------------------------------------------------------------------
// Interface

// Every member is passed by value.
const InterfaceTable& UpDown::Interface() const {
    using M = Members<UpDown>;
    using U = UpDown;
    namespace id = up_down_id;
    static const InterfaceTable table(
        "PanelKit2.UpDown",
        {
            M::Property("BuddyProperty", id::BuddyProperty, &U::BuddyProperty, &U::BuddyProperty,
                        {By::Val}),
            M::Property("Value", id::Value, &U::Value, &U::Value, {By::Val}),
            M::Property("Min", id::Min, &U::Min, &U::Min, {By::Val}),
            M::Property("Max", id::Max, &U::Max, &U::Max, {By::Val}),
            M::Property("Increment", id::Increment, &U::Increment, &U::Increment, {By::Val}),
        },
        {
            Event(Events::Change, "Change"),
            Event(Events::DownClick, "DownClick"),
            Event(Events::UpClick, "UpClick"),
        });
    return table;
}

}  // namespace panelkit2::host
