#pragma once

// NumBox: a whole number typed into a field or stepped with spin buttons, with a caption to
// the right. The allowed range lives in the spin buttons. The host attaches actions to
// sub-ranges of values; the answer holds the actions of every sub-range containing the
// value, after the actions that apply at any value. The field takes only digits, the minus
// sign and backspace, rewrites its text as a plain number on every change, steps with the
// arrow and page keys, and warns when it is left with a value outside the range.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/range/ranged_number_field.hpp"

namespace panelkit2 {

class NumBox : public RangedNumberField<int32_t> {
  public:
    enum class Events : int32_t { Change = 1 };

    NumBox();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    // The allowed range lives in the spin buttons: a new control has their own, 0 to 10,
    // until the host sets one. Clear returns to the default range.
    using RangedNumberField<int32_t>::Min;
    using RangedNumberField<int32_t>::Max;
    int32_t Min() const override;
    int32_t Max() const override;

    void Clear() override;
    // Clamps the field first, then writes the value as the Value let does.
    void SetSelectedOption(int32_t vData);

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;

    void LetRangeEnd(bool lower, int32_t value) override;
    void WriteValue(int32_t value) override;
    int32_t ClampedValue() const override;
    void Field_Change() override;
    void Field_KeyPress(int16_t& KeyAscii) override;
    void Field_KeyDown(int16_t& KeyCode) override;
    void Field_LostFocus() override;

  private:
    void UserControl_Initialize();
    void ClampValue() const;
    int32_t PageStep() const;

    bool mblnMinusTyped = false;
    // The change handler's own guard: writing the normalised text back does not recurse.
    bool mblnChanging = false;
};

}  // namespace panelkit2
