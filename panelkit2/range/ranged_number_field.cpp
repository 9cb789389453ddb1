#include "panelkit2/range/ranged_number_field.hpp"

#include "panelkit2/automation/mod_error.hpp"

namespace panelkit2 {

namespace {
constexpr auto kValueError = static_cast<int32_t>(0x80040001u);
}  // namespace

template <class T>
void RangedNumberField<T>::DefaultMin(T value) {
    FullReRaise(Source().Let("DefaultMin"), [&] {
        mDefaultMin = value;
        Min(value);
        UserControl.PropertyChanged("DefaultMin");
    });
}

template <class T>
void RangedNumberField<T>::DefaultMax(T value) {
    FullReRaise(Source().Let("DefaultMax"), [&] {
        mDefaultMax = value;
        Max(value);
        UserControl.PropertyChanged("DefaultMax");
    });
}

template <class T>
void RangedNumberField<T>::Min(T value) {
    FullReRaise(Source().Method("min"), [&] { LetRangeEnd(true, value); });
}

template <class T>
void RangedNumberField<T>::Max(T value) {
    FullReRaise(Source().Method("max"), [&] { LetRangeEnd(false, value); });
}

template <class T>
T RangedNumberField<T>::Value() const {
    return FullReRaise(Source().Get("Value"), [&] { return ClampedValue(); });
}

template <class T>
void RangedNumberField<T>::Value(T value) {
    OwnError(kValueError, Source().Let("Value"), mstrValueError, [&] {
        WriteValue(value);
        UserControl.PropertyChanged("Value");
    });
}

template <class T>
T RangedNumberField<T>::GetSelectedOption() const {
    return FullReRaise(Source().Method("GetSelectedOption"), [&] { return ClampedValue(); });
}

template <class T>
T RangedNumberField<T>::ActionMin(int16_t& idx) const {
    return mudtActionRanges.ReadEnd(Source().Get("ActionMin"), idx, &ActionRange<T>::Min);
}

template <class T>
void RangedNumberField<T>::ActionMin(int16_t& idx, T value) {
    mudtActionRanges.WriteEnd(Source().Let("ActionMin"), idx, &ActionRange<T>::Min, value);
}

template <class T>
T RangedNumberField<T>::ActionMax(int16_t& idx) const {
    return mudtActionRanges.ReadEnd(Source().Get("ActionMax"), idx, &ActionRange<T>::Max);
}

template <class T>
void RangedNumberField<T>::ActionMax(int16_t& idx, T value) {
    mudtActionRanges.WriteEnd(Source().Let("ActionMax"), idx, &ActionRange<T>::Max, value);
}

template <class T>
std::string RangedNumberField<T>::Action() const {
    return FullReRaise(Source().Get("action"), [&] { return mudtActionRanges.AllActions(); });
}

// Keyed by the current allowed range once actions go to sub-ranges.
template <class T>
void RangedNumberField<T>::Action(std::string_view value) {
    FullReRaise(Source().Let("action"), [&] {
        if (value.empty()) return;
        if (!mblnOptionMode) return AppendAction(mstrCommonAction, value);
        SetConditionalAction(Min(), Max(), value);
    });
}

// A new sub-range also sends later actions to the sub-ranges; an action for an existing
// one does not.
template <class T>
void RangedNumberField<T>::SetConditionalAction(T vMin, T VMax, std::string_view vData) {
    FullReRaise(Source().Method("SetConditionalAction"), [&] {
        if (mudtActionRanges.Attach(vMin, VMax, vData)) mblnOptionMode = true;
    });
}

template <class T>
void RangedNumberField<T>::AddOption(T vMin, T VMax) {
    FullReRaise(Source().Method("AddOption"), [&] {
        SetConditionalAction(vMin, VMax, {});
        mblnOptionMode = true;
    });
}

// Joins the newest sub-range once there is one, else the common actions.
template <class T>
void RangedNumberField<T>::RouteAction(std::string_view text) {
    if (!mblnOptionMode) return AppendAction(mstrCommonAction, text);
    const ActionRange<T>& newest = mudtActionRanges.At(mudtActionRanges.Last());
    SetConditionalAction(newest.Min, newest.Max, text);
}

// Every sub-range holding the value contributes, in index order, after the common actions.
// A missing sub-range makes the answer empty.
template <class T>
std::string RangedNumberField<T>::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        std::string answer;
        Swallow(err::SubscriptOutOfRange,
                [&] { answer = Answer(mudtActionRanges.ActionsContaining(Value())); });
        return answer;
    });
}

template class RangedNumberField<int32_t>;
template class RangedNumberField<float>;

}  // namespace panelkit2
