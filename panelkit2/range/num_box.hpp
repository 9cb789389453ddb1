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

    // The range Clear returns to; setting one also sets that end of the range.
    int32_t DefaultMin() const noexcept { return mlngDefaultMin; }
    void DefaultMin(int32_t value);
    int32_t DefaultMax() const noexcept { return mlngDefaultMax; }
    void DefaultMax(int32_t value);
    // The allowed range. A new control has the spin buttons' own, 0 to 10, until the host
    // sets one; Min also writes its value into the field.
    int32_t Min() const override;
    void Min(int32_t value);
    int32_t Max() const override;
    void Max(int32_t value);
    // Reading clamps the field into the range first; writing clamps after.
    int32_t Value() const override;
    void Value(int32_t value);

    void Clear() override;
    void SetSelectedOption(int32_t vData);
    int32_t GetSelectedOption() const;

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;

  private:
    void UserControl_Initialize();
    void LetRangeEnd(bool lower, int32_t value);
    void ClampValue() const;
    int32_t ClampedValue() const;
    int32_t PageStep() const;

    // The field's own handlers (user input).
    void NumBox_Change();
    void NumBox_KeyPress(int16_t& KeyAscii);
    void NumBox_KeyDown(int16_t& KeyCode);
    void NumBox_LostFocus();

    int32_t mlngDefaultMin = 0;
    int32_t mlngDefaultMax = 0;
    bool mblnMinusTyped = false;
    // The change handler's own guard: writing the normalised text back does not recurse.
    bool mblnChanging = false;
};

}  // namespace panelkit2
