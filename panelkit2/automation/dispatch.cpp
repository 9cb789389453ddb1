#include "panelkit2/automation/dispatch.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <stdexcept>

#include "panelkit2/automation/automation_error.hpp"

namespace panelkit2 {

namespace {

constexpr char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// A hash of the name with ASCII letters folded to lower case, eight bytes at a time. Setting
// bit 0x20 of every byte folds letters and keeps apart the other characters of identifiers
// (digits and "_"); names that differ elsewhere are told apart by the comparison.
uint64_t FoldedNameHash(std::string_view name) {
    constexpr uint64_t kFold = 0x2020202020202020ull;
    constexpr uint64_t kMix = 0xFF51AFD7ED558CCDull;
    uint64_t hash = name.size() * 0x9E3779B97F4A7C15ull;
    size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, name.data() + i, 8);
        hash = (hash ^ (word | kFold)) * kMix;
        hash ^= hash >> 29;
    }
    if (i < name.size()) {
        uint64_t word = 0;
        for (size_t k = 0; i + k < name.size(); ++k)
            word |= uint64_t{static_cast<unsigned char>(name[i + k])} << (8 * k);
        hash = (hash ^ (word | kFold)) * kMix;
        hash ^= hash >> 29;
    }
    return hash;
}

// Mostly the caller spells the name as the table does: the plain comparison decides then.
bool SameNameFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a == b) return true;
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

// Fibonacci hashing: slots are picked by the high bits of key * 2^64/phi, which spread the
// identifiers of one class (that differ in their low bits only) over the table.
uint64_t DispIdKey(DispId id) {
    return static_cast<uint32_t>(id);
}

}  // namespace

size_t MemberDef::RequiredCount() const {
    return static_cast<size_t>(
        std::count_if(params.begin(), params.end(), [](const ParamDef& p) { return !p.optional; }));
}

namespace {

std::vector<MemberDef> Flatten(std::initializer_list<MemberGroup> groups) {
    std::vector<MemberDef> members;
    for (const MemberGroup& group : groups)
        members.insert(members.end(), group.rows.begin(), group.rows.end());
    return members;
}

[[noreturn]] void RefuseTable(std::string_view progId, std::string_view problem,
                              std::string_view name) {
    throw std::logic_error("interface " + std::string(progId) + ": " + std::string(problem) + " " +
                           std::string(name));
}

}  // namespace

InterfaceTable::InterfaceTable(std::string_view progId, std::vector<MemberDef> members,
                               std::vector<EventDef> events)
    : mstrProgId(progId), mcolMembers(std::move(members)), mcolEvents(std::move(events)) {
    IndexMembers();
    CheckEventNumbers();
}

InterfaceTable::InterfaceTable(std::string_view progId, std::initializer_list<MemberGroup> members,
                               std::vector<EventDef> events)
    : InterfaceTable(progId, Flatten(members), std::move(events)) {}

void InterfaceTable::IndexMembers() {
    // Mostly empty tables keep probe runs short.
    const size_t capacity = std::bit_ceil(std::max<size_t>(8, mcolMembers.size() * 4));
    mcolByName.resize(capacity);
    mcolById.resize(capacity);
    for (size_t i = 0; i < mcolMembers.size(); ++i) {
        const MemberDef& member = mcolMembers[i];
        const Slot& byName = Index(FoldedNameHash(member.name), mcolByName, i, "repeats the name");
        Index(DispIdKey(member.dispId), mcolById, i, "repeats the identifier of");
        // A property's get and let are one member: they share the identifier.
        if (byName.getOrMethod >= 0 && byName.let >= 0 &&
            mcolMembers[static_cast<size_t>(byName.getOrMethod)].dispId !=
                mcolMembers[static_cast<size_t>(byName.let)].dispId)
            RefuseTable(mstrProgId, "gives get and let different identifiers:", member.name);
    }
}

void InterfaceTable::CheckEventNumbers() const {
    for (size_t i = 0; i < mcolEvents.size(); ++i)
        if (mcolEvents[i].id != static_cast<int32_t>(i + 1))
            RefuseTable(mstrProgId, "numbers its events out of order at", mcolEvents[i].name);
}

// Open addressing with linear probing; a get or method and a let share one slot, and each
// of the two places may be taken once.
InterfaceTable::Slot& InterfaceTable::Index(uint64_t key, std::vector<Slot>& slots, size_t member,
                                            std::string_view what) {
    const size_t mask = slots.size() - 1;
    const bool isLet = mcolMembers[member].kind == MemberKind::Let;
    for (size_t i = SlotOf(key, mask);; i = (i + 1) & mask) {
        Slot& slot = slots[i];
        if (!slot.Used())
            slot.key = key;
        else if (slot.key != key)
            continue;
        int32_t& place = isLet ? slot.let : slot.getOrMethod;
        if (place >= 0) RefuseTable(mstrProgId, what, mcolMembers[member].name);
        place = static_cast<int32_t>(member);
        return slot;
    }
}

