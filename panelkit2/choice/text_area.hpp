#pragma once

// TextArea: a large free-text field in a frame, the caption drawn as the frame's title. What
// the user typed is its selected option; it has no options of its own, and every action
// attached is part of its answer, whatever was typed. Its error sources name the control
// "TextBox". TextArea raises no events of its own.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class TextArea : public OptionControl {
  public:
    TextArea();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    std::string Caption() const { return wlCaption.Caption(); }
    void Caption(std::string_view value);
    // A container's caption and field columns do not apply: read 0, written and forgotten.
    int16_t CaptionWidth() const noexcept { return 0; }
    void CaptionWidth(int16_t value) noexcept { (void)value; }
    int16_t FieldWidth() const noexcept { return 0; }
    void FieldWidth(int16_t value) noexcept { (void)value; }
    // The field's text; only a Value let marks the property changed.
    std::string Text() const { return TextBox_.Text(); }
    void Text(std::string_view value) { TextBox_.Text(std::string(value)); }
    std::string Value() const { return TextBox_.Text(); }
    void Value(std::string_view value);
    // Bottom and right edge of the field.
    int32_t Bottom() const;
    int32_t Right() const;
    // The field's tag, which nothing fills; a let appends to the common actions.
    std::string Action() const { return TextBox_.Tag(); }
    void Action(std::string_view value);

    // The typed text stays.
    void Clear() override;
    // No options: ignored.
    void AddOption(std::string_view vData) { (void)vData; }
    void SetSelectedOption(std::string_view vData) { Text(vData); }
    std::string GetSelectedOption() const { return Text(); }
    // Every action attached.
    std::string GetSelectedAction() const override { return mstrCommonAction; }

    // Constituents, for hosts and views that look inside.
    host::Frame& TextFrame() { return frame; }
    host::TextBox& Field() { return TextBox_; }
    const host::TextBox& Field() const { return TextBox_; }
    host::WrapLabel& CaptionLabel() { return wlCaption; }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void ApplyCaption(std::string_view text) override { Caption(text); }
    void RouteAction(std::string_view text) override { Action(text); }
    void PaintForeColor(host::OleColor value) override { wlCaption.ForeColor(value); }
    void PaintBackColor(host::OleColor value) override { wlCaption.BackColor(value); }

  private:
    void UserControl_Initialize();
    void UserControl_Resize();
    void Paint();

    host::Frame frame;
    // The field is named "TextBox" among the constituents; the trailing underscore keeps the
    // member apart from the toolkit class.
    host::TextBox TextBox_;
    // Over the frame's top edge, above the field.
    host::WrapLabel wlCaption;
};

}  // namespace panelkit2
