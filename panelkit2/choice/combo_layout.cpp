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
// A caption column needs this much more than its label: the gap to the list.
constexpr double kCaptionRoom = 250;
constexpr double kCaptionWidthMargin = 100;
constexpr double kFieldGap = 50;
// Lists end 100 twips short of the right edge.
constexpr double kListShortening = 150;

// Sums of Integer operands are Integer: a result outside 16 bits overflows.
int16_t Sum16(int32_t a, double b) {
    return ToInteger(a + b);
}
}  // namespace

void Combo::ElementHeight(int16_t value) {
    FullReRaise(Source().Let("ElementHeight"), [&] {
        const int16_t height = value == 0 ? kDefaultElementHeight : value;
        // The spacing still follows the old height; the new one governs later elements.
        for (int32_t i = 0; i <= mintArrayUpper; ++i) {
            host::ComboBox& list = Combo_[i];
            if (i > 0)
                list.Top(static_cast<float>(double(Combo_[i - 1].Top()) + mintElementHeight +
                                            kElementGap));
            UserControl.Height(static_cast<float>(double(height) + list.Top()));
        }
        mintElementHeight = height;
        Paint();
        UserControl.PropertyChanged("ElementHeight");
    });
}

void Combo::ElementWidth(int16_t value) {
    const int16_t width = value == 0 ? kDefaultElementWidth : value;
    for (int32_t i = 0; i <= mintArrayUpper; ++i) {
        UserControl.Width(width);
        host::WrapLabel& label = wlCaption[i];
        label.Move(0, label.Top(), static_cast<float>(width * kElementCaptionShare));
        Combo_[i].Left(label.Width());
    }
    mintElementWidth = width;
    Paint();
    UserControl.PropertyChanged("ElementWidth");
}

std::string Combo::Caption(int16_t idx) const {
    return FullReRaise(Source().Get("Caption"), [&] { return wlCaption[idx].Caption(); });
}

// An empty text changes nothing, so a cleared control keeps its label's place.
void Combo::Caption(int16_t idx, std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        if (value.empty()) return;
        host::WrapLabel& label = wlCaption[idx];
        SizeToText(label, value);
        label.ToolTipText(std::string(value));
        label.Visible(true);
        if (label.Width() > mintWidestCaption) mintWidestCaption = ToInteger(label.Width());
        if (label.Width() + kCaptionRoom > mintCaptionWidth)
            mintCaptionWidth = ToInteger(label.Width() + kCaptionRoom);
        UserControl.Width(label.Width() + label.Left() + Combo_[idx].Width());
        mlngDesiredWidth = ToLong(UserControl.Width());
        Paint();
    });
}

void Combo::ApplyCaption(std::string_view text) {
    Caption(0, text);
}

// Measured from the first label's tool tip, which keeps the caption's text.
int16_t Combo::CaptionWidth() const {
    return ToInteger(double(UserControl.TextWidth(wlCaption[0].ToolTipText())) +
                     kCaptionWidthMargin);
}

// Only widens the control where the imposed field would not fit; the rows are laid out at
// the next resize.
void Combo::CaptionWidth(int16_t value) {
    mintCaptionWidth = value;
    if (UserControl.Width() - value < mintFieldWidth)
        UserControl.Width(Sum16(value, mintFieldWidth));
}

void Combo::FieldWidth(int16_t value) {
    mintFieldWidth = value;
    if (value == 0) return;
    UserControl.Width(Sum16(mintCaptionWidth, value));
    for (int32_t i = 0; i <= mintArrayUpper; ++i) {
        host::ComboBox& list = Combo_[i];
        list.Move(mintCaptionWidth, list.Top(), Sum16(value, -kFieldGap));
    }
    UserControl_Resize();
}

int32_t Combo::Bottom(int16_t idx) const {
    return FullReRaise(Source().Get("Bottom"), [&] {
        const host::ComboBox& list = Combo_[idx];
        return ToLong(double(list.Top()) + list.Height());
    });
}

int32_t Combo::Right(int16_t idx) const {
    return FullReRaise(Source().Get("Right"), [&] {
        const host::ComboBox& list = Combo_[idx];
        return ToLong(double(list.Left()) + list.Width());
    });
}

// The element stack. The count follows each element destroyed or created, so a failure
// part-way (element 0 cannot go) leaves a count that matches the elements there are.
void Combo::ArrayCount(int16_t value) {
    FullReRaise(Source().Let("ArrayCount"), [&] {
        const int16_t upper = Sum16(value, -1);
        if (upper == mintArrayUpper) return;
        while (mintArrayUpper > upper) {
            Combo_.Unload(mintArrayUpper);
            wlCaption.Unload(mintArrayUpper);
            --mintArrayUpper;
        }
        while (mintArrayUpper < upper) {
            const int16_t i = static_cast<int16_t>(mintArrayUpper + 1);
            host::ComboBox& list = Combo_.Load(i);
            host::WrapLabel& label = wlCaption.Load(i);
            mintArrayUpper = i;
            const double step = double(mintElementHeight) + kElementGap;
            list.Top(static_cast<float>(Combo_[i - 1].Top() + step));
            label.Move(0, static_cast<float>(wlCaption[i - 1].Top() + step),
                       static_cast<float>(UserControl.Width() * kCaptionShare), mintElementHeight);
            list.Visible(true);
            label.Visible(false);
        }
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

// Captioned rows put the list in a right-hand column of width F and right-align the
// captions to a common edge before it; rows without a caption give the list the whole
// width. Tops come from the element stack only.
void Combo::UserControl_Resize() {
    FullReRaise(Source().Method("UserControl_Resize"), [&] {
        if (mblnLayoutBusy) return;
        LayoutGuard guard(mblnLayoutBusy);
        const double width = UserControl.Width();
        int16_t field;
        if (width / 2 < mintCaptionWidth || mintFieldWidth > width)
            field = ToInteger(width / 2);
        else if (mintFieldWidth > 0)
            field = mintWidestItem > width - CaptionWidth() ? mintWidestItem : mintFieldWidth;
        else
            field = ToInteger(width - mintCaptionWidth);

        int16_t total = 0;
        for (int32_t i = 0; i <= mintArrayUpper; ++i) {
            host::ComboBox& list = Combo_[i];
            host::WrapLabel& label = wlCaption[i];
            if (!label.Caption().empty()) {
                list.Move(static_cast<float>(width - field + kFieldGap), list.Top(),
                          Sum16(field, -kListShortening));
                label.Width(mintWidestCaption);
                if (label.Width() + field + kFieldGap > width)
                    label.Move(kFieldGap, label.Top(),
                               static_cast<float>(width - field - kFieldGap));
                else
                    label.Left(static_cast<float>(width - field - label.Width() - kFieldGap));
                label.Refresh();
            } else {
                list.Move(0, list.Top(), static_cast<float>(width));
            }
            total = ToInteger(double(total) + list.Height() + kElementGap);
        }
        UserControl.Height(total);
    });
}

}  // namespace panelkit2
