#pragma once

// An ordered, 1-based collection of values (in practice object references), reachable
// late-bound: Item (the default member), Add, Count, Remove, Clear. Positions are numbers
// only: a text or other non-number index is error 13, a position outside 1..Count error 9.

#include <cstdint>
#include <memory>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/automation/variant.hpp"

namespace panelkit2::host {

namespace collection_id {
inline constexpr DispId Item = 0;
inline constexpr DispId Add = 1;
inline constexpr DispId Count = 2;
inline constexpr DispId Remove = 3;
inline constexpr DispId Clear = 4;
}  // namespace collection_id

class Collection : public Dispatchable {
  public:
    using const_iterator = std::vector<Variant>::const_iterator;

    // Appends at the end; Missing is error 449.
    void Add(Variant item);
    // A numeric index is rounded half to even first, as any Long argument is.
    const Variant& Item(const Variant& index) const;
    const Variant& Item(int32_t index) const;
    int32_t Count() const noexcept { return static_cast<int32_t>(mcolItems.size()); }
    void Remove(const Variant& index);
    void Remove(int32_t index);
    void Clear() noexcept { mcolItems.clear(); }

    // The item as an object of a known class: 13 when it is not one, 91 for Nothing.
    template <class T>
    std::shared_ptr<T> ItemAs(int32_t index) const {
        auto object = std::dynamic_pointer_cast<T>(Item(index).AsObject());
        if (!object) RaiseStandard(err::TypeMismatch, "PanelKit2.Collection");
        return object;
    }

    // Insertion order. Adding or removing while iterating invalidates the iterators.
    const_iterator begin() const noexcept { return mcolItems.begin(); }
    const_iterator end() const noexcept { return mcolItems.end(); }

    const InterfaceTable& Interface() const override;

  private:
    size_t Position(const Variant& index) const;
    size_t Position(int32_t index) const;
    std::vector<Variant> mcolItems;
};

}  // namespace panelkit2::host
