#pragma once

// Action lists: one string per owner, entries joined with ",". Lists are never split or
// de-duplicated, so an action that itself contains "," reads as two entries.

#include <string>
#include <string_view>

namespace panelkit2 {

// Appends an entry to a list whose entries are joined with `separator`, put only after a
// non-empty list: empty entries at the start leave no trace, later ones an empty field.
inline void AppendEntry(std::string& list, std::string_view entry, char separator) {
    if (!list.empty()) list += separator;
    list += entry;
}

// Appends an entry: "," between old text and entry when the list is not empty.
inline void AppendAction(std::string& list, std::string_view entry) {
    AppendEntry(list, entry, ',');
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
