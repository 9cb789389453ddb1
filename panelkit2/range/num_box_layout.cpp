// NumBox: the caption, the widths of the field and the layout of field, spin buttons and
// caption in one row.

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/range/num_box.hpp"

namespace panelkit2 {

namespace {
// The caption stands this far right of the spin buttons, and the control ends there too
// when it is painted.
constexpr double kCaptionGap = 100;
// Room a caption needs beyond its text, the field and the spin buttons.
constexpr double kCaptionRoom = 200;
// The narrowest a control gets beside field and spin buttons.
constexpr double kResizeRoom = 200;
// A field is this much wider than the digits of a range end, and a control widened for
// them this much wider than spin buttons, digits and caption text.
constexpr double kDigitsMargin = 100;
constexpr double kWidenedRoom = 400;
}  // namespace

std::string NumBox::Caption() const {
    return CaptionOf(wlCaption);
}

// An empty caption hides the label and leaves the width alone; a caption that does not
// fit widens the control, and the control's width becomes the desired one.
void NumBox::Caption(std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        SizeToText(wlCaption, value);
        wlCaption.ToolTipText(std::string(value));
        wlCaption.Visible(!value.empty());
        if (value.empty()) return;
        const double needed =
            double(wlCaption.Width()) + NumBox_.Width() + Upd.Width() + kCaptionRoom;
        if (needed > UserControl.Width()) UserControl.Width(static_cast<float>(needed));
        mlngDesiredWidth = ToLong(UserControl.Width());
        UserControl.PropertyChanged("Caption");
    });
}

// 0 restores the default. A height that would make the control negative is refused before
// it is kept, so the control stays usable.
void NumBox::ElementHeight(int16_t value) {
    FullReRaise(Source().Let("ElementHeight"), [&] {
        const int16_t height = value == 0 ? kDefaultElementHeight : value;
        if (double(wlCaption.Top()) + height < 0) RaiseStandard(err::InvalidPropertyValue);
        mintElementHeight = height;
        Paint();
        UserControl.PropertyChanged("ElementHeight");
    });
}

int32_t NumBox::Bottom() const {
    return FullReRaise(Source().Get("Bottom"),
                       [&] { return ToLong(double(NumBox_.Top()) + NumBox_.Height()); });
}

int32_t NumBox::Right() const {
    return FullReRaise(Source().Get("Right"),
                       [&] { return ToLong(double(NumBox_.Left()) + NumBox_.Width()); });
}

int32_t NumBox::FieldWidth() const {
    return FullReRaise(Source().Get("FieldWidth"), [&] { return ToLong(NumBox_.Width()); });
}

void NumBox::FieldWidth(int32_t value) {
    FullReRaise(Source().Let("FieldWidth"), [&] {
        UserControl.Width(
            static_cast<float>(double(wlCaption.Width()) + value + Upd.Width() + kCaptionGap));
        NumBox_.Width(static_cast<float>(value));
        Paint();
    });
}

// A range end whose digits do not fit the field widens the field to them, and the control
// to spin buttons, digits and the caption's text; that width is then the desired one.
void NumBox::FitFieldToNumber(int32_t value) {
    const int32_t hDC = UserControl.hDC();
    const double digits = SharedSubs::GetTextWidth(hDC, NumberToText(value));
    if (!(digits + kDigitsMargin > NumBox_.Width())) return;
    const double caption = SharedSubs::GetTextWidth(hDC, wlCaption.ToolTipText());
    UserControl.Width(static_cast<float>(Upd.Width() + digits + kWidenedRoom + caption));
    NumBox_.Width(static_cast<float>(digits + kDigitsMargin));
    Upd.Left(NumBox_.Width());
    wlCaption.Left(static_cast<float>(double(Upd.Width()) + NumBox_.Width() + kCaptionOffset));
    mlngDesiredWidth = ToLong(UserControl.Width());
}

// Field, spin buttons and caption in a row; the control one element high and as wide as
// the three.
void NumBox::Paint() {
    if (mblnLayoutBusy) return;
    NumBox_.Left(0);
    Upd.Left(NumBox_.Width());
    UserControl.Height(static_cast<float>(double(wlCaption.Top()) + mintElementHeight));
    UserControl.Width(static_cast<float>(double(wlCaption.Width()) + NumBox_.Width() + Upd.Width() +
                                         kCaptionGap));
    wlCaption.Left(static_cast<float>(double(Upd.Left()) + Upd.Width() + kCaptionGap));
    UserControl.Refresh();
}

// The control is never narrower than field and spin buttons with some room; the caption
// takes the width left over.
void NumBox::UserControl_Resize() {
    if (mblnLayoutBusy) return;
    LayoutGuard guard(mblnLayoutBusy);
    wlCaption.Top(0);
    const double least = double(Upd.Width()) + NumBox_.Width() + kResizeRoom;
    if (least > UserControl.Width()) UserControl.Width(static_cast<float>(least));
    NumBox_.Left(0);
    Upd.Left(NumBox_.Width());
    wlCaption.Left(static_cast<float>(double(Upd.Left()) + Upd.Width() + kCaptionGap));
    wlCaption.Width(UserControl.Width() - wlCaption.Left());
    UserControl.Height(static_cast<float>(double(wlCaption.Top()) + mintElementHeight));
}

}  // namespace panelkit2
