#include "panelkit2/toolkit/option_button.hpp"

#include <algorithm>
#include <utility>

#include "panelkit2/toolkit/key_codes.hpp"

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

std::vector<OptionButton*> OptionButton::Group() const {
    std::vector<OptionButton*> group;
    if (!Parent()) return group;
    for (Widget* sibling : Parent()->Children())
        if (auto* button = dynamic_cast<OptionButton*>(sibling)) group.push_back(button);
    std::stable_sort(group.begin(), group.end(), [](const OptionButton* a, const OptionButton* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return group;
}

void OptionButton::UserKeyDown(int16_t keyCode, int16_t shift) {
    if (!AcceptsInput()) return;
    Raise(KeyDown, keyCode, shift);
    int step = 0;
    if (keyCode == key::Up || keyCode == key::Left) step = -1;
    if (keyCode == key::Down || keyCode == key::Right) step = 1;
    if (step == 0) return;
    // A KeyDown handler may have changed the group: it is looked at only now.
    const std::vector<OptionButton*> group = Group();
    const auto self = std::find(group.begin(), group.end(), this);
    if (self == group.end()) return;
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    std::ptrdiff_t at = self - group.begin();
    for (std::ptrdiff_t tried = 1; tried < count; ++tried) {
        at = (at + step + count) % count;
        if (group[static_cast<size_t>(at)]->AcceptsInput()) {
            group[static_cast<size_t>(at)]->UserClick();
            return;
        }
    }
}

void OptionButton::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    // The value is not copied: a group keeps at most one selected button.
    if (const auto* button = dynamic_cast<const OptionButton*>(&source))
        Caption(button->mstrCaption);
}

}  // namespace panelkit2::host
