#pragma once

// The row the number controls share: an entry field at the left, spin buttons right of
// it and a caption right of those, one element high. It holds the caption, the element
// height, the widths the container reads and writes, the tool tips that show the allowed
// range, the widening of the field for a range end's digits, and what the field does when
// it gets the focus or is left with a number outside the range. The controls add the
// range, the value and what typing and spinning do.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/property_bag.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/up_down.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class NumberField : public OptionControl {
  public:
    int16_t ElementHeight() const noexcept { return mintElementHeight; }
    void ElementHeight(int16_t value);
    std::string Caption() const;
    void Caption(std::string_view value);
    // Bottom and right edge of the field.
    int32_t Bottom() const;
    int32_t Right() const;
    int32_t FieldWidth() const;
    void FieldWidth(int32_t value);

    // Constituents, for hosts and views that look inside.
    host::TextBox& Field() { return txtField; }
    host::UpDown& SpinButtons() { return Upd; }
    host::WrapLabel& CaptionLabel() { return wlCaption; }

  protected:
    static constexpr int16_t kDefaultElementHeight = 265;

    // `fieldName` names the entry field among the constituents. A new field shows 0.
    NumberField(std::string name, const Design& design, std::string fieldName);

    // What the control does with the user's input in the field.
    virtual void Field_Change() = 0;
    virtual void Field_KeyPress(int16_t& KeyAscii) = 0;
    virtual void Field_KeyDown(int16_t& KeyCode) = 0;
    virtual void Field_LostFocus() = 0;

    void ApplyCaption(std::string_view text) override { Caption(text); }
    void PaintForeColor(host::OleColor value) override { wlCaption.ForeColor(value); }
    void PaintBackColor(host::OleColor value) override { wlCaption.BackColor(value); }

    // The size of a new control: one element high, at least 500 twips wide with the spin
    // buttons, the caption one element high.
    void InitializeRow();
    // Field, spin buttons and caption in a row; the control one element high and as wide
    // as the three.
    void Paint();
    void UserControl_Resize();
    // Field, spin buttons and caption where a cleared control has them.
    void ResetRow();
    // A new end of the range, written as `number`: its display text (the infinity's when
    // `unbounded`) goes into both tool tips with the other end's; when the number with
    // `margin` does not fit the field, the field takes that width and the control becomes
    // spin buttons, number, `room` and the caption's text wide, the desired width too.
    // Then the end is marked changed and the row painted.
    struct FieldFit {
        double margin;
        double room;
    };
    void ShowRangeEnd(bool lower, const std::string& number, bool unbounded, FieldFit fit);
    void SelectAll();
    // The keypad minus changes the sign in its key-down and then types a minus sign, as
    // every key with a character does (a consumed key-down does not stop the character).
    // The key-down notes whether it changed the sign; the next key press drops that sign,
    // which would otherwise undo the change. True when it dropped the key.
    void NoteKeyDown(bool signChanged) { mblnSignChanged = signChanged; }
    bool DropsSignTyped(int16_t& KeyAscii);
    // The warning on leaving the field with a number outside the range; the text is then
    // selected whole.
    void WarnOutOfRange();
    // The keys both controls read first: element height, caption height and the size of
    // the spin buttons.
    void ReadRowProperties(host::PropertyBag& bag);

    // The entry field. Reading a control's value clamps the field's text, so the field may
    // change under a const reader.
    mutable host::TextBox txtField;
    host::UpDown Upd;
    host::WrapLabel wlCaption;

    int16_t mintElementHeight = kDefaultElementHeight;
    std::string mstrMinText;
    std::string mstrMaxText;

  private:
    void FitFieldToNumber(std::string_view number, FieldFit fit);

    bool mblnSignChanged = false;
};

}  // namespace panelkit2
