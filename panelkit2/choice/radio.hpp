#pragma once

// Radio: one choice out of a growing list. A group caption on top, then one row per option:
// an option button and a word-wrapping label with the option's caption. The first AddOption
// names the row a new control starts with, each later one appends a row; actions attach to
// the option added last, and those attached before any option was named are common ones.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/option_button.hpp"
#include "panelkit2/toolkit/widget_array.hpp"
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
    int16_t ArrayCount() const noexcept { return static_cast<int16_t>(mintMaxIndex + 1); }
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

    // Error 9 for an index without a row, whatever the array would say, so that the quiet
    // ends of Value and Action see it.
    host::OptionButton& Button(int32_t idx) const;
    host::WrapLabel& Label(int32_t idx) const;
    void AddRow(int16_t index);
    // Destroys the rows above `last`, highest first, keeping mintMaxIndex on the rows left.
    void DropRowsAbove(int16_t last);

    host::Frame frame;
    host::WidgetArray<host::OptionButton> optRadio;
    host::WidgetArray<host::WrapLabel> wlOption;
    host::WrapLabel wlCaption;

    int16_t mintMaxIndex = 0;
    int16_t mintElementHeight = 255;
    // The next AddOption names option 0 instead of adding a row.
    bool mblnFirstOptionFree = true;
    // mblnOptionMode is set once an option has a non-empty caption or AddOption ran: from
    // then on actions go to the options, and the control is shown.
};

}  // namespace panelkit2
