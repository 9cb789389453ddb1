#include "panelkit2/toolkit/list_items.hpp"

#include <utility>

#include "panelkit2/automation/automation_error.hpp"

namespace panelkit2::host {

namespace {
constexpr size_t kMaxItems = 32767;
}

std::string ListItems::Text(int16_t index) const {
    if (index < -1) RaiseStandard(err::InvalidPropertyIndex);
    if (index == -1 || index >= Count()) return {};
    return mcolItems[static_cast<size_t>(index)].text;
}

bool ListItems::Text(int16_t index, std::string value) {
    if (index >= 0 && index == Count() && mcolItems.size() < kMaxItems) {
        mcolItems.push_back({std::move(value)});
        return true;
    }
    At(index).text = std::move(value);
    return false;
}

int16_t ListItems::Insert(std::string text, std::optional<int16_t> index) {
    const int16_t position = index.value_or(Count());
    if (position < 0 || position > Count() || mcolItems.size() >= kMaxItems)
        RaiseStandard(err::InvalidCall);
    mcolItems.insert(mcolItems.begin() + position, Item{std::move(text)});
    return position;
}

void ListItems::Remove(int16_t index) {
    if (index < 0 || index >= Count()) RaiseStandard(err::InvalidCall);
    mcolItems.erase(mcolItems.begin() + index);
}

ListItems::Item& ListItems::At(int16_t index) {
    if (index < 0 || index >= Count()) RaiseStandard(err::InvalidPropertyIndex);
    return mcolItems[static_cast<size_t>(index)];
}

const ListItems::Item& ListItems::At(int16_t index) const {
    if (index < 0 || index >= Count()) RaiseStandard(err::InvalidPropertyIndex);
    return mcolItems[static_cast<size_t>(index)];
}

int16_t IndexAfterInsert(int16_t index, int16_t inserted) {
    return index >= inserted ? static_cast<int16_t>(index + 1) : index;
}

int16_t IndexAfterRemove(int16_t index, int16_t removed) {
    if (index == removed) return -1;
    return index > removed ? static_cast<int16_t>(index - 1) : index;
}

}  // namespace panelkit2::host
