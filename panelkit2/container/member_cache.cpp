#include "panelkit2/container/member_cache.hpp"

#include <functional>

namespace panelkit2 {

namespace {
thread_local MemberCache* tCurrent = nullptr;
}  // namespace

MemberCache::Scope::Scope() {
    if (tCurrent) return;
    mOwned = std::make_unique<MemberCache>();
    tCurrent = mOwned.get();
}

MemberCache::Scope::~Scope() {
    if (mOwned) tCurrent = nullptr;
}

MemberCache* MemberCache::Current() noexcept {
    return tCurrent;
}

// Slots are found by the identities of the child's table and of the name; when every slot
// of the probe sequence is taken, the caller looks the name up itself.
MemberCache::Target MemberCache::Resolve(Dispatchable& child, MemberName name, CallKind kind) {
    const InterfaceTable& own = child.Table();
    Dispatchable* extender = child.Extender();
    const InterfaceTable* extenderTable = extender ? &extender->Table() : nullptr;
    const size_t hash = std::hash<const void*>()(&own) ^
                        std::hash<const void*>()(name.Identity()) * 31 ^ static_cast<size_t>(kind);
    for (size_t probe = 0; probe < kSlots; ++probe) {
        Entry& entry = mcolEntries[(hash + probe) % kSlots];
        if (entry.member == nullptr) return Remember(entry, child, name, kind);
        if (entry.own == &own && entry.extender == extenderTable && entry.name == name.Identity() &&
            entry.kind == kind)
            return {entry.onExtender ? extender : &child, entry.member};
    }
    return {};
}

// Looks the name up as a call by name would: the child's own members first, then its
// extender's.
MemberCache::Target MemberCache::Remember(Entry& entry, Dispatchable& child, MemberName name,
                                          CallKind kind) {
    Dispatchable* extender = child.Extender();
    const InterfaceTable& own = child.Table();
    const MemberDef* member = own.Find(name.Text(), kind);
    const bool onExtender = member == nullptr && extender != nullptr;
    if (onExtender) member = extender->Table().Find(name.Text(), kind);
    if (!member) return {};
    entry = {&own,  extender ? &extender->Table() : nullptr, name.Identity(), kind, onExtender,
             member};
    return {onExtender ? extender : &child, member};
}

}  // namespace panelkit2
