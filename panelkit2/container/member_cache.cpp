#include "panelkit2/container/member_cache.hpp"

#include <functional>

namespace panelkit2 {

namespace {
thread_local MemberCache* tCurrent = nullptr;
}  // namespace

MemberCache::Scope::Scope() : mblnOwner(tCurrent == nullptr) {
    if (mblnOwner) tCurrent = new MemberCache();
}

MemberCache::Scope::~Scope() {
    if (!mblnOwner) return;
    delete tCurrent;
    tCurrent = nullptr;
}

MemberCache* MemberCache::Current() noexcept {
    return tCurrent;
}

// Slots are found by the identities of the tables and of the name's text (the container
// names members with literals); a full probe sequence falls back to a plain lookup.
MemberCache::Target MemberCache::Resolve(Dispatchable& child, std::string_view name,
                                         CallKind kind) {
    const InterfaceTable& own = child.Interface();
    Dispatchable* extender = child.Extender();
    const InterfaceTable* extenderTable = extender ? &extender->Interface() : nullptr;
    const size_t hash = std::hash<const void*>()(&own) ^
                        std::hash<const void*>()(name.data()) * 31 ^ static_cast<size_t>(kind);
    for (size_t probe = 0; probe < kSlots; ++probe) {
        Entry& entry = mcolEntries[(hash + probe) % kSlots];
        if (entry.member == nullptr) {
            entry = {&own, extenderTable, name.data(), name.size(), kind, false, nullptr};
            if ((entry.member = own.Find(name, kind))) return {&child, entry.member};
            if (extender && (entry.member = extenderTable->Find(name, kind))) {
                entry.onExtender = true;
                return {extender, entry.member};
            }
            entry = {};
            return {};
        }
        if (entry.own == &own && entry.extender == extenderTable && entry.name == name.data() &&
            entry.length == name.size() && entry.kind == kind)
            return {entry.onExtender ? extender : &child, entry.member};
    }
    return {};
}

}  // namespace panelkit2
