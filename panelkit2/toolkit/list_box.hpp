#pragma once

// A list of text entries the user selects from, one at a time (MultiSelect 0) or several:
// each click toggling an entry (1), or extended (2): a click or a navigation key selects one
// entry, Ctrl+click and Ctrl+Space toggle one, Shift+click and Shift with a navigation key
// select from the anchor (the entry last clicked or toggled, else the focused one) to there,
// and Ctrl with a navigation key moves the focus alone.
// ListIndex is the selected entry in single selection and the entry with the focus
// rectangle in multiple selection. Click is raised when ListIndex changes by code, when a
// selected flag changes by code in multiple selection, and on every user click on an entry.

#include <cstdint>
#include <optional>
#include <string>

#include "panelkit2/toolkit/list_items.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class ListBox : public Widget {
  public:
    static constexpr int16_t SelectSingle = 0;
    static constexpr int16_t SelectSimple = 1;
    static constexpr int16_t SelectExtended = 2;

    ListBox(Widget* parent, std::string name);

    // Index rules of ListItems: reading past the end gives "", writing just past the end
    // appends.
    std::string List(int16_t index) const { return mcolItems.Text(index); }
    void List(int16_t index, std::string value);
    int16_t ListCount() const noexcept { return mcolItems.Count(); }
    int16_t ListIndex() const noexcept { return mintListIndex; }
    // -1 for none; outside -1..ListCount-1: error 380. The entry scrolls into view.
    void ListIndex(int16_t value);
    // The entry at ListIndex, "" when none.
    std::string Text() const { return mcolItems.Text(mintListIndex); }
    // An index that is no entry: error 381. In single selection True selects the entry
    // (ListIndex) and False on the selected entry selects nothing; in multiple selection
    // a changed flag also moves ListIndex to the entry.
    bool Selected(int16_t index) const;
    void Selected(int16_t index, bool value);
    int16_t SelCount() const;
    int16_t MultiSelect() const noexcept { return mintMultiSelect; }
    // 0, 1 or 2, otherwise error 380. Switching keeps only the ListIndex entry selected.
    void MultiSelect(int16_t value);
    int32_t ItemData(int16_t index) const { return mcolItems.At(index).data; }
    void ItemData(int16_t index, int32_t value) { mcolItems.At(index).data = value; }
    // First entry shown; outside the entries (0 for an empty list): error 380.
    int16_t TopIndex() const noexcept { return mintTopIndex; }
    void TopIndex(int16_t value);
    // Entries that fit the height (at least one).
    int16_t VisibleRows() const;

    void AddItem(std::string item, std::optional<int16_t> index = {});
    void RemoveItem(int16_t index);
    // Empties the list (no Click); the horizontal extent stays.
    void Clear();

    // Width the list scrolls over horizontally, pixels (window-system list message).
    int32_t HorizontalExtent() const noexcept { return mlngHorizontalExtent; }
    void HorizontalExtent(int32_t pixels);

    void CopyDesignFrom(const Widget& source) override;

    Signal<> Click;
    Signal<int16_t&> KeyPress;
    Signal<int16_t&, int16_t> KeyDown;

    // A left click on an entry (scrolled into view first): the left-button-down window
    // message (client pixels in lParam), focus, selection by MultiSelect and the shift
    // state (1 Shift, 2 Ctrl), Click. An index that is no entry: error 381.
    void UserClickItem(int16_t index, int16_t shift = 0);
    // KeyPress; then, unless cancelled, a letter moves to the next entry that starts with
    // it (space toggles the focused entry in simple multiple selection).
    void UserKeyPress(int16_t keyAscii);
    // KeyDown; then, unless consumed, Up, Down, Home, End, Page Up and Page Down move
    // ListIndex (selecting the entry except in simple multiple selection and as the shift
    // state says in extended selection); Ctrl+Space toggles the focused entry in extended
    // selection.
    void UserKeyDown(int16_t keyCode, int16_t shift = 0);

  private:
    void EnsureVisible(int16_t index);
    void SetTopIndexQuietly(int16_t value);
    void SelectByClick(int16_t index, int16_t shift);
    void SelectOnly(int16_t index);
    void SelectRange(int16_t from, int16_t to);
    // Keyboard navigation to an entry; Click when ListIndex changes.
    void MoveByKey(int16_t index, int16_t shift = 0);
    // Where a Shift selection starts: the anchor, else the focused entry, else `index`.
    int16_t AnchorFor(int16_t index) const noexcept;
    int16_t NextStartingWith(int16_t keyAscii) const;
    void PostLeftButtonDown(int16_t index, int16_t shift);

    ListItems mcolItems;
    int16_t mintListIndex = -1;
    int16_t mintTopIndex = 0;
    int16_t mintMultiSelect = SelectSingle;
    int16_t mintAnchor = -1;
    int32_t mlngHorizontalExtent = 0;
};

}  // namespace panelkit2::host
