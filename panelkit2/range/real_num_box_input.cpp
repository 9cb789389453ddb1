// RealNumBox: what the user does in the field (typing, keys, leaving it) and with the spin
// buttons.

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/range/real_num_box.hpp"
#include "panelkit2/range/real_number_text.hpp"
#include "panelkit2/toolkit/key_codes.hpp"
#include "panelkit2/toolkit/window_system.hpp"

namespace panelkit2 {

namespace {
constexpr float kLargestPageStep = 100;
constexpr double kPagesPerRange = 10;
// Ranges at least this wide have a tenth above the largest page step anyway; wider ones
// (the infinity ends among them) do not fit the whole number the step is taken from.
constexpr double kWidestCountedRange = 1E+9;
}  // namespace

// Every character passes. The minus sign changes the sign of a non-empty field first,
// with the caret where it was; the sign typed after that then leaves no number and is
// taken back. The minus sign of a keypad minus that changed the sign already is dropped.
void RealNumBox::Field_KeyPress(int16_t& KeyAscii) {
    if (DropsSignTyped(KeyAscii) || KeyAscii != '-' || txtField.Text().empty()) return;
    Silently([&] {
        const int32_t caret = txtField.SelStart();
        txtField.Text(RealToText(-ToSingle(ReadRealText(txtField.Text()))));
        txtField.SelStart(caret);
    });
}

// A change that leaves no number is undone, with the caret one place back; otherwise the
// number of decimals is remembered for the spin buttons.
void RealNumBox::Field_Change() {
    if (mblnEditing) return;
    SourceTrail("|PanelKit.RealNumBox::Change", [&] {
        LayoutGuard editing(mblnEditing);
        if (!IsRealText(txtField.Text())) {
            const int32_t caret = txtField.SelStart();
            const host::Hwnd field = txtField.WindowHandle();
            host::win::SendMessage(field, host::win::EditUndo, 0, 0);
            host::win::SendMessage(field, host::win::EditEmptyUndoBuffer, 0, 0);
            const int32_t length = txtField.SelLength();
            txtField.SelStart(caret < 1 ? 0 : caret - 1);
            txtField.SelLength(length);
        }
        const int64_t decimals = DecimalsOfText(txtField.Text());
        if (decimals >= 0) mintDecimals = ToInteger(double(decimals));
    });
}

// One unit of the last decimal place up or down. Where that turns the last digit into 0,
// which the rendering drops, the zeros are put back: as many decimals as the text had, or
// as last typed when that is more. So 5.9 steps to 6.0 also where the point came from the
// control (a typed 5 clamped to 5.0), not from the user. A text without a point is not
// stepped; the clamping gives it ".0", so the next press steps by 0.1. A text that cannot
// be stepped is left alone.
void RealNumBox::Spin(Direction direction) {
    LayoutGuard editing(mblnEditing);
    Silently([&] {
        std::string text = txtField.Text();
        const bool up = direction == Direction::Up;
        const int64_t decimals = std::max<int64_t>(DecimalsOfText(text), mintDecimals);
        const bool pointed = DecimalsOfText(text) >= 0;
        const char zeroing = (ReadRealText(text) >= 0) == up ? '9' : '1';
        const bool restoreZeros = pointed && text.back() == zeroing;
        if (pointed) text = RealToText(ToSingle(StepText(text, up)));
        if (restoreZeros) {
            if (DecimalsOfText(text) < 0) text += '.';
            while (DecimalsOfText(text) < decimals) text += '0';
        }
        txtField.Text(std::move(text));
        ClampReal();
    });
}

// A tenth of the range as a whole number, at most 100.
float RealNumBox::PageStep() const {
    if (std::fabs(double(msngMax) - double(msngMin)) >= kWidestCountedRange)
        return kLargestPageStep;
    const float span = SharedSubs::Difference(msngMax, msngMin);
    return SharedSubs::MinSingle(static_cast<float>(IntegerDivide(span, kPagesPerRange)),
                                 kLargestPageStep);
}

// Up and Down step by 1, Page Up and Page Down by a tenth of the range (at most 100), the
// keypad minus changes the sign. The result is not clamped here; it is selected whole and
// the key is consumed. Every key first reads the text as a whole number; a text that is
// none fails.
void RealNumBox::Field_KeyDown(int16_t& KeyCode) {
    NoteKeyDown(false);
    SourceTrail("|PanelKit.RealNumBox::KeyDown", [&] {
        const double value = ToSingle(StrictNumber(txtField.Text()));
        std::optional<double> stepped;
        switch (KeyCode) {
            case host::key::Up:
                stepped = value + 1;
                break;
            case host::key::Down:
                stepped = value - 1;
                break;
            case host::key::PageUp:
                stepped = value + PageStep();
                break;
            case host::key::PageDown:
                stepped = value - PageStep();
                break;
            case host::key::Subtract:
                stepped = -value;
                break;
            default:
                return;
        }
        txtField.Text(RealToText(ToSingle(*stepped)));
        SelectAll();
        NoteKeyDown(KeyCode == host::key::Subtract);
        KeyCode = 0;
    });
}

// The caret goes to the start; a number outside the range warns. Any text can be read.
void RealNumBox::Field_LostFocus() {
    txtField.SelStart(0);
    const double value = ReadRealText(txtField.Text());
    if (value > msngMax || value < msngMin) WarnOutOfRange();
}

}  // namespace panelkit2
