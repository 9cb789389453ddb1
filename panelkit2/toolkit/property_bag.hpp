#pragma once

// Persistence of design-time properties: values under case-insensitive keys, kept in the
// order first written, saved to and loaded from a text form (see docs/property-bag.md).

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "panelkit2/automation/variant.hpp"

namespace panelkit2::host {

class PropertyBag {
  public:
    // The stored value, or `defaultValue` when the key is absent.
    Variant ReadProperty(std::string_view key, const Variant& defaultValue = Variant()) const;
    // Stores the value; a value equal to `defaultValue` is not stored (an earlier value
    // under the key is removed). Objects and Missing cannot be stored (error 380); a key
    // must be non-empty, without control characters, "=" or blanks at its ends (error 5).
    void WriteProperty(std::string_view key, const Variant& value,
                       const Variant& defaultValue = Variant::Missing());
    bool Contains(std::string_view key) const;
    std::vector<std::string> Keys() const;
    size_t Count() const { return mcolEntries.size(); }

    std::string SaveText() const;
    // Malformed text raises error 321 and leaves nothing half-read.
    static PropertyBag LoadText(std::string_view text);
    void SaveFile(const std::string& path) const;
    static PropertyBag LoadFile(const std::string& path);

  private:
    struct Entry {
        std::string key;
        Variant value;
    };
    const Entry* Find(std::string_view key) const;
    // False when the key (case-insensitively) is already present.
    bool Append(std::string key, Variant value);
    void Remove(std::string_view key);
    std::vector<Entry> mcolEntries;
    // Case-folded key -> position in mcolEntries, so that large bags stay fast.
    std::unordered_map<std::string, size_t> mcolIndex;
};

}  // namespace panelkit2::host
