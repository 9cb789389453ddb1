// StringBox: the rows' geometry, the caption and field columns, and the layout.
//
// Two procedures set the control's height, and whichever runs last wins: Paint makes it
// reach down to the last row (its top and one element height), the resize makes it the sum
// of the rows' heights with a gap after each. A new control and every change of rows or
// captions end with Paint; a change of width (a container placing the control) and an
// imposed field width end with the resize.

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/choice/string_box.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr double kRowGap = 50;
// ElementWidth gives the captions a third of the control.
constexpr double kCaptionShare = 0.34;
constexpr float kInitialWidth = 2600;
constexpr float kInitialHeight = 255;
}  // namespace

double StringBox::RowStep() const noexcept {
    return double(mintElementHeight) + kRowGap;
}

// The stored width itself sizes nothing: the captions take a third of the control as it is
// and the fields the rest.
void StringBox::ElementWidth(int16_t value) {
    const double width = UserControl.Width();
    for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) {
        host::WrapLabel& label = Label(i);
        label.Move(0, label.Top(), static_cast<float>(width * kCaptionShare));
        host::TextBox& field = Field(i);
        field.Move(label.Width(), field.Top(), static_cast<float>(width - label.Width()));
    }
    mintElementWidth = value == 0 ? kDefaultElementWidth : value;
    Paint();
    UserControl.PropertyChanged("ElementWidth");
}

// Rows keep their spacing from the height they had (the old one) and take the new height;
// the control follows each row down, and the resize that raises has the last word.
void StringBox::ElementHeight(int16_t value) {
    const int16_t height = value == 0 ? kDefaultElementHeight : value;
    mRows.Restack(RowStep(), [&](int16_t i, host::TextBox& field, float top) {
        host::WrapLabel& label = Label(i);
        field.Height(height);
        label.Height(height);
        if (i > 0) {
            field.Top(top);
            label.Top(top);
        }
        UserControl.Height(field.Top() + height);
    });
    mintElementHeight = height;
    UserControl.PropertyChanged("ElementHeight");
}

int16_t StringBox::CaptionWidth() const {
    return CaptionColumns::NeededCaptionWidth(UserControl, Label(0));
}

void StringBox::CaptionWidth(int16_t value) {
    mColumns.ImposeCaptionWidth(UserControl, value);
}

void StringBox::FieldWidth(int16_t value) {
    if (mColumns.ImposeFieldWidth(UserControl, mRows, value)) UserControl_Resize();
}

int32_t StringBox::Bottom(int16_t& idx) const {
    return mRows.Indexed(Source().Get("Bottom"), idx, int32_t{0}, [&](int32_t& found) {
        const host::TextBox& field = Field(idx);
        return found = ToLong(double(field.Top()) + field.Height());
    });
}

int32_t StringBox::Right(int16_t& idx) const {
    return mRows.Indexed(Source().Get("Right"), idx, int32_t{0}, [&](int32_t& found) {
        const host::TextBox& field = Field(idx);
        return found = ToLong(double(field.Left()) + field.Width());
    });
}

// A new row's field stands one step below the row before, visible; its caption waits
// beside it, hidden until the row gets a caption. A loaded element copies row 0, its text
// and caption too: a new row starts empty instead, without text, caption or tool tips, so
// that it neither repeats what was typed into row 0 nor lays out as a captioned row.
void StringBox::ArrayCount(int16_t value) {
    FullReRaise(Source().Let("ArrayCount"), [&] {
        const auto place = [](int16_t, host::TextBox& field, host::WrapLabel& label) {
            field.Text({});
            field.ToolTipText({});
            label.Caption({});
            label.ToolTipText({});
            label.Top(field.Top());
        };
        if (!mRows.SetCount(value, RowStep(), place)) return;
        Paint();
        UserControl.PropertyChanged("ArrayCount");
    });
}

void StringBox::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mRows.DropRowsAbove(0);
            mintElementHeight = kDefaultElementHeight;
            ElementWidth(kDefaultElementWidth);
            UserControl.Width(kInitialWidth);
            UserControl.Height(kInitialHeight);
            host::WrapLabel& label = Label(0);
            label.Visible(false);
            label.Move(0, 0, label.Width(), UserControl.Height());
            host::TextBox& field = Field(0);
            field.Move(0, 0, UserControl.Width(), UserControl.Height());
            field.Text({});
            ResetContract();
            mRows.FreeFirstRow();
        }
        Paint();
    });
}

// Reaches down to each row in turn, without a resize, and lets every caption wrap at its
// width; the last row decides the height.
void StringBox::Paint() {
    FullReRaise(Source().Method("Paint"), [&] {
        if (mblnLayoutBusy) return;
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) {
            host::TextBox& field = Field(i);
            {
                LayoutGuard guard(mblnLayoutBusy);
                UserControl.Height(field.Top() + mintElementHeight);
            }
            field.Refresh();
            Label(i).Reflow();
        }
    });
}

// Rows across the caption and field columns, the captions wrapped at the width they get;
// tops come from the row stack only. The rows' height is an Integer, as Combo's.
void StringBox::UserControl_Resize() {
    if (mblnLayoutBusy) return;
    FullReRaise(Source().Method("UserControl_Resize"), [&] {
        LayoutGuard guard(mblnLayoutBusy);
        const double width = UserControl.Width();
        const int16_t field = mColumns.FieldColumn(width, [&] { return mColumns.FieldWidth(); });
        UserControl.Height(mColumns.LayOut(mRows, width, field, float(mintElementHeight),
                                           [](host::WrapLabel& label) { label.Reflow(); }));
        Paint();
    });
}

}  // namespace panelkit2
