#pragma once

// Radio: one choice out of a growing list. A group caption on top, then one row per option:
// an option button and a word-wrapping label with the option's caption. The first AddOption
// names the row a new control starts with, each later one appends a row; actions attach to
// the option added last, and those attached before any option was named are common ones.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/choice/option_rows.hpp"
#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/option_button.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class Radio : public OptionControl {
  public:
    Radio();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    int16_t ElementHeight() const noexcept { return mintElementHeight; }
    void ElementHeight(int16_t value);
    // The caption of one option.
    std::string Caption(int16_t idx) const;
    void Caption(int16_t idx, std::string_view value);
    int32_t Bottom(int16_t idx) const;
    int32_t Right(int16_t idx) const;
    int16_t ArrayCount() const noexcept { return mRows.Count(); }
    // Below 1 is error 380: option 0 always stays.
    void ArrayCount(int16_t value);
    // Value and Action end quietly for an index outside the options and then hand back the
    // highest valid index through `idx`.
    bool Value(int16_t& idx) const;
    void Value(int16_t& idx, bool value);
    std::string Action(int16_t& idx) const;
    void Action(int16_t& idx, std::string_view value);
    // Whether the label of option i is visible.
    bool WLVisible(int16_t i) const;

    bool Show() const override { return mblnOptionMode; }
    void Clear() override;
    void SetSelectedOption(std::string_view vData);
    std::string GetSelectedOption() const;
    void AddOption(std::string_view vData);
    std::string GetSelectedAction() const override;

    // Constituents, for hosts and views that look inside.
    host::Frame& GroupFrame() { return frame; }
    host::OptionButton& OptionButtonAt(int16_t idx) { return Button(idx); }
    host::WrapLabel& OptionLabelAt(int16_t idx) { return Label(idx); }
    host::WrapLabel& CaptionLabel() { return wlCaption; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void ApplyCaption(std::string_view text) override;
    void RouteAction(std::string_view text) override;
    void PaintForeColor(host::OleColor value) override;
    void PaintBackColor(host::OleColor value) override;

  private:
    void UserControl_Initialize();
    void UserControl_Resize();
    void Paint();
    void wlOption_Click(int16_t index);

    // Error 9 for an index without a row, so that the quiet ends of Value and Action see it.
    host::OptionButton& Button(int32_t idx) const { return mRows.FieldAt(idx); }
    host::WrapLabel& Label(int32_t idx) const { return mRows.LabelAt(idx); }
    // From the top of one row to the top of the next.
    double RowStep() const noexcept;
    // A new row's label waits right of its button for the next resize.
    void PlaceNewRow(int16_t index, host::OptionButton& button, host::WrapLabel& label);

    host::Frame frame;
    // optRadio and wlOption, one row per option.
    OptionRows<host::OptionButton> mRows;
    host::WrapLabel wlCaption;

    int16_t mintElementHeight = 255;
    // mblnOptionMode is set once an option has a non-empty caption or AddOption ran: from
    // then on actions go to the options, and the control is shown.
};

}  // namespace panelkit2
