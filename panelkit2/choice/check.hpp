#pragma once

// Check: one yes/no choice, a bare check box followed by a word-wrapping caption. The host
// names the two states with the option texts "TRUE" and "FALSE" and attaches actions to
// them; actions attached before any state was named belong to both.

#include <cstdint>
#include <string>

#include "panelkit2/choice/two_state_actions.hpp"
#include "panelkit2/controls/control_base.hpp"
#include "panelkit2/toolkit/check_box.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class Check : public ControlBase {
  public:
    Check();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    int16_t CtlID() const;
    host::OleColor ForeColor() const;
    void ForeColor(host::OleColor value);
    host::OleColor BackColor() const;
    void BackColor(host::OleColor value);
    std::string Caption() const;
    void Caption(const std::string& value);
    int32_t DesiredWidth() const;
    int32_t Bottom() const;
    int32_t Right() const;
    bool Value() const;
    void Value(bool value);
    std::string Action() const;
    void Action(const std::string& value);
    bool Show() const;

    void Clear();
    void SetCaption(const std::string& strNewValue);
    void AddHelp(std::string& HelpString);
    void AddCaption(std::string& CaptionString);
    void AddOption(std::string& vData);
    void AddAction(std::string& vData);
    void SetSelectedOption(bool& vData);
    bool GetSelectedOption() const;
    std::string GetSelectedAction() const;

    // Constituents, for hosts and views that look inside.
    host::CheckBox& Box() { return Check_; }
    host::WrapLabel& CaptionLabel() { return wlCaption; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;

  private:
    void UserControl_Initialize();
    void UserControl_Resize();
    void Paint();
    void wlCaption_Click();

    // The box is named "Check" among the constituents; the trailing underscore keeps the
    // member apart from the class name.
    host::CheckBox Check_;
    host::WrapLabel wlCaption;

    bool mblnLayoutBusy = false;
    TwoStateActions mActions;
    int32_t mlngDesiredWidth = 400;
};

}  // namespace panelkit2
