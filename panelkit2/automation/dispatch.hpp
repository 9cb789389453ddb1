#pragma once

// Late binding: every automation class declares its interface once, as a table of members
// (name, dispatch identifier, kind, parameters, result, the C++ member it binds to) and of
// events. The table serves lookup by name (case-insensitive) and by dispatch identifier,
// argument checking and coercion, by-reference write-back and event raising.

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/variant.hpp"

namespace panelkit2 {

using DispId = int32_t;

enum class MemberKind : uint8_t { Get, Let, Method };

// What a caller asks for: a value or a call (property get or method, whichever the member
// is), or an assignment (property let).
enum class CallKind : uint8_t { GetOrMethod, Let };

struct ParamDef {
    std::string_view name;
    VarType type = VarType::Empty;  // Empty: any type (a Variant parameter)
    bool byRef = false;
    bool optional = false;
    Variant defaultValue = Variant::Missing();
};

struct MemberDef;
// Calls the C++ member a row is bound to. Receives the caller's arguments as they are
// (their count already checked): the row's own code coerces them and writes back the
// by-reference ones.
using Invoker = Variant (*)(const MemberDef& member, Dispatchable& self, Args args);

// The C++ member a row binds to (a pointer to member function or a plain function
// pointer), kept as bytes so that every row has the same shape and no allocation.
class BoundTarget {
  public:
    template <class F>
    static BoundTarget Of(F target) {
        static_assert(std::is_trivially_copyable_v<F> && sizeof(F) <= kSize);
        BoundTarget bound;
        std::memcpy(bound.mBytes, &target, sizeof(F));
        return bound;
    }
    template <class F>
    F As() const {
        F target;
        std::memcpy(&target, mBytes, sizeof(F));
        return target;
    }

  private:
    static constexpr size_t kSize = 2 * sizeof(void*);
    alignas(void*) unsigned char mBytes[kSize]{};
};

struct MemberDef {
    std::string_view name;
    DispId dispId = 0;
    MemberKind kind = MemberKind::Method;
    VarType result = VarType::Empty;
    std::vector<ParamDef> params;  // for a let, the assigned value is the last parameter
    Invoker invoke = nullptr;
    BoundTarget target;

    size_t RequiredCount() const;
};

// Rows of a table given together (a property's get and let).
struct MemberGroup {
    MemberGroup(MemberDef row) : rows{std::move(row)} {}
    MemberGroup(std::vector<MemberDef> group) : rows(std::move(group)) {}
    std::vector<MemberDef> rows;
};

struct EventDef {
    std::string_view name;
    int32_t id = 0;  // numbered from 1 in interface order
    std::vector<ParamDef> params;
};

// An event row named by the class's events enum, whose values number the events from 1.
template <class E>
requires std::is_enum_v<E> EventDef Event(E id, std::string_view name,
                                          std::vector<ParamDef> params = {}) {
    return EventDef{name, static_cast<int32_t>(id), std::move(params)};
}

// The interface of one class: built once, immutable afterwards. Building refuses a table
// that names a member twice, gives one identifier to two members, gives a property's get
// and let different identifiers, or numbers its events other than 1, 2, 3, ...
// (std::logic_error: a mistake in the library's own code).
class InterfaceTable {
  public:
    InterfaceTable(std::string_view progId, std::vector<MemberDef> members,
                   std::vector<EventDef> events = {});
    InterfaceTable(std::string_view progId, std::initializer_list<MemberGroup> members,
                   std::vector<EventDef> events = {});
    InterfaceTable(const InterfaceTable&) = delete;
    InterfaceTable& operator=(const InterfaceTable&) = delete;

    std::string_view ProgId() const { return mstrProgId; }
    const std::vector<MemberDef>& Members() const { return mcolMembers; }
    const std::vector<EventDef>& Events() const { return mcolEvents; }

    const MemberDef* Find(std::string_view name, CallKind kind) const noexcept;
    const MemberDef* Find(DispId dispId, CallKind kind) const noexcept {
        const size_t mask = mcolById.size() - 1;
        for (size_t i = IdSlotOf(dispId, mask);; i = (i + 1) & mask) {
            const Slot& slot = mcolById[i];
            if (!slot.Used()) return nullptr;
            if (static_cast<DispId>(slot.key) == dispId) return Pick(slot, kind);
        }
    }
    // True when some member carries this name or identifier, whatever its kind.
    bool Knows(std::string_view name) const noexcept;
    bool Knows(DispId dispId) const noexcept;
    const EventDef* FindEvent(std::string_view name) const noexcept;

  private:
    // One name or identifier: the get or method, and the let, that carry it.
    struct Slot {
        uint64_t key = 0;  // the folded name's hash, or the identifier
        int32_t getOrMethod = -1;
        int32_t let = -1;
        bool Used() const noexcept { return getOrMethod >= 0 || let >= 0; }
    };
    // Fibonacci hashing: the high bits of key * 2^64/phi spread keys that differ only in
    // their low bits (the identifiers of one class) over the table.
    static size_t SlotOf(uint64_t key, size_t mask) noexcept {
        return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 40) & mask;
    }
    static size_t IdSlotOf(DispId dispId, size_t mask) noexcept {
        return SlotOf(static_cast<uint32_t>(dispId), mask);
    }
    const MemberDef* Pick(const Slot& slot, CallKind kind) const noexcept {
        const int32_t index = kind == CallKind::Let ? slot.let : slot.getOrMethod;
        return index < 0 ? nullptr : &mcolMembers[static_cast<size_t>(index)];
    }
    void IndexMembers();
    void CheckEventNumbers() const;
    Slot& Index(uint64_t key, std::vector<Slot>& slots, size_t member, std::string_view what);

