#include "panelkit2/toolkit/collection.hpp"

#include <limits>
#include <utility>

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2::host {

namespace {

constexpr const char* kSource = "PanelKit2.Collection";

}  // namespace

void Collection::Add(Variant item) {
    if (item.IsMissing()) RaiseStandard(err::ArgumentNotOptional, kSource);
    // Count is a Long.
    if (mcolItems.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        RaiseStandard(err::Overflow, kSource);
    mcolItems.push_back(std::move(item));
}

size_t Collection::Position(int32_t index) const {
    if (index < 1 || index > Count()) RaiseStandard(err::SubscriptOutOfRange, kSource);
    return static_cast<size_t>(index) - 1;
}

// Any number is a position, however large or fractional; a position that cannot exist is
// out of range rather than an overflow. Everything else is the wrong type.
size_t Collection::Position(const Variant& index) const {
    if (!index.IsNumeric()) RaiseStandard(err::TypeMismatch, kSource);
    const double rounded = RoundHalfEven(index.AsDouble());
    if (!(rounded >= 1 && rounded <= Count())) RaiseStandard(err::SubscriptOutOfRange, kSource);
    return static_cast<size_t>(rounded) - 1;
}

const Variant& Collection::Item(const Variant& index) const {
    return mcolItems[Position(index)];
}

const Variant& Collection::Item(int32_t index) const {
    return mcolItems[Position(index)];
}

void Collection::Remove(const Variant& index) {
    mcolItems.erase(mcolItems.begin() + static_cast<std::ptrdiff_t>(Position(index)));
}

void Collection::Remove(int32_t index) {
    mcolItems.erase(mcolItems.begin() + static_cast<std::ptrdiff_t>(Position(index)));
}

// Every member is passed by value. Item and Remove take the index as a Variant: a text
// that reads as a number is still refused (13), not converted.
const InterfaceTable& Collection::Interface() const {
    using M = Members<Collection>;
    using C = Collection;
    namespace id = collection_id;
    static const InterfaceTable table(
        "PanelKit2.Collection",
        {
            M::Get("Item", id::Item, Overload<const Variant&>(&C::Item), {By::Val}),
            M::Method("Add", id::Add, &C::Add, {By::Val}),
            M::Get("Count", id::Count, &C::Count),
            M::Method("Remove", id::Remove, Overload<const Variant&>(&C::Remove), {By::Val}),
            M::Method("Clear", id::Clear, &C::Clear),
        });
    return table;
}

}  // namespace panelkit2::host
