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

    // The allowed range. A new control has the range (and default range) of a cleared one,
    // 0 to 100; Clear does not return to the default range.
    using RangedNumberField<float>::Min;
    using RangedNumberField<float>::Max;
    float Min() const override { return msngMin; }
    float Max() const override { return msngMax; }

    void Clear() override;
    // Writes the value into the field as it is, unclamped.
    void SetSelectedOption(float vData);

    // Decimals after the point as last typed (spinning keeps them).
    int16_t Decimals() const noexcept { return mintDecimals; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;

    void LetRangeEnd(bool lower, float value) override;
    void WriteValue(float value) override;
    float ClampedValue() const override;
    void Field_Change() override;
    void Field_KeyPress(int16_t& KeyAscii) override;
    void Field_KeyDown(int16_t& KeyCode) override;
    void Field_LostFocus() override;

  private:
    enum class Direction : int8_t { Down = -1, Up = 1 };

    void UserControl_Initialize();
    void ClampReal() const;
    float PageStep() const;
    void Spin(Direction direction);

    // The spin buttons' own handlers.
    void Upd_UpClick() { Spin(Direction::Up); }
    void Upd_DownClick() { Spin(Direction::Down); }

    float msngMin = 0;
    float msngMax = 0;
    int16_t mintDecimals = 0;
    // Set while the control rewrites the field itself; the change handler then does
    // nothing.
    bool mblnEditing = false;
};

}  // namespace panelkit2
