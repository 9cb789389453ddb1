#pragma once

// Where the last restack of a heading left its entries. Restacking places every entry again
// from the top, and an entry lands where it landed before as long as neither it nor one
// above it changed and the heading kept its size: so a restack may start below the entries
// that are still in place, and adding entries one by one stays linear.
//
// The owner tells the memo what moved (Forget from the first entry of a widget that changed
// outside a restack) and records each entry it places; a restack under another key (size of
// the heading, width of the scrolling area, whether the content scrolls) starts at the top.

#include <cstdint>
#include <vector>

namespace panelkit2 {

class StackMemo {
  public:
    struct Key {
        float width = 0;
        float height = 0;
        float areaWidth = 0;
        bool scrolls = false;
        bool operator==(const Key&) const = default;
    };

    struct Start {
        int32_t entry;   // the first entry to place
        int32_t bottom;  // the y below the entries above it
    };

    // Where a restack under `key` starts: below the entries still in place, or at the first
    // entry at `top` when the key changed (the memo then adopts the key).
    Start Resume(const Key& key, int32_t top);
    // Entry `position` was placed, the next one goes to `bottom`.
    void Placed(int32_t position, int32_t bottom);
    // Entry `position` and every one below it must be placed again.
    void Forget(int32_t position) noexcept;

    int32_t InPlace() const noexcept { return mintInPlace; }

  private:
    Key mKey;
    int32_t mintInPlace = 0;
    int32_t mlngTop = 0;
    std::vector<int32_t> mcolBottoms;
};

}  // namespace panelkit2
