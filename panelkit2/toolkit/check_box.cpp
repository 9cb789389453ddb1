#include "panelkit2/toolkit/check_box.hpp"

#include <utility>

#include "panelkit2/automation/automation_error.hpp"

namespace panelkit2::host {

CheckBox::CheckBox(Widget* parent, std::string name)
    : Widget(WidgetKind::CheckBox, parent, std::move(name)) {}

void CheckBox::Value(int16_t value) {
    if (value < Unchecked || value > Grayed) RaiseStandard(err::InvalidPropertyValue);
    if (value == mintValue) return;
    mintValue = value;
    NotifyChanged(WidgetProperty::Value);
    Raise(Click);
}

void CheckBox::Caption(std::string value) {
    if (value == mstrCaption) return;
    mstrCaption = std::move(value);
    NotifyChanged(WidgetProperty::Text);
}

void CheckBox::UserClick() {
    if (!AcceptsInput()) return;
    SetFocus();
    Value(mintValue == Unchecked ? Checked : Unchecked);
}

void CheckBox::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    const auto* box = dynamic_cast<const CheckBox*>(&source);
    if (!box) return;
    Caption(box->mstrCaption);
    // A new element is not clicked: its design-time value arrives without Click.
    mintValue = box->mintValue;
    NotifyChanged(WidgetProperty::Value);
}

}  // namespace panelkit2::host
