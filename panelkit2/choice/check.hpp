#pragma once

// Check: one yes/no choice, a bare check box followed by a word-wrapping caption. The host
// names the two states with the option texts "TRUE" and "FALSE" and attaches actions to
// them; actions attached before any state was named (or the caption set) belong to both.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/choice/two_state_actions.hpp"
#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/check_box.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class Check : public OptionControl {
  public:
    Check();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    std::string Caption() const;
    void Caption(std::string_view value);
    int32_t Bottom() const;
    int32_t Right() const;
    bool Value() const;
    void Value(bool value);
    std::string Action() const;
    void Action(std::string_view value);

    void Clear() override;
    void AddOption(std::string_view vData);
    void SetSelectedOption(bool vData);
    bool GetSelectedOption() const;
    std::string GetSelectedAction() const override;

    // Constituents, for hosts and views that look inside.
    host::CheckBox& Box() { return Check_; }
    host::WrapLabel& CaptionLabel() { return wlCaption; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void ApplyCaption(std::string_view text) override { Caption(text); }
    void RouteAction(std::string_view text) override { Action(text); }
    void PaintForeColor(host::OleColor value) override { Check_.ForeColor(value); }
    void PaintBackColor(host::OleColor value) override { Check_.BackColor(value); }

  private:
    void UserControl_Initialize();
    void UserControl_Resize();
    void Paint();
    void wlCaption_Click();

    // The box is named "Check" among the constituents; the trailing underscore keeps the
    // member apart from the class name.
    host::CheckBox Check_;
    host::WrapLabel wlCaption;

    TwoStateActions mActions;
};

}  // namespace panelkit2
