#pragma once

// StringBox: free text in one or more rows, each a text field with an optional caption
// label to its left. Each AddOption names a row after the option text (the first names the
// row a new control starts with, each later one appends a row); actions attach to the row
// added last, and those attached before any row had a caption are common ones. The answer
// joins what was typed into the rows with "|" and the actions of every row with ",",
// whatever was typed.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/choice/caption_columns.hpp"
#include "panelkit2/choice/option_rows.hpp"
#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/widget_array.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class StringBox : public OptionControl {
  public:
    StringBox();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    // Stored and persisted; assigning it also spreads the rows across the control.
    int16_t ElementWidth() const noexcept { return mintElementWidth; }
    void ElementWidth(int16_t value);
    int16_t ElementHeight() const noexcept { return mintElementHeight; }
    void ElementHeight(int16_t value);
    // Index family (Caption, Bottom, Right, Value): an index without a row ends quietly and
    // hands the highest row index back through `idx`.
    std::string Caption(int16_t& idx) const;
    void Caption(int16_t& idx, std::string_view value);
    // What the first row's caption needs, whatever column was imposed.
    int16_t CaptionWidth() const;
    void CaptionWidth(int16_t value);
    // The imposed field column, 0 when none.
    int16_t FieldWidth() const noexcept { return mColumns.FieldWidth(); }
    void FieldWidth(int16_t value);
    // The text of the first row.
    std::string Text() const;
    void Text(std::string_view value);
    int32_t Bottom(int16_t& idx) const;
    int32_t Right(int16_t& idx) const;
    int16_t ArrayCount() const noexcept { return mRows.Count(); }
    // Below 1 is error 380: row 0 always stays.
    void ArrayCount(int16_t value);
    std::string Value(int16_t& idx) const;
    // Adds to the row's text: "," between what was there and the new value.
    void Value(int16_t& idx, std::string_view value);
    // A row's actions; an index without a row is error 9.
    std::string Action(int16_t idx) const;
    void Action(int16_t idx, std::string_view value);

    void Clear() override;
    void AddOption(std::string_view vData);
    // Every row takes the whole text.
    void SetSelectedOption(std::string_view vData);
    std::string GetSelectedOption() const;
    std::string GetSelectedAction() const override;

    // Constituents, for hosts and views that look inside.
    const host::WidgetArray<host::TextBox>& TextFields() const { return mRows.Fields(); }
    const host::WidgetArray<host::WrapLabel>& CaptionLabels() const { return mRows.Labels(); }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void ApplyCaption(std::string_view text) override;
    void RouteAction(std::string_view text) override;
    void PaintForeColor(host::OleColor value) override;
    void PaintBackColor(host::OleColor value) override;

  private:
    static constexpr int16_t kDefaultElementHeight = 255;
    static constexpr int16_t kDefaultElementWidth = 2600;

    void UserControl_Initialize();
    void UserControl_Resize();
    void Paint();

    // Error 9 for an index without a row.
    host::TextBox& Field(int32_t idx) const { return mRows.FieldAt(idx); }
    host::WrapLabel& Label(int32_t idx) const { return mRows.LabelAt(idx); }
    // From the top of one row to the top of the next.
    double RowStep() const noexcept;

    // The text fields (named "StringBox" among the constituents) and wlCaption.
    OptionRows<host::TextBox> mRows;
    // The caption column, the imposed field column and the widest caption label.
    CaptionColumns mColumns;
    int16_t mintElementHeight = kDefaultElementHeight;
    int16_t mintElementWidth = kDefaultElementWidth;
    // mblnOptionMode is the "a row has a caption" switch: set by any row caption, also an
    // empty one, it sends the actions to the rows from then on.
};

}  // namespace panelkit2
