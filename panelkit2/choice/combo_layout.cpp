// Combo: the element stack, captions, column widths and the layout of the element rows.

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int16_t kDefaultElementWidth = 2600;
constexpr double kElementGap = 50;
// The height Paint asks for before the resize measures the real one.
constexpr double kPaintStep = 305;
constexpr double kCaptionShare = 0.34;
constexpr double kElementCaptionShare = 0.66;

// Sums of Integer operands are Integer: a result outside 16 bits overflows.
int16_t Sum16(int32_t a, double b) {
    return ToInteger(a + b);
}
}  // namespace

void Combo::ElementHeight(int16_t value) {
    FullReRaise(Source().Let("ElementHeight"), [&] {
        const int16_t height = value == 0 ? kDefaultElementHeight : value;
        // The spacing still follows the old height; the new one governs later elements.
        mRows.Restack(double(mintElementHeight) + kElementGap,
                      [&](int16_t, host::ComboBox& list, float top) {
                          list.Top(top);
                          UserControl.Height(static_cast<float>(double(height) + list.Top()));
                      });
        mintElementHeight = height;
        Paint();
        UserControl.PropertyChanged("ElementHeight");
    });
}

void Combo::ElementWidth(int16_t value) {
    const int16_t width = value == 0 ? kDefaultElementWidth : value;
    for (int32_t i = 0; i <= LastElement(); ++i) {
        UserControl.Width(width);
        host::WrapLabel& label = Label(i);
        label.Move(0, label.Top(), static_cast<float>(width * kElementCaptionShare));
        List(i).Left(label.Width());
    }
    mintElementWidth = width;
    Paint();
    UserControl.PropertyChanged("ElementWidth");
}

std::string Combo::Caption(int16_t idx) const {
    return FullReRaise(Source().Get("Caption"), [&] { return Label(idx).Caption(); });
}

// An empty text changes nothing, so a cleared control keeps its label's place.
void Combo::Caption(int16_t idx, std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        if (value.empty()) return;
        host::WrapLabel& label = Label(idx);
        SizeToText(label, value);
        label.ToolTipText(std::string(value));
        label.Visible(true);
        mColumns.NoteWidestCaption(label);
        mColumns.NoteCaptionColumn(label);
        UserControl.Width(label.Width() + label.Left() + List(idx).Width());
        mlngDesiredWidth = ToLong(UserControl.Width());
        Paint();
    });
}

void Combo::ApplyCaption(std::string_view text) {
    Caption(0, text);
}

// Measured from the first label's tool tip, which keeps the caption's text.
int16_t Combo::CaptionWidth() const {
    return CaptionColumns::NeededCaptionWidth(UserControl, Label(0));
}

void Combo::CaptionWidth(int16_t value) {
    mColumns.ImposeCaptionWidth(UserControl, value);
}

void Combo::FieldWidth(int16_t value) {
    if (mColumns.ImposeFieldWidth(UserControl, mRows, value)) UserControl_Resize();
}

int32_t Combo::Bottom(int16_t idx) const {
    return FullReRaise(Source().Get("Bottom"), [&] {
        const host::ComboBox& list = List(idx);
        return ToLong(double(list.Top()) + list.Height());
    });
}

int32_t Combo::Right(int16_t idx) const {
    return FullReRaise(Source().Get("Right"), [&] {
        const host::ComboBox& list = List(idx);
        return ToLong(double(list.Left()) + list.Width());
    });
}

// The element stack. The count follows each element destroyed or created, so a failure
// part-way (element 0 cannot go) leaves a count that matches the elements there are. A new
// caption starts one step below the caption before it, a third of the control wide.
void Combo::ArrayCount(int16_t value) {
    FullReRaise(Source().Let("ArrayCount"), [&] {
        const double step = double(mintElementHeight) + kElementGap;
        const auto place = [&](int16_t i, host::ComboBox&, host::WrapLabel& label) {
            label.Move(0, static_cast<float>(Label(i - 1).Top() + step),
                       static_cast<float>(UserControl.Width() * kCaptionShare), mintElementHeight);
            label.Visible(false);
        };
        if (!mRows.SetMaxIndex(Sum16(value, -1), step, place)) return;
        Paint();
        UserControl.PropertyChanged("ArrayCount");
    });
}

// A first height for the elements; the resize it raises measures the real one.
void Combo::Paint() {
    FullReRaise(Source().Method("Paint"), [&] {
        if (mblnLayoutBusy) return;
        UserControl.Height(ToInteger(ArrayCount() * kPaintStep + kElementGap));
        UserControl.Refresh();
    });
}

// Rows across the caption and list columns; tops come from the element stack only.
void Combo::UserControl_Resize() {
    FullReRaise(Source().Method("UserControl_Resize"), [&] {
        if (mblnLayoutBusy) return;
        LayoutGuard guard(mblnLayoutBusy);
        const double width = UserControl.Width();
        // An imposed field column gives way to the widest item where that does not fit
        // beside the first caption.
        const int16_t field = mColumns.FieldColumn(width, [&] {
            return mintWidestItem > width - CaptionWidth() ? mintWidestItem : mColumns.FieldWidth();
        });
        UserControl.Height(mColumns.LayOut(mRows, width, field, std::nullopt,
                                           [](host::WrapLabel& label) { label.Refresh(); }));
    });
}

}  // namespace panelkit2
