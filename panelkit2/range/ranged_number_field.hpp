#pragma once

// A number field whose host attaches actions to sub-ranges of its values (conditional
// actions). The answer holds the actions of every sub-range containing the value, after
// the actions that apply at any value. Actions attached before the first sub-range are
// common ones; once a sub-range exists, AddAction joins the newest one and the Action let
// the sub-range equal to the allowed range. T is the control's value type; the control
// says what its range and value are.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "panelkit2/range/action_ranges.hpp"
#include "panelkit2/range/number_field.hpp"

namespace panelkit2 {

template <class T>
class RangedNumberField : public NumberField {
  public:
    // The range the host means as the default. Setting one also sets that end of the
    // range.
    T DefaultMin() const noexcept { return mDefaultMin; }
    void DefaultMin(T value);
    T DefaultMax() const noexcept { return mDefaultMax; }
    void DefaultMax(T value);
    // The allowed range; Min also writes its value into the field.
    virtual T Min() const = 0;
    void Min(T value);
    virtual T Max() const = 0;
    void Max(T value);
    // Reading clamps the field into the range first; writing clamps after, and anything
    // that fails inside the write is the control's own error.
    T Value() const;
    void Value(T value);
    T GetSelectedOption() const;

    // The ends of one sub-range. An index outside the sub-ranges ends quietly: nothing is
    // read (0) or stored, and the highest valid index comes back through `idx`.
    T ActionMin(int16_t& idx) const;
    void ActionMin(int16_t& idx, T value);
    T ActionMax(int16_t& idx) const;
    void ActionMax(int16_t& idx, T value);
    // Every sub-range's actions in index order; writing attaches to the common actions
    // until the first sub-range, then to the sub-range of the current allowed range.
    std::string Action() const;
    void Action(std::string_view value);

    // Attaches an action to the sub-range vMin..VMax (ends inclusive), appending when the
    // sub-range exists already.
    void SetConditionalAction(T vMin, T VMax, std::string_view vData);
    void AddOption(T vMin, T VMax);
    std::string GetSelectedAction() const override;

  protected:
    // `valueError` describes the Value let's own error.
    RangedNumberField(std::string name, const Design& design, std::string fieldName,
                      std::string_view valueError)
        : NumberField(std::move(name), design, std::move(fieldName)), mstrValueError(valueError) {}

    // Where the control keeps an end of the range and what it shows of it.
    virtual void LetRangeEnd(bool lower, T value) = 0;
    // The value written into the field and clamped.
    virtual void WriteValue(T value) = 0;
    // The field clamped, then read.
    virtual T ClampedValue() const = 0;

    void RouteAction(std::string_view text) override;

    ActionRanges<T> mudtActionRanges;
    T mDefaultMin{};
    T mDefaultMax{};

  private:
    std::string_view mstrValueError;
};

extern template class RangedNumberField<int32_t>;
extern template class RangedNumberField<float>;

}  // namespace panelkit2