    std::string mstrProgId;
    std::vector<MemberDef> mcolMembers;
    std::vector<EventDef> mcolEvents;
    std::vector<Slot> mcolByName;
    std::vector<Slot> mcolById;
};

// Receives the events of the objects it is advised to.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void OnEvent(Dispatchable& source, const EventDef& event, Args args) = 0;
};

// Base of every object reachable late-bound.
class Dispatchable : public std::enable_shared_from_this<Dispatchable> {
  public:
    virtual ~Dispatchable() = default;
    virtual const InterfaceTable& Interface() const = 0;
    // The interface, asked for once per object: a class's table never changes.
    const InterfaceTable& Table() const {
        if (!mTable) mTable = &Interface();
        return *mTable;
    }

    // The extender's members answer after the object's own (controls placed on a surface).
    virtual Dispatchable* Extender() { return nullptr; }

    // Event sinks are held weakly: a sink that goes away is simply no longer called.
    void Advise(const std::shared_ptr<EventSink>& sink);
    void Unadvise(const EventSink* sink);

  protected:
    // Raises event `id` (1-based, as numbered in the interface) to every advised sink.
    void RaiseEvent(int32_t id, Args args);
    void RaiseEvent(int32_t id, std::initializer_list<Variant> args);
    template <class E>
    requires std::is_enum_v<E>
    void RaiseEvent(E id, Args args) { RaiseEvent(static_cast<int32_t>(id), args); }
    template <class E>
    requires std::is_enum_v<E>
    void RaiseEvent(E id, std::initializer_list<Variant> args) {
        RaiseEvent(static_cast<int32_t>(id), args);
    }

  private:
    std::vector<std::weak_ptr<EventSink>> mcolSinks;
    mutable const InterfaceTable* mTable = nullptr;
};

// Late-bound calls. By-reference arguments are written back into `args`.
// Errors: 438 unknown member, 450 wrong argument count or assignment to a read-only
// property, 13/6 from argument coercion, and whatever the member itself raises.
Variant CallByName(Dispatchable& object, std::string_view name, CallKind kind, Args args);
// The object's own members are found inline; the extender and the errors out of line.
Variant CallByDispIdElsewhere(Dispatchable& object, DispId dispId, CallKind kind, Args args);
inline Variant CallMember(Dispatchable& object, const MemberDef& member, Args args) {
    if (args.size() > member.params.size() ||
        (args.size() < member.params.size() && args.size() < member.RequiredCount()))
        RaiseStandard(err::WrongArgumentCount);
    return member.invoke(member, object, args);
}

inline Variant CallByDispId(Dispatchable& object, DispId dispId, CallKind kind, Args args) {
    if (const MemberDef* own = object.Table().Find(dispId, kind))
        return CallMember(object, *own, args);
    return CallByDispIdElsewhere(object, dispId, kind, args);
}

// More arguments than any member of the library declares.
inline constexpr size_t kMaxArgs = 8;

namespace detail {
// Coerces the caller's arguments to the declared types into `slots`, filling omitted
// optionals with their defaults (449 for an omitted required one).
void CoerceArguments(const MemberDef& member, Args args, std::span<Variant, kMaxArgs> slots);
void WriteBackByRef(const MemberDef& member, Args args, std::span<const Variant, kMaxArgs> slots);
}  // namespace detail

// Runs `body` on the arguments coerced into slots of its own, then writes the by-reference
// ones back into the caller's.
template <class Body>
Variant CallCoerced(const MemberDef& member, Args args, Body&& body) {
    std::array<Variant, kMaxArgs> slots;
    detail::CoerceArguments(member, args, slots);
    Variant result = body(Args(slots.data(), member.params.size()));
    detail::WriteBackByRef(member, args, slots);
    return result;
}

// Rows written as code: the function receives the object as T& and the arguments already
// coerced to the declared types (missing optionals filled in); by-reference arguments it
// changes are written back. For members that have no C++ member of their own to bind
// (test doubles, adapters); a class's published members bind their C++ members through
// Members<T> (binder.hpp).
template <class T>
struct Bind {
    using Fn = Variant (*)(T&, Args);

    static MemberDef Row(std::string_view name, DispId id, MemberKind kind, VarType result,
                         std::vector<ParamDef> params, Fn fn) {
        return MemberDef{name,
                         id,
                         kind,
                         result,
                         std::move(params),
                         [](const MemberDef& member, Dispatchable& self, Args args) {
                             return CallCoerced(member, args, [&](Args coerced) {
                                 return member.target.As<Fn>()(static_cast<T&>(self), coerced);
                             });
                         },
                         BoundTarget::Of(fn)};
    }
    static MemberDef Get(std::string_view name, DispId id, VarType result, Fn fn,
                         std::vector<ParamDef> params = {}) {
        return Row(name, id, MemberKind::Get, result, std::move(params), fn);
    }
    static MemberDef Let(std::string_view name, DispId id, std::vector<ParamDef> params, Fn fn) {
        return Row(name, id, MemberKind::Let, VarType::Empty, std::move(params), fn);
    }
    static MemberDef Method(std::string_view name, DispId id, VarType result,
                            std::vector<ParamDef> params, Fn fn) {
        return Row(name, id, MemberKind::Method, result, std::move(params), fn);
    }
};

// Parameter shorthands for interface tables.
inline ParamDef ByVal(std::string_view name, VarType type) {
    return {name, type, false};
}
inline ParamDef ByRef(std::string_view name, VarType type) {
    return {name, type, true};
}
inline ParamDef Optional(std::string_view name, VarType type,
                         Variant defaultValue = Variant::Missing(), bool byRef = false) {
    return {name, type, byRef, true, std::move(defaultValue)};
}

}  // namespace panelkit2
