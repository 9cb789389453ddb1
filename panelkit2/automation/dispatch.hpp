#pragma once

// Late binding: every automation class declares its interface once, as a table of members
// (name, dispatch identifier, kind, parameters, result, the C++ member it binds to) and of
// events. The table serves lookup by name (case-insensitive) and by dispatch identifier,
// argument checking and coercion, by-reference write-back and event raising.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

using Thunk = std::function<Variant(Dispatchable&, Args)>;

struct MemberDef {
    std::string_view name;
    DispId dispId = 0;
    MemberKind kind = MemberKind::Method;
    VarType result = VarType::Empty;
    std::vector<ParamDef> params;  // for a let, the assigned value is the last parameter
    Thunk invoke;

    size_t RequiredCount() const;
};

struct EventDef {
    std::string_view name;
    int32_t id = 0;  // numbered from 1 in interface order
    std::vector<ParamDef> params;
};

// The interface of one class: built once, immutable afterwards.
class InterfaceTable {
  public:
    InterfaceTable(std::string_view progId, std::vector<MemberDef> members,
                   std::vector<EventDef> events = {});
    InterfaceTable(const InterfaceTable&) = delete;
    InterfaceTable& operator=(const InterfaceTable&) = delete;

    std::string_view ProgId() const { return mstrProgId; }
    const std::vector<MemberDef>& Members() const { return mcolMembers; }
    const std::vector<EventDef>& Events() const { return mcolEvents; }

    const MemberDef* Find(std::string_view name, CallKind kind) const noexcept;
    const MemberDef* Find(DispId dispId, CallKind kind) const noexcept;
    // True when some member carries this name or identifier, whatever its kind.
    bool Knows(std::string_view name) const noexcept;
    bool Knows(DispId dispId) const noexcept;
    const EventDef* FindEvent(std::string_view name) const noexcept;

  private:
    struct Slot {
        uint64_t key = 0;
        int32_t getOrMethod = -1;
        int32_t let = -1;
        bool used = false;
    };
    void Index(uint64_t key, std::vector<Slot>& slots, size_t member);
    const Slot* Probe(uint64_t key, const std::vector<Slot>& slots) const noexcept;
    const MemberDef* Pick(const Slot* slot, CallKind kind) const noexcept;

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

    // The extender's members answer after the object's own (controls placed on a surface).
    virtual Dispatchable* Extender() { return nullptr; }

    // Event sinks are held weakly: a sink that goes away is simply no longer called.
    void Advise(const std::shared_ptr<EventSink>& sink);
    void Unadvise(const EventSink* sink);

  protected:
    // Raises event `id` (1-based, as numbered in the interface) to every advised sink.
    void RaiseEvent(int32_t id, Args args);
    void RaiseEvent(int32_t id, std::initializer_list<Variant> args);

  private:
    std::vector<std::weak_ptr<EventSink>> mcolSinks;
};

// Late-bound calls. By-reference arguments are written back into `args`.
// Errors: 438 unknown member, 450 wrong argument count or assignment to a read-only
// property, 13/6 from argument coercion, and whatever the member itself raises.
Variant CallByName(Dispatchable& object, std::string_view name, CallKind kind, Args args);
Variant CallByDispId(Dispatchable& object, DispId dispId, CallKind kind, Args args);
Variant CallMember(Dispatchable& object, const MemberDef& member, Args args);

// Builders that bind table rows to a typed class: the thunk receives the object as T& and
// the arguments already coerced to the declared types (missing optionals filled in).
template <class T>
struct Bind {
    using Fn = Variant (*)(T&, Args);

    static Thunk Wrap(Fn fn) {
        return [fn](Dispatchable& self, Args args) { return fn(static_cast<T&>(self), args); };
    }
    static MemberDef Get(std::string_view name, DispId id, VarType result, Fn fn,
                         std::vector<ParamDef> params = {}) {
        return MemberDef{name, id, MemberKind::Get, result, std::move(params), Wrap(fn)};
    }
    static MemberDef Let(std::string_view name, DispId id, std::vector<ParamDef> params, Fn fn) {
        return MemberDef{name, id, MemberKind::Let, VarType::Empty, std::move(params), Wrap(fn)};
    }
    static MemberDef Method(std::string_view name, DispId id, VarType result,
                            std::vector<ParamDef> params, Fn fn) {
        return MemberDef{name, id, MemberKind::Method, result, std::move(params), Wrap(fn)};
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