const MemberDef* InterfaceTable::Find(std::string_view name, CallKind kind) const noexcept {
    const uint64_t key = FoldedNameHash(name);
    const size_t mask = mcolByName.size() - 1;
    for (size_t i = SlotOf(key, mask);; i = (i + 1) & mask) {
        const Slot& slot = mcolByName[i];
        if (!slot.Used()) return nullptr;
        if (slot.key != key) continue;
        const MemberDef* member = Pick(slot, kind);
        return member && SameNameFolded(member->name, name) ? member : nullptr;
    }
}

bool InterfaceTable::Knows(std::string_view name) const noexcept {
    return Find(name, CallKind::GetOrMethod) || Find(name, CallKind::Let);
}

bool InterfaceTable::Knows(DispId dispId) const noexcept {
    return Find(dispId, CallKind::GetOrMethod) || Find(dispId, CallKind::Let);
}

const EventDef* InterfaceTable::FindEvent(std::string_view name) const noexcept {
    for (const auto& event : mcolEvents)
        if (SameNameFolded(event.name, name)) return &event;
    return nullptr;
}

void Dispatchable::Advise(const std::shared_ptr<EventSink>& sink) {
    mcolSinks.push_back(sink);
}

void Dispatchable::Unadvise(const EventSink* sink) {
    std::erase_if(mcolSinks, [sink](const std::weak_ptr<EventSink>& weak) {
        auto locked = weak.lock();
        return !locked || locked.get() == sink;
    });
}

void Dispatchable::RaiseEvent(int32_t id, Args args) {
    const auto& events = Table().Events();
    if (id < 1 || static_cast<size_t>(id) > events.size() || mcolSinks.empty()) return;
    const EventDef& event = events[static_cast<size_t>(id) - 1];
    // Copy: a sink may advise or unadvise while the event is delivered.
    const auto sinks = mcolSinks;
    for (const auto& weak : sinks)
        if (auto sink = weak.lock()) sink->OnEvent(*this, event, args);
}

void Dispatchable::RaiseEvent(int32_t id, std::initializer_list<Variant> args) {
    std::array<Variant, kMaxArgs> slots;
    const size_t count = std::min(args.size(), kMaxArgs);
    std::copy_n(args.begin(), count, slots.begin());
    RaiseEvent(id, Args(slots.data(), count));
}

namespace {

[[noreturn]] void RaiseWrongArguments() {
    RaiseStandard(err::WrongArgumentCount);
}

// Resolution order: the object's own members, then its extender's.
template <class Key>
Variant Resolve(Dispatchable& object, Key key, CallKind kind, Args args) {
    if (const MemberDef* own = object.Table().Find(key, kind))
        return CallMember(object, *own, args);
    if (Dispatchable* extender = object.Extender()) {
        if (const MemberDef* ext = extender->Table().Find(key, kind))
            return CallMember(*extender, *ext, args);
        if (extender->Table().Knows(key)) RaiseWrongArguments();
    }
    // A property that exists but cannot be assigned (or read) is an invalid assignment.
    if (object.Table().Knows(key)) RaiseWrongArguments();
    RaiseStandard(err::NotSupported);
}

}  // namespace

namespace detail {

void CoerceArguments(const MemberDef& member, Args args, std::span<Variant, kMaxArgs> slots) {
    const auto& params = member.params;
    if (params.size() > kMaxArgs) RaiseWrongArguments();
    for (size_t i = 0; i < params.size(); ++i) {
        const ParamDef& param = params[i];
        const bool given = i < args.size() && !args[i].IsMissing();
        if (!given) {
            if (!param.optional) RaiseStandard(err::ArgumentNotOptional);
            slots[i] = param.defaultValue;
            continue;
        }
        slots[i] = args[i].CoerceTo(param.type);
    }
}

void WriteBackByRef(const MemberDef& member, Args args, std::span<const Variant, kMaxArgs> slots) {
    for (size_t i = 0; i < args.size(); ++i)
        if (member.params[i].byRef && !args[i].IsMissing()) args[i] = slots[i];
}

}  // namespace detail

Variant CallByName(Dispatchable& object, std::string_view name, CallKind kind, Args args) {
    return Resolve(object, name, kind, args);
}

Variant CallByDispIdElsewhere(Dispatchable& object, DispId dispId, CallKind kind, Args args) {
    return Resolve(object, dispId, kind, args);
}

}  // namespace panelkit2
