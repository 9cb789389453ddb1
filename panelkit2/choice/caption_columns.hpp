#pragma once

// The two columns of a control whose rows put a caption label before a field (drop-down
// lists, text fields): the width of the caption column and of the field column, imposed by
// the container or grown by the captions, and the layout of the rows across them. A row
// with a caption puts its field in the right-hand column, 100 twips short of the right
// edge, and its caption right-aligned 100 twips before the field, as wide as the widest
// caption so far; a row without a caption gives its field the whole width.

#include <cstdint>
#include <optional>

#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/choice/option_rows.hpp"
#include "panelkit2/toolkit/user_control.hpp"
#include "panelkit2/toolkit/widget.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class CaptionColumns {
  public:
    // The caption column in force (imposed, or grown by the captions).
    int16_t CaptionWidth() const noexcept { return mintCaptionWidth; }
    // The imposed field column; 0 when none is imposed.
    int16_t FieldWidth() const noexcept { return mintFieldWidth; }
    int16_t WidestCaption() const noexcept { return mintWidestCaption; }

    // What the first caption needs: its whole text (the label's tool tip) in the surface's
    // font, and 100.
    static int16_t NeededCaptionWidth(const host::UserControl& surface,
                                      const host::WrapLabel& first);
    // Widens the surface only where the imposed field would no longer fit beside it; the
    // rows are laid out at the next resize.
    void ImposeCaptionWidth(host::UserControl& surface, int16_t value);
    // The surface takes both columns and every field the column less a gap. False for 0,
    // which only stores; otherwise the caller lays the rows out again.
    template <class Field>
    bool ImposeFieldWidth(host::UserControl& surface, const OptionRows<Field>& rows, int16_t value);
    // A field that grew beyond the imposed column widens it.
    void GrowFieldWidth(float width);
    // A caption label sized to its text: the widest caption so far, and the caption column
    // it asks for (its width and 250).
    void NoteWidestCaption(const host::WrapLabel& label);
    void NoteCaptionColumn(const host::WrapLabel& label);
    void Reset() noexcept;

    // The field column of a surface `width` wide: half of it when the caption column takes
    // more than half or the imposed field is wider than the surface; `imposed()` when a
    // field width is imposed; otherwise what the caption column leaves.
    template <class Imposed>
    int16_t FieldColumn(double width, Imposed&& imposed) const;
    // Lays every row out across `width` with a field column `column` wide; `show(label)`
    // shows a caption after it was placed, and a field without caption also takes
    // `plainHeight` when there is one. Returns the height of the rows, each with a gap, as
    // an Integer (error 6 beyond).
    template <class Field, class Show>
    int16_t LayOut(const OptionRows<Field>& rows, double width, int16_t column,
                   std::optional<float> plainHeight, Show&& show) const;

  private:
    void PlaceCaptioned(host::Widget& field, host::WrapLabel& label, double width,
                        int16_t column) const;

    int16_t mintCaptionWidth = 0;
    int16_t mintFieldWidth = 0;
    int16_t mintWidestCaption = 0;
};

template <class Field>
bool CaptionColumns::ImposeFieldWidth(host::UserControl& surface, const OptionRows<Field>& rows,
                                      int16_t value) {
    mintFieldWidth = value;
    if (value == 0) return false;
    surface.Width(ToInteger(double(mintCaptionWidth) + value));
    for (int16_t i = 0; i <= rows.MaxIndex(); ++i) {
        Field& field = rows.FieldAt(i);
        field.Move(mintCaptionWidth, field.Top(), ToInteger(double(value) - 50));
    }
    return true;
}

template <class Imposed>
int16_t CaptionColumns::FieldColumn(double width, Imposed&& imposed) const {
    if (width / 2 < mintCaptionWidth || mintFieldWidth > width) return ToInteger(width / 2);
    if (mintFieldWidth > 0) return imposed();
    return ToInteger(width - mintCaptionWidth);
}

template <class Field, class Show>
int16_t CaptionColumns::LayOut(const OptionRows<Field>& rows, double width, int16_t column,
                               std::optional<float> plainHeight, Show&& show) const {
    int16_t total = 0;
    for (int16_t i = 0; i <= rows.MaxIndex(); ++i) {
        Field& field = rows.FieldAt(i);
        host::WrapLabel& label = rows.LabelAt(i);
        if (!label.Caption().empty()) {
            PlaceCaptioned(field, label, width, column);
            show(label);
        } else {
            field.Move(0, field.Top(), static_cast<float>(width), plainHeight);
        }
        total = ToInteger(double(total) + field.Height() + 50);
    }
    return total;
}

}  // namespace panelkit2
