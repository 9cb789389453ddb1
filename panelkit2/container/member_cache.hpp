#pragma once

// Remembers what a member name means for a class of child while the container works
// through a page: interface tables never change, so a name resolved for the first child
// of a class holds for every other child with the same tables. A page of a thousand
// controls then costs one lookup per name and class instead of one per call.
//
// A cache lives only as long as the outermost Scope on the stack, so it never outlives the
// tables it points into. Names unknown to both tables are not cached: the uncached call
// raises the right error.

#include <array>
#include <cstdint>
#include <memory>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/container/member_name.hpp"

namespace panelkit2 {

class MemberCache {
  public:
    struct Target {
        Dispatchable* object = nullptr;  // the child itself or its extender
        const MemberDef* member = nullptr;
    };

    // Opens the cache for its lifetime unless an outer scope already did.
    class Scope {
      public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        std::unique_ptr<MemberCache> mOwned;
    };

    // The open cache, or nullptr outside every scope.
    static MemberCache* Current() noexcept;

    // The member a call by name reaches, as CallByName would find it; object nullptr when
    // neither the child nor its extender knows the name.
    Target Resolve(Dispatchable& child, MemberName name, CallKind kind);

  private:
    struct Entry {
        const InterfaceTable* own = nullptr;
        const InterfaceTable* extender = nullptr;
        const char* name = nullptr;
        CallKind kind = CallKind::GetOrMethod;
        bool onExtender = false;
        const MemberDef* member = nullptr;
    };
    static constexpr size_t kSlots = 64;

    Target Remember(Entry& entry, Dispatchable& child, MemberName name, CallKind kind);

    std::array<Entry, kSlots> mcolEntries{};
};

}  // namespace panelkit2
