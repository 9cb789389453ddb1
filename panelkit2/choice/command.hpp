#pragma once

// Command: a push button whose caption is a word-wrapping label centred on it. Pushing it
// raises ButtonPushed with the actions of the "TRUE" option; the actions of the "FALSE"
// option count only while the button has not been pushed. Actions attached before any
// option was named belong to the control whether pushed or not.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/choice/two_state_actions.hpp"
#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/command_button.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class Command : public OptionControl {
  public:
    enum class Events : int32_t { ButtonPushed = 1 };

    Command();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    std::string Caption() const;
    void Caption(std::string_view value);
    std::string Action() const;
    void Action(std::string_view value);

    void SetSelectionOption(bool vblnClicked);
    std::string GetSelectedOption() const;
    std::string GetSelectedAction() const override;
    void Clear() override;
    void SetClicked();
    void AddOption(std::string_view vData);
    void Paint();
    void UserControl_Resize();

    // Constituents, for hosts and views that look inside.
    host::CommandButton& Button() { return Command_; }
    host::WrapLabel& CaptionLabel() { return wlCaption; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void ApplyCaption(std::string_view text) override { Caption(text); }
    void RouteAction(std::string_view text) override { Action(text); }

  private:
    void UserControl_Initialize();
    void UserControl_Click();
    void DrawPressed(bool pressed);
    bool OutsideButton(float x, float y) const;
    void wlCaption_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void wlCaption_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void wlCaption_MouseUp(int16_t Button, int16_t Shift, float X, float Y);

    // The button is named "Command" among the constituents; the trailing underscore keeps
    // the member apart from the class name.
    host::CommandButton Command_;
    host::WrapLabel wlCaption;

    bool mblnClicked = false;
    bool mblnPressedLook = false;
    // Routing by the option named last; unlike Check, a caption does not leave common mode.
    TwoStateActions mActions;
};

}  // namespace panelkit2
