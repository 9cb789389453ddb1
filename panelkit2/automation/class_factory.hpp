#pragma once

// Creates automation objects by program identifier ("PanelKit2.Check"), case-insensitively.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/automation/variant.hpp"

namespace panelkit2 {

class ClassFactory {
  public:
    using Creator = std::function<ObjectRef()>;

    void Register(std::string progId, Creator creator);
    bool IsRegistered(std::string_view progId) const;
    std::vector<std::string> ProgIds() const;
    // Error 429 for an unknown program identifier.
    ObjectRef Create(std::string_view progId) const;

  private:
    struct Entry {
        std::string progId;
        Creator creator;
    };
    const Entry* Find(std::string_view progId) const;
    std::vector<Entry> mcolEntries;
};

}  // namespace panelkit2
