#include "panelkit2/toolkit/option_button.hpp"

#include <utility>

namespace panelkit2::host {

OptionButton::OptionButton(Widget* parent, std::string name)
    : Widget(WidgetKind::OptionButton, parent, std::move(name)) {}

void OptionButton::SetValueQuietly(bool value) {
    if (value == mblnValue) return;
    mblnValue = value;
    NotifyChanged(WidgetProperty::Value);
}

void OptionButton::ClearGroup() {
    if (!Parent()) return;
    // Copy: a cleared button's change notification may reach code that adds widgets.
    const std::vector<Widget*> siblings = Parent()->Children();
    for (Widget* sibling : siblings) {
        auto* button = dynamic_cast<OptionButton*>(sibling);
        if (button && button != this) button->SetValueQuietly(false);
    }
}

void OptionButton::Value(bool value) {
    if (value == mblnValue) return;
    if (value) ClearGroup();
    SetValueQuietly(value);
    if (value) Raise(Click);
}

void OptionButton::Caption(std::string value) {
    if (value == mstrCaption) return;
    mstrCaption = std::move(value);
    NotifyChanged(WidgetProperty::Text);
}

void OptionButton::UserClick() {
    if (!AcceptsInput()) return;
    SetFocus();
    ClearGroup();
    SetValueQuietly(true);
    Raise(Click);
}

void OptionButton::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    // The value is not copied: a group keeps at most one selected button.
    if (const auto* button = dynamic_cast<const OptionButton*>(&source))
        Caption(button->mstrCaption);
}

}  // namespace panelkit2::host
