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
#include <vector>

#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/up_down.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class NumBox : public OptionControl {
  public:
    enum class Events : int32_t { Change = 1 };

    NumBox();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    int16_t ElementHeight() const noexcept { return mintElementHeight; }
    void ElementHeight(int16_t value);
    std::string Caption() const;
    void Caption(std::string_view value);
    // Bottom and right edge of the field.
    int32_t Bottom() const;
    int32_t Right() const;
    // The range Clear returns to; setting one also sets that end of the range.
    int32_t DefaultMin() const noexcept { return mlngDefaultMin; }
    void DefaultMin(int32_t value);
    int32_t DefaultMax() const noexcept { return mlngDefaultMax; }
    void DefaultMax(int32_t value);
    // The allowed range. A new control has the spin buttons' own, 0 to 10, until the host
    // sets one; Min also writes its value into the field.
    int32_t Min() const;
    void Min(int32_t value);
    int32_t Max() const;
    void Max(int32_t value);
    int32_t FieldWidth() const;
    void FieldWidth(int32_t value);
    // Reading clamps the field into the range first; writing clamps after.
    int32_t Value() const;
    void Value(int32_t value);
    // The ends of one sub-range. An index outside the sub-ranges ends quietly: nothing is
    // read (0) or stored, and the highest valid index comes back through `idx`.
    int32_t ActionMin(int16_t& idx) const;
    void ActionMin(int16_t& idx, int32_t value);
    int32_t ActionMax(int16_t& idx) const;
    void ActionMax(int16_t& idx, int32_t value);
    // Every sub-range's actions in index order; writing attaches to the common actions
    // until the first sub-range, then to the sub-range of the spin buttons' current range.
    std::string Action() const;
    void Action(std::string_view value);

    void Clear() override;
    void SetSelectedOption(int32_t vData);
    int32_t GetSelectedOption() const;
    // Attaches an action to the sub-range vMin..VMax (ends inclusive), appending when the
    // sub-range exists already.
    void SetConditionalAction(int32_t vMin, int32_t VMax, std::string_view vData);
    void AddOption(int32_t vMin, int32_t VMax);
    std::string GetSelectedAction() const override;

    // Constituents, for hosts and views that look inside.
    host::TextBox& Field() { return NumBox_; }
    host::UpDown& SpinButtons() { return Upd; }
    host::WrapLabel& CaptionLabel() { return wlCaption; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void ApplyCaption(std::string_view text) override { Caption(text); }
    void RouteAction(std::string_view text) override;
    void PaintForeColor(host::OleColor value) override { wlCaption.ForeColor(value); }
    void PaintBackColor(host::OleColor value) override { wlCaption.BackColor(value); }

  private:
    static constexpr int16_t kDefaultElementHeight = 265;
    // Where the caption stands after a Clear or a widened field: this far right of the
    // spin buttons.
    static constexpr float kCaptionOffset = 50;

    struct ActionRange {
        int32_t Min = 0;
        int32_t Max = 0;
        std::string Action;
    };
    enum class RangeEnd : uint8_t { Lower, Upper };

    void UserControl_Initialize();
    void UserControl_Resize();
    void Paint();
    void LetRangeEnd(RangeEnd end, int32_t value);
    void FitFieldToNumber(int32_t value);
    void ClampValue() const;
    int32_t ClampedValue() const;
    // Error 9 for an index outside the sub-ranges, for the quiet ends.
    ActionRange& RangeAt(int16_t idx);
    const ActionRange& RangeAt(int16_t idx) const;
    int32_t SubRangeEnd(const ProcedureSource& source, int16_t& idx,
                        int32_t ActionRange::*end) const;
    void SubRangeEnd(const ProcedureSource& source, int16_t& idx, int32_t ActionRange::*end,
                     int32_t value);
    void StoreNewRange(int32_t vMin, int32_t VMax, std::string_view vData);
    std::string ActionsContaining(int32_t value) const;
    int32_t PageStep() const;
    void SelectAll();

    // The field's own handlers (user input).
    void NumBox_Change();
    void NumBox_KeyPress(int16_t& KeyAscii);
    void NumBox_KeyDown(int16_t& KeyCode);
    void NumBox_GotFocus();
    void NumBox_LostFocus();

    // The field is named "NumBox" among the constituents; the trailing underscore keeps the
    // member apart from the class name. Reading the value clamps the field's text, so the
    // field may change under a const reader.
    mutable host::TextBox NumBox_;
    host::UpDown Upd;
    host::WrapLabel wlCaption;

    int16_t mintElementHeight;
    int16_t mintActionCount = 0;
    // Entries 0 to mintActionCount.
    std::vector<ActionRange> mudtActionRanges;
    bool mblnRangeUsed = false;
    int32_t mlngDefaultMin = 0;
    int32_t mlngDefaultMax = 0;
    std::string mstrMinText;
    std::string mstrMaxText;
    bool mblnMinusTyped = false;
    // The keypad minus changed the sign in its key-down; the minus sign the same key types
    // next is dropped, or it would replace the number just negated.
    bool mblnSignChanged = false;
    // The change handler's own guard: writing the normalised text back does not recurse.
    bool mblnChanging = false;
};

}  // namespace panelkit2
