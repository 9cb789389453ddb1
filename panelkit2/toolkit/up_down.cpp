#include "panelkit2/toolkit/up_down.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2::host {

namespace {

constexpr int32_t kChange = 1;
constexpr int32_t kDownClick = 2;
constexpr int32_t kUpClick = 3;

[[noreturn]] void RaiseInvalidValue() {
    RaiseStandard(err::InvalidPropertyValue, "PanelKit2.UpDown");
}

double CheckedFinite(double value) {
    if (!std::isfinite(value)) RaiseInvalidValue();
    return value;
}

}  // namespace

UpDown::UpDown(Widget* parent, std::string name)
    : Widget(WidgetKind::UpDown, parent, std::move(name)), mExtender(*this) {
    mlngBuddyWatch = Host::Current().WidgetDestroyed.Connect([this](Widget& widget) {
        if (&widget == mBuddy) SetBuddy(nullptr, {}, {});
    });
}

UpDown::~UpDown() {
    Host::Current().WidgetDestroyed.Disconnect(mlngBuddyWatch);
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
    const bool complete = buddy && getText && setText;
    mBuddy = complete ? buddy : nullptr;
    mfnGetText = complete ? std::move(getText) : nullptr;
    mfnSetText = complete ? std::move(setText) : nullptr;
}

void UpDown::BuddyProperty(std::string value) {
    if (!value.empty() && !EqualsNoCase(value, "Text")) RaiseInvalidValue();
    mstrBuddyProperty = std::move(value);
}

void UpDown::RaiseChange() {
    Change.Emit();
    RaiseEvent(kChange, {});
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
void UpDown::Spin(double towards, const Signal<>& click, int32_t clickEvent) {
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
    Spin(mdblMax, UpClick, kUpClick);
}

void UpDown::UserDown() {
    Spin(mdblMin, DownClick, kDownClick);
}

// ---------------------------------------------------------------------------------------
// Interface

namespace {

using B = Bind<UpDown>;
using V = VarType;

template <double (UpDown::*Read)() const noexcept, void (UpDown::*Write)(double)>
std::vector<MemberDef> DoubleProperty(std::string_view name, DispId id) {
    return {B::Get(name, id, V::Double, [](UpDown& u, Args) -> Variant { return (u.*Read)(); }),
            B::Let(name, id, {ByVal("Value", V::Double)}, [](UpDown& u, Args a) -> Variant {
                (u.*Write)(a[0].AsDouble());
                return {};
            })};
}

std::vector<MemberDef> UpDownMembers() {
    namespace id = up_down_id;
    std::vector<MemberDef> members = {
        B::Get("BuddyProperty", id::BuddyProperty, V::String,
               [](UpDown& u, Args) -> Variant { return u.BuddyProperty(); }),
        B::Let("BuddyProperty", id::BuddyProperty, {ByVal("Value", V::String)},
               [](UpDown& u, Args a) -> Variant {
                   u.BuddyProperty(a[0].AsString());
                   return {};
               }),
    };
    for (auto&& group : {
             DoubleProperty<&UpDown::Value, &UpDown::Value>("Value", id::Value),
             DoubleProperty<&UpDown::Min, &UpDown::Min>("Min", id::Min),
             DoubleProperty<&UpDown::Max, &UpDown::Max>("Max", id::Max),
             DoubleProperty<&UpDown::Increment, &UpDown::Increment>("Increment", id::Increment),
         })
        members.insert(members.end(), group.begin(), group.end());
    return members;
}

}  // namespace

const InterfaceTable& UpDown::Interface() const {
    static const InterfaceTable table(
        "PanelKit2.UpDown", UpDownMembers(),
        {{"Change", kChange, {}}, {"DownClick", kDownClick, {}}, {"UpClick", kUpClick, {}}});
    return table;
}

}  // namespace panelkit2::host
