#include "panelkit2/toolkit/combo_box.hpp"

#include <algorithm>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/key_codes.hpp"

namespace panelkit2::host {

ComboBox::ComboBox(Widget* parent, std::string name)
    : Widget(WidgetKind::ComboBox, parent, std::move(name)) {
    ForeColor(colors::WindowText);
    BackColor(colors::Window);
}

void ComboBox::List(int16_t index, std::string value) {
    mcolItems.Text(index, std::move(value));
    NotifyChanged(WidgetProperty::List);
}

void ComboBox::SelectQuietly(int16_t index) {
    mintListIndex = index;
    NotifyChanged(WidgetProperty::Selection);
}

void ComboBox::ListIndex(int16_t value) {
    if (value < -1 || value >= ListCount()) RaiseStandard(err::InvalidPropertyValue);
    if (value == mintListIndex) return;
    SelectQuietly(value);
    Raise(Click);
}

void ComboBox::AddItem(std::string item, std::optional<int16_t> index) {
    const int16_t position = mcolItems.Insert(std::move(item), index);
    mintListIndex = IndexAfterInsert(mintListIndex, position);
    NotifyChanged(WidgetProperty::List);
}

void ComboBox::RemoveItem(int16_t index) {
    mcolItems.Remove(index);
    mintListIndex = IndexAfterRemove(mintListIndex, index);
    NotifyChanged(WidgetProperty::List);
}

void ComboBox::Clear() {
    mcolItems.Clear();
    mintListIndex = -1;
    NotifyChanged(WidgetProperty::List);
}

void ComboBox::UserPick(int16_t index) {
    (void)mcolItems.At(index);
    if (!AcceptsInput()) return;
    SetFocus();
    // A focus handler may have emptied the list.
    if (index >= ListCount()) return;
    SelectQuietly(index);
    Raise(Click);
}

void ComboBox::UserDropDown() {
    if (!AcceptsInput()) return;
    SetFocus();
    Raise(DropDown);
}

void ComboBox::UserKeyDown(int16_t keyCode, int16_t shift) {
    if (!AcceptsInput()) return;
    Raise(KeyDown, keyCode, shift);
    const bool alt = (shift & AltMask) != 0;
    if (keyCode == KeyF4 || (alt && (keyCode == key::Down || keyCode == key::Up))) {
        UserDropDown();
        return;
    }
    if (alt || ListCount() == 0) return;
    const std::optional<int32_t> moved = key::NavigationTarget(keyCode, mintListIndex, ListCount());
    if (!moved) return;
    int32_t target = *moved;
    // Up with nothing selected stays on nothing, as there is no entry above.
    if (target < 0) return;
    target = std::min<int32_t>(target, ListCount() - 1);
    if (target == mintListIndex) return;
    SelectQuietly(static_cast<int16_t>(target));
    Raise(Click);
}

}  // namespace panelkit2::host
