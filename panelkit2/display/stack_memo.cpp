#include "panelkit2/display/stack_memo.hpp"

#include <algorithm>

namespace panelkit2 {

StackMemo::Start StackMemo::Resume(const Key& key, int32_t top) {
    if (key != mKey || top != mlngTop) {
        mKey = key;
        mlngTop = top;
        mintInPlace = 0;
    }
    if (mintInPlace == 0) return {0, top};
    return {mintInPlace, mcolBottoms[static_cast<size_t>(mintInPlace) - 1]};
}

// Entries are placed in order from where Resume started. One placed above the last in place
// leaves the ones below it to be placed again.
void StackMemo::Placed(int32_t position, int32_t bottom) {
    if (position < 0 || position > mintInPlace) return;
    const auto slot = static_cast<size_t>(position);
    if (mcolBottoms.size() <= slot) mcolBottoms.resize(slot + 1);
    mcolBottoms[slot] = bottom;
    mintInPlace = position + 1;
}

void StackMemo::Forget(int32_t position) noexcept {
    mintInPlace = std::clamp(position, 0, mintInPlace);
}

}  // namespace panelkit2
