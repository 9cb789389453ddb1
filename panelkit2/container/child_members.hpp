#pragma once

// Late-bound access to a child of the container: its own members (CtlID, Show,
// DesiredWidth, ...) and its extender's (Left, Top, Width, Height, Visible, TabIndex,
// Move), by name, so that any object answering these names can be a child. Failures are
// those of the call (438 for a member the child lacks, 13 or 6 for an unusable value).

#include <cstdint>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/container/member_name.hpp"
#include "panelkit2/toolkit/collection.hpp"

namespace panelkit2::child {

// The child at a position of a collection: 9 outside 1..Count, 13 for an item that is not
// an object, 91 for Nothing.
ObjectRef At(const host::Collection& controls, int32_t position);

Variant Get(Dispatchable& child, MemberName member);
void Let(Dispatchable& child, MemberName member, Variant value);
void Call(Dispatchable& child, MemberName method);

inline int16_t GetInteger(Dispatchable& child, MemberName member) {
    return Get(child, member).AsInteger();
}
inline int32_t GetLong(Dispatchable& child, MemberName member) {
    return Get(child, member).AsLong();
}
inline float GetSingle(Dispatchable& child, MemberName member) {
    return Get(child, member).AsSingle();
}
inline bool GetBoolean(Dispatchable& child, MemberName member) {
    return Get(child, member).AsBoolean();
}

// Move(Left, Top, Width): the height stays.
void Move(Dispatchable& child, double left, double top, double width);
// Move(Left, , Width): the top and the height stay.
void MoveKeepingTop(Dispatchable& child, double left, double width);
// Move(Left, Top): the size stays.
void Move(Dispatchable& child, double left, double top);

}  // namespace panelkit2::child
