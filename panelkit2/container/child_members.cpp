#include "panelkit2/container/child_members.hpp"

#include <array>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/container/member_cache.hpp"

namespace panelkit2::child {

ObjectRef At(const host::Collection& controls, int32_t position) {
    ObjectRef object = controls.Item(position).AsObject();
    if (!object) RaiseStandard(err::ObjectNotSet);
    return object;
}

namespace {

// A call by name, through the open member cache when there is one.
Variant Invoke(Dispatchable& child, MemberName member, CallKind kind, Args args) {
    if (MemberCache* cache = MemberCache::Current()) {
        const MemberCache::Target target = cache->Resolve(child, member, kind);
        if (target.object) return CallMember(*target.object, *target.member, args);
    }
    return CallByName(child, member.Text(), kind, args);
}

}  // namespace

Variant Get(Dispatchable& child, MemberName member) {
    return Invoke(child, member, CallKind::GetOrMethod, {});
}

void Let(Dispatchable& child, MemberName member, Variant value) {
    std::array<Variant, 1> args{std::move(value)};
    Invoke(child, member, CallKind::Let, args);
}

void Call(Dispatchable& child, MemberName method) {
    Invoke(child, method, CallKind::GetOrMethod, {});
}

void Move(Dispatchable& child, double left, double top, double width) {
    std::array<Variant, 3> args{ToSingle(left), ToSingle(top), ToSingle(width)};
    Invoke(child, "Move", CallKind::GetOrMethod, args);
}

void MoveKeepingTop(Dispatchable& child, double left, double width) {
    std::array<Variant, 3> args{ToSingle(left), Variant::Missing(), ToSingle(width)};
    Invoke(child, "Move", CallKind::GetOrMethod, args);
}

void Move(Dispatchable& child, double left, double top) {
    std::array<Variant, 2> args{ToSingle(left), ToSingle(top)};
    Invoke(child, "Move", CallKind::GetOrMethod, args);
}

}  // namespace panelkit2::child
