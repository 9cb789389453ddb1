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

#include "panelkit2/range/action_ranges.hpp"
#include "panelkit2/range/number_field.hpp"

namespace panelkit2 {

template <class T>
class RangedNumberField : public NumberField {
  public:
    // The allowed range and the value, clamped into it.
    virtual T Min() const = 0;
    virtual T Max() const = 0;
    virtual T Value() const = 0;

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
    using NumberField::NumberField;

    void RouteAction(std::string_view text) override;

    ActionRanges<T> mudtActionRanges;
};

extern template class RangedNumberField<int32_t>;
extern template class RangedNumberField<float>;

}  // namespace panelkit2
