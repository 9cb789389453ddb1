#include "panelkit2/toolkit/list_box.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/key_codes.hpp"

namespace panelkit2::host {

ListBox::ListBox(Widget* parent, std::string name)
    : Widget(WidgetKind::ListBox, parent, std::move(name)) {
    ForeColor(colors::WindowText);
    BackColor(colors::Window);
    OwnCaret();
}

void ListBox::List(int16_t index, std::string value) {
    mcolItems.Text(index, std::move(value));
    NotifyChanged(WidgetProperty::List);
}

int16_t ListBox::VisibleRows() const {
    const Host& host = Host::Current();
    const double rowTwips =
        static_cast<double>(host.Metrics().LineHeightPixels()) * host.TwipsPerPixelY();
    const double rows = rowTwips > 0 ? std::floor(Height() / rowTwips) : 1;
    return static_cast<int16_t>(std::clamp(rows, 1.0, 32767.0));
}

void ListBox::SetTopIndexQuietly(int16_t value) {
    if (value == mintTopIndex) return;
    mintTopIndex = value;
    NotifyChanged(WidgetProperty::Range);
}

void ListBox::TopIndex(int16_t value) {
    if (value < 0 || value > std::max<int16_t>(ListCount() - 1, 0))
        RaiseStandard(err::InvalidPropertyValue);
    SetTopIndexQuietly(value);
}

void ListBox::EnsureVisible(int16_t index) {
    if (index < 0) return;
    const int16_t rows = VisibleRows();
    if (index < mintTopIndex) SetTopIndexQuietly(index);
    if (index >= mintTopIndex + rows) SetTopIndexQuietly(static_cast<int16_t>(index - rows + 1));
}

void ListBox::ListIndex(int16_t value) {
    if (value < -1 || value >= ListCount()) RaiseStandard(err::InvalidPropertyValue);
    if (value == mintListIndex) return;
    mintListIndex = value;
    EnsureVisible(value);
    NotifyChanged(WidgetProperty::Selection);
    Raise(Click);
}

bool ListBox::Selected(int16_t index) const {
    const ListItems::Item& item = mcolItems.At(index);
    return mintMultiSelect == SelectSingle ? index == mintListIndex : item.selected;
}

void ListBox::Selected(int16_t index, bool value) {
    ListItems::Item& item = mcolItems.At(index);
    if (mintMultiSelect == SelectSingle) {
        if (value)
            ListIndex(index);
        else if (index == mintListIndex)
            ListIndex(-1);
        return;
    }
    if (item.selected == value) return;
    item.selected = value;
    mintListIndex = index;
    EnsureVisible(index);
    NotifyChanged(WidgetProperty::Selection);
    Raise(Click);
}

int16_t ListBox::SelCount() const {
    if (mintMultiSelect == SelectSingle) return mintListIndex >= 0 ? 1 : 0;
    const auto& items = mcolItems.All();
    return static_cast<int16_t>(
        std::count_if(items.begin(), items.end(), [](const auto& item) { return item.selected; }));
}

void ListBox::MultiSelect(int16_t value) {
    if (value < SelectSingle || value > SelectExtended) RaiseStandard(err::InvalidPropertyValue);
    if (value == mintMultiSelect) return;
    mintMultiSelect = value;
    auto& items = mcolItems.All();
    for (size_t i = 0; i < items.size(); ++i)
        items[i].selected = static_cast<int16_t>(i) == mintListIndex;
    mintAnchor = mintListIndex;
    NotifyChanged(WidgetProperty::Selection);
}

void ListBox::AddItem(std::string item, std::optional<int16_t> index) {
    const int16_t position = mcolItems.Insert(std::move(item), index);
    mintListIndex = IndexAfterInsert(mintListIndex, position);
    mintAnchor = IndexAfterInsert(mintAnchor, position);
    NotifyChanged(WidgetProperty::List);
}

void ListBox::RemoveItem(int16_t index) {
    mcolItems.Remove(index);
    mintListIndex = IndexAfterRemove(mintListIndex, index);
    mintAnchor = IndexAfterRemove(mintAnchor, index);
    mintTopIndex = std::min<int16_t>(mintTopIndex, std::max<int16_t>(ListCount() - 1, 0));
    NotifyChanged(WidgetProperty::List);
}

void ListBox::Clear() {
    mcolItems.Clear();
    mintListIndex = -1;
    mintAnchor = -1;
    mintTopIndex = 0;
    NotifyChanged(WidgetProperty::List);
}

void ListBox::HorizontalExtent(int32_t pixels) {
    pixels = std::max(pixels, 0);
    if (pixels == mlngHorizontalExtent) return;
    mlngHorizontalExtent = pixels;
    NotifyChanged(WidgetProperty::Range);
}

void ListBox::SelectOnly(int16_t index) {
    auto& items = mcolItems.All();
    for (size_t i = 0; i < items.size(); ++i) items[i].selected = static_cast<int16_t>(i) == index;
}

void ListBox::SelectRange(int16_t from, int16_t to) {
    auto& items = mcolItems.All();
    for (int16_t i = std::min(from, to); i <= std::max(from, to); ++i)
        items[static_cast<size_t>(i)].selected = true;
}

int16_t ListBox::AnchorFor(int16_t index) const noexcept {
    if (mintAnchor >= 0) return mintAnchor;
    return mintListIndex >= 0 ? mintListIndex : index;
}

void ListBox::SelectByClick(int16_t index, int16_t shift) {
    ListItems::Item& item = mcolItems.At(index);
    const bool ctrl = (shift & key::CtrlMask) != 0;
    const bool extend = (shift & key::ShiftMask) != 0;
    if (mintMultiSelect == SelectSimple) {
        item.selected = !item.selected;
    } else if (mintMultiSelect == SelectExtended) {
        if (extend) {
            const int16_t anchor = AnchorFor(index);
            if (!ctrl) SelectOnly(-1);
            SelectRange(anchor, index);
            mintAnchor = anchor;
        } else if (ctrl) {
            item.selected = !item.selected;
            mintAnchor = index;
        } else {
            SelectOnly(index);
            mintAnchor = index;
        }
    }
    mintListIndex = index;
    EnsureVisible(index);
    NotifyChanged(WidgetProperty::Selection);
}

void ListBox::PostLeftButtonDown(int16_t index, int16_t shift) {
    // Client pixels of a point inside the entry's row, as the window system reports them.
    constexpr int32_t kButtonLeft = 1, kShiftDown = 4, kCtrlDown = 8;
    const int32_t row = Host::Current().Metrics().LineHeightPixels();
    const int32_t x = 2;
    const int32_t y = (index - mintTopIndex) * row + row / 2;
    const int32_t wParam = kButtonLeft | ((shift & key::ShiftMask) ? kShiftDown : 0) |
                           ((shift & key::CtrlMask) ? kCtrlDown : 0);
    const int32_t lParam = static_cast<int32_t>((static_cast<uint32_t>(y) << 16) |
                                                (static_cast<uint32_t>(x) & 0xFFFF));
    Host::Current().WindowMessage.Emit(WindowHandle(), msg::LeftButtonDown, wParam, lParam);
}

void ListBox::UserClickItem(int16_t index, int16_t shift) {
    (void)mcolItems.At(index);
    if (!AcceptsInput()) return;
    EnsureVisible(index);
    PostLeftButtonDown(index, shift);
    SetFocus();
    // A message or focus handler may have changed the list.
    if (index >= ListCount()) return;
    SelectByClick(index, shift);
    Raise(Click);
}

void ListBox::MoveByKey(int16_t index, int16_t shift) {
    if (index == mintListIndex) return;
    if (mintMultiSelect == SelectExtended) {
        if (shift & key::ShiftMask) {
            mintAnchor = AnchorFor(index);
            SelectOnly(-1);
            SelectRange(mintAnchor, index);
        } else if (!(shift & key::CtrlMask)) {
            SelectOnly(index);
            mintAnchor = index;
        }
    }
    mintListIndex = index;
    EnsureVisible(index);
    NotifyChanged(WidgetProperty::Selection);
    Raise(Click);
}

int16_t ListBox::NextStartingWith(int16_t keyAscii) const {
    const std::string wanted = ToUpper(key::CharacterOfKey(keyAscii));
    const int16_t count = ListCount();
    for (int16_t step = 1; step <= count; ++step) {
        const auto i = static_cast<int16_t>((mintListIndex + step + count) % count);
        if (ToUpper(CharMid(mcolItems.All()[static_cast<size_t>(i)].text, 1, 1)) == wanted)
            return i;
    }
    return -1;
}

void ListBox::UserKeyPress(int16_t keyAscii) {
    if (!AcceptsInput()) return;
    Raise(KeyPress, keyAscii);
    if (keyAscii == ' ' && mintMultiSelect == SelectSimple && mintListIndex >= 0 &&
        mintListIndex < ListCount()) {
        SelectByClick(mintListIndex, 0);
        Raise(Click);
    } else if (keyAscii > ' ') {
        const int16_t found = NextStartingWith(keyAscii);
        if (found >= 0) MoveByKey(found);
    }
}

void ListBox::UserKeyDown(int16_t keyCode, int16_t shift) {
    if (!AcceptsInput()) return;
    Raise(KeyDown, keyCode, shift);
    if (ListCount() == 0) return;
    if (keyCode == key::Space && (shift & key::CtrlMask) && mintMultiSelect == SelectExtended &&
        mintListIndex >= 0 && mintListIndex < ListCount()) {
        SelectByClick(mintListIndex, key::CtrlMask);
        Raise(Click);
        return;
    }
    const int32_t page = std::max(VisibleRows() - 1, 1);
    const std::optional<int32_t> target =
        key::NavigationTarget(keyCode, mintListIndex, ListCount(), page);
    if (!target) return;
    MoveByKey(static_cast<int16_t>(std::clamp<int32_t>(*target, 0, ListCount() - 1)), shift);
}

void ListBox::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    const auto* list = dynamic_cast<const ListBox*>(&source);
    if (!list) return;
    mcolItems = list->mcolItems;
    for (auto& item : mcolItems.All()) item.selected = false;
    mintListIndex = -1;
    mintAnchor = -1;
    mintTopIndex = 0;
    mintMultiSelect = list->mintMultiSelect;
    NotifyChanged(WidgetProperty::List);
}

}  // namespace panelkit2::host
