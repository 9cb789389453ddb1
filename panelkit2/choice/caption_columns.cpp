#include "panelkit2/choice/caption_columns.hpp"

namespace panelkit2 {

namespace {
constexpr double kCaptionWidthMargin = 100;
// A caption column needs this much more than its label: the gap to the field.
constexpr double kCaptionRoom = 250;
constexpr double kFieldGap = 50;
// Fields end 100 twips short of the right edge.
constexpr double kFieldShortening = 150;
}  // namespace

int16_t CaptionColumns::NeededCaptionWidth(const host::UserControl& surface,
                                           const host::WrapLabel& first) {
    return ToInteger(double(surface.TextWidth(first.ToolTipText())) + kCaptionWidthMargin);
}

void CaptionColumns::ImposeCaptionWidth(host::UserControl& surface, int16_t value) {
    mintCaptionWidth = value;
    if (surface.Width() - value < mintFieldWidth)
        surface.Width(ToInteger(double(value) + mintFieldWidth));
}

void CaptionColumns::GrowFieldWidth(float width) {
    if (mintFieldWidth < width) mintFieldWidth = ToInteger(width);
}

void CaptionColumns::NoteWidestCaption(const host::WrapLabel& label) {
    if (label.Width() > mintWidestCaption) mintWidestCaption = ToInteger(label.Width());
}

void CaptionColumns::NoteCaptionColumn(const host::WrapLabel& label) {
    if (label.Width() + kCaptionRoom > mintCaptionWidth)
        mintCaptionWidth = ToInteger(label.Width() + kCaptionRoom);
}

void CaptionColumns::Reset() noexcept {
    mintCaptionWidth = 0;
    mintFieldWidth = 0;
    mintWidestCaption = 0;
}

// A caption too wide for what the field leaves starts at the left edge and wraps.
void CaptionColumns::PlaceCaptioned(host::Widget& field, host::WrapLabel& label, double width,
                                    int16_t column) const {
    field.Move(static_cast<float>(width - column + kFieldGap), field.Top(),
               ToInteger(column - kFieldShortening));
    label.Width(mintWidestCaption);
    if (label.Width() + column + kFieldGap > width)
        label.Move(kFieldGap, label.Top(), static_cast<float>(width - column - kFieldGap));
    else
        label.Left(static_cast<float>(width - column - label.Width() - kFieldGap));
}

}  // namespace panelkit2
