#pragma once

// A drop-down list: the user picks one entry of a fixed list; Text is the picked entry.
// Click is raised when ListIndex changes by code and every time the user picks an entry.
// While closed, Up and Down step through the entries, Home and End go to the ends, and
// Alt+Down (Alt+Up too) or F4 opens the list. The entries are run-time content, not design:
// a loaded array element starts with an empty list.

#include <cstdint>
#include <optional>
#include <string>

#include "panelkit2/toolkit/list_items.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class ComboBox : public Widget {
  public:
    ComboBox(Widget* parent, std::string name);

    // Index rules of ListItems: reading past the end gives "", writing just past the end
    // appends.
    std::string List(int16_t index) const { return mcolItems.Text(index); }
    void List(int16_t index, std::string value);
    int16_t ListCount() const noexcept { return mcolItems.Count(); }
    int16_t ListIndex() const noexcept { return mintListIndex; }
    // -1 selects nothing; outside -1..ListCount-1: error 380. Click when it changes.
    void ListIndex(int16_t value);
    // The selected entry, "" when none.
    std::string Text() const { return mcolItems.Text(mintListIndex); }

    void AddItem(std::string item, std::optional<int16_t> index = {});
    void RemoveItem(int16_t index);
    // Empties the list; nothing is selected afterwards (no Click).
    void Clear();

    Signal<> Click;
    // The user opened the list.
    Signal<> DropDown;
    // Key code and shift state (1 Shift, 2 Ctrl, 4 Alt); a handler consumes the key with 0.
    Signal<int16_t&, int16_t> KeyDown;

    // The user opens the list and picks an entry: focus, selection, Click (even when the
    // entry was already selected). An index that is no entry: error 381.
    void UserPick(int16_t index);
    // The user opens the list (mouse or key): focus, DropDown.
    void UserDropDown();
    // KeyDown; then, unless consumed, the keys above. A step changes the entry as a pick
    // does but raises Click only when the entry changed; past the ends it stays.
    void UserKeyDown(int16_t keyCode, int16_t shift = 0);

    static constexpr int16_t KeyF4 = 115;
    static constexpr int16_t AltMask = 4;

  private:
    void SelectQuietly(int16_t index);

    ListItems mcolItems;
    int16_t mintListIndex = -1;
};

}  // namespace panelkit2::host
