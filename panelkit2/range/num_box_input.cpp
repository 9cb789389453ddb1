// NumBox: what the user does in the field (typing, keys, focus) and the clamping of the
// field into the range.

#include <optional>
#include <utility>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/range/num_box.hpp"
#include "panelkit2/toolkit/key_codes.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kLargestPageStep = 100;
constexpr int64_t kPagesPerRange = 10;

// The number a sign change starts from. A text that is not a number as a whole (a lone
// minus sign, an empty field, digits with a minus typed after them) counts as the number
// it starts with, 0 when none.
double SignChangeBase(const std::string& text) {
    try {
        return StrictNumber(text);
    } catch (const AutomationError& error) {
        if (error.Number() != err::TypeMismatch) throw;
        return LenientNumber(text);
    }
}
}  // namespace

// Above Max the text becomes Max with the caret where it was; below Min it becomes Min.
// The lower check reads the text strictly: a text that is not a number (a lone minus sign)
// fails with error 13, which the reading member reports under its own source.
void NumBox::ClampValue() const {
    if (LenientNumber(txtField.Text()) > Upd.Max()) {
        const int32_t caret = txtField.SelStart();
        txtField.Text(NumberToText(Max()));
        txtField.SelStart(caret);
    }
    if (StrictNumber(txtField.Text()) < Upd.Min()) txtField.Text(NumberToText(Min()));
}

// (Max - Min) \ 10, at most 100. The difference is taken in 64 bits: between the infinity
// ends it exceeds a Long, and a tenth of any difference of two Longs fits one again. A
// reversed range gives a negative step.
int32_t NumBox::PageStep() const {
    const int64_t span = int64_t{Max()} - int64_t{Min()};
    return SharedSubs::MinLong(static_cast<int32_t>(span / kPagesPerRange), kLargestPageStep);
}

// Every change rewrites the text as the plain number it starts with (leading zeros and
// trailing non-digits go, an empty field shows 0), lays the control out and tells the host.
// A minus sign just typed is left alone once, so that a negative number can be typed. The
// caret keeps its place in the rewritten text, so typing goes on where it was. A text
// whose number lies beyond a Double (pasted, never typed) is left as it is; reading the
// value reports it.
void NumBox::Field_Change() {
    Swallow(err::ObjectNotSet, [&] {
        if (mblnMinusTyped) {
            mblnMinusTyped = false;
            return;
        }
        if (mblnChanging) return;
        LayoutGuard guard(mblnChanging);
        std::optional<std::string> normal;
        Swallow(err::Overflow, [&] { normal = NumberToText(LenientNumber(txtField.Text())); });
        if (normal && *normal != txtField.Text()) {
            const int32_t caret = txtField.SelStart();
            txtField.Text(std::move(*normal));
            txtField.SelStart(caret);
        }
        UserControl_Resize();
        RaiseEvent(Events::Change, {});
    });
}

// Digits, the minus sign and backspace pass; every other character is dropped, and so is
// the minus sign of a keypad minus that has changed the sign already.
void NumBox::Field_KeyPress(int16_t& KeyAscii) {
    mblnMinusTyped = false;
    if (DropsSignTyped(KeyAscii) || KeyAscii == host::key::Back) return;
    if (KeyAscii == '-') {
        mblnMinusTyped = true;
        return;
    }
    if (KeyAscii < '0' || KeyAscii > '9') KeyAscii = 0;
}

// Up and Down step by 1, Page Up and Page Down by a tenth of the range (at most 100), the
// keypad minus changes the sign. The result is not clamped here; it is selected whole and
// the key is consumed. A text beyond any number is left alone, and so is the key.
void NumBox::Field_KeyDown(int16_t& KeyCode) {
    NoteKeyDown(false);
    std::optional<double> stepped;
    Silently([&] {
        const std::string& text = txtField.Text();
        switch (KeyCode) {
            case host::key::Up:
                stepped = LenientNumber(text) + 1;
                break;
            case host::key::Down:
                stepped = LenientNumber(text) - 1;
                break;
            case host::key::PageUp:
                stepped = LenientNumber(text) + PageStep();
                break;
            case host::key::PageDown:
                stepped = LenientNumber(text) - PageStep();
                break;
            case host::key::Subtract:
                stepped = -SignChangeBase(text);
                break;
            default:
                break;
        }
    });
    if (!stepped) return;
    Silently([&] { txtField.Text(NumberToText(*stepped)); });
    SelectAll();
    NoteKeyDown(KeyCode == host::key::Subtract);
    KeyCode = 0;
}

// Leaving the field with a number outside the range warns once and selects the text; the
// number stays and the focus moves on. A text that is no whole number within a Long (a
// lone minus sign, an empty field) lies outside every range.
void NumBox::Field_LostFocus() {
    bool inside = false;
    Silently([&] {
        const int32_t value = ToLong(StrictNumber(txtField.Text()));
        inside = value >= Upd.Min() && value <= Upd.Max();
    });
    if (!inside) WarnOutOfRange();
}

}  // namespace panelkit2
