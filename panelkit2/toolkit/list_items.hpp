#pragma once

// The entries of a list widget (list box, drop-down list) and the index rules they share.
// Positions are Integers from 0; a list holds at most 32767 entries.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace panelkit2::host {

class ListItems {
  public:
    struct Item {
        std::string text;
        int32_t data = 0;
        bool selected = false;
    };

    int16_t Count() const noexcept { return static_cast<int16_t>(mcolItems.size()); }
    bool Empty() const noexcept { return mcolItems.empty(); }

    // Entry text; -1 and positions at or past the end read as "" (a caller may test entry 0
    // of an empty list); below -1: error 381.
    std::string Text(int16_t index) const;
    // Replaces an entry; the position just past the end appends one (true is returned
    // then); any other position: error 381.
    bool Text(int16_t index, std::string value);

    // Inserts before `index` (appends when omitted) and returns the new entry's position.
    // A position outside 0..Count or a full list: error 5.
    int16_t Insert(std::string text, std::optional<int16_t> index);
    // Outside 0..Count-1: error 5.
    void Remove(int16_t index);
    void Clear() noexcept { mcolItems.clear(); }

    // The entry at an existing position; otherwise error 381.
    Item& At(int16_t index);
    const Item& At(int16_t index) const;
    std::vector<Item>& All() noexcept { return mcolItems; }
    const std::vector<Item>& All() const noexcept { return mcolItems; }

  private:
    std::vector<Item> mcolItems;
};

// Where an index that points at an entry ends up after an insertion or removal elsewhere
// (-1 when its own entry was removed).
int16_t IndexAfterInsert(int16_t index, int16_t inserted);
int16_t IndexAfterRemove(int16_t index, int16_t removed);

}  // namespace panelkit2::host
