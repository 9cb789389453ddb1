#include "panelkit2/toolkit/command_button.hpp"

#include <utility>

namespace panelkit2::host {

CommandButton::CommandButton(Widget* parent, std::string name)
    : Widget(WidgetKind::CommandButton, parent, std::move(name)) {}

void CommandButton::Caption(std::string value) {
    if (value == mstrCaption) return;
    mstrCaption = std::move(value);
    NotifyChanged(WidgetProperty::Text);
}

void CommandButton::Pressed(bool value) {
    if (value == mblnPressed) return;
    mblnPressed = value;
    NotifyChanged(WidgetProperty::Pressed);
}

void CommandButton::UserClick() {
    if (!AcceptsInput()) return;
    SetFocus();
    Raise(Click);
}

void CommandButton::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    const auto* button = dynamic_cast<const CommandButton*>(&source);
    if (!button) return;
    Caption(button->mstrCaption);
    mblnDefault = button->mblnDefault;
    mblnCancel = button->mblnCancel;
}

}  // namespace panelkit2::host
