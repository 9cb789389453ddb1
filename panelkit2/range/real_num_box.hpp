#pragma once

// RealNumBox: a real number (single precision) typed into a field or spun, with a caption
// to the right. The control holds the allowed range itself; the spin buttons only report
// presses. The host attaches actions to sub-ranges of values as in a whole-number field.
// The field takes any keystroke and takes back one that leaves no number; the spin buttons
// step by one unit of the last decimal place and keep the number of decimals last typed;
// a value read or written is shown with a decimal point.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/range/ranged_number_field.hpp"

namespace panelkit2 {

class RealNumBox : public RangedNumberField<float> {
  public:
    RealNumBox();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    // The range the host means as the default. Setting one also sets that end of the
    // range; Clear does not return to it.
    float DefaultMin() const noexcept { return msngDefaultMin; }
    void DefaultMin(float value);
    float DefaultMax() const noexcept { return msngDefaultMax; }
    void DefaultMax(float value);
    // The allowed range; Min also writes its value into the field.
    float Min() const override { return msngMin; }
    void Min(float value);
    float Max() const override { return msngMax; }
    void Max(float value);
    // Reading clamps the field into the range first; writing clamps after.
    float Value() const override;
    void Value(float value);

    void Clear() override;
    // Writes the value into the field as it is, unclamped.
    void SetSelectedOption(float vData);
    float GetSelectedOption() const;

    // Decimals after the point as last typed (spinning keeps them).
    int16_t Decimals() const noexcept { return mintDecimals; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;

  private:
    enum class Direction : int8_t { Down = -1, Up = 1 };

    void UserControl_Initialize();
    void LetRangeEnd(bool lower, float value);
    void ClampReal() const;
    float ClampedValue() const;
    float PageStep() const;
    void Spin(Direction direction);

    // The field's and the spin buttons' own handlers (user input).
    void RealNumBox_KeyPress(int16_t& KeyAscii);
    void RealNumBox_Change();
    void RealNumBox_KeyDown(int16_t& KeyCode);
    void RealNumBox_LostFocus();
    void Upd_UpClick() { Spin(Direction::Up); }
    void Upd_DownClick() { Spin(Direction::Down); }

    float msngDefaultMin = 0;
    float msngDefaultMax = 0;
    float msngMin = 0;
    float msngMax = 0;
    int16_t mintDecimals = 0;
    // Set while the control rewrites the field itself; the change handler then does
    // nothing.
    bool mblnEditing = false;
};

}  // namespace panelkit2
