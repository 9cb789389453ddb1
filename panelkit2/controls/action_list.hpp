#pragma once

// Action lists: one string per owner, entries joined with ",". Lists are never split or
// de-duplicated, so an action that itself contains "," reads as two entries.

#include <string>
#include <string_view>

namespace panelkit2 {

// Appends an entry: "," between old text and entry when the list is not empty.
inline void AppendAction(std::string& list, std::string_view entry) {
    if (!list.empty()) list += ',';
    list += entry;
}

// Common actions first, then "," only when both parts are non-empty, then the selected part.
inline std::string JoinActions(std::string_view common, std::string_view selected) {
    if (common.empty()) return std::string(selected);
    if (selected.empty()) return std::string(common);
    std::string joined;
    joined.reserve(common.size() + 1 + selected.size());
    return joined.append(common).append(",").append(selected);
}

}  // namespace panelkit2
