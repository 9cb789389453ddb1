#pragma once

// An array of widgets of one kind sharing one name, indexed by Integer from 0. Element 0
// exists from the start and stays; Load adds an element that copies element 0's
// design-time properties (W::CopyDesignFrom) and starts invisible. Iteration visits the
// loaded elements in index order.
//
// Errors: an index outside the Integer range 6; a negative index to Load 5; loading a
// loaded index 360; a missing element (Item, operator[], Unload) 340; unloading element 0
// 362; unloading an element from inside one of its own events 365.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

template <class W>
class WidgetArray {
    // Loaded elements sorted by index. Arrays are short and grow and shrink at the back, so
    // a vector keeps the elements of a page together and loads and unloads without a node
    // allocation per element.
    using Element = std::pair<int16_t, std::unique_ptr<W>>;
    using Elements = std::vector<Element>;

  public:
    WidgetArray(Widget* parent, std::string name) : mParent(parent), mstrName(std::move(name)) {
        mcolElements.emplace_back(0, Create(0));
    }
    ~WidgetArray() {
        // Highest first, element 0 last, as they were loaded.
        while (!mcolElements.empty()) mcolElements.pop_back();
    }
    WidgetArray(const WidgetArray&) = delete;
    WidgetArray& operator=(const WidgetArray&) = delete;

    const std::string& Name() const noexcept { return mstrName; }

    W& Load(int32_t index) {
        const int16_t position = CheckRange(index);
        if (position < 0) RaiseStandard(err::InvalidCall);
        if (Find(position)) RaiseStandard(err::AlreadyLoaded);
        // Built completely before it counts as loaded: a failed copy loads nothing.
        auto element = Create(position);
        element->Visible(false);
        element->CopyDesignFrom(*mcolElements.front().second);
        // Found again: copying the design may have run handlers that loaded elements.
        const auto at = LowerBound(position);
        return *mcolElements.emplace(at, position, std::move(element))->second;
    }

    void Unload(int32_t index) {
        const auto found = Slot(Existing(index));
        if (found->first == 0) RaiseStandard(err::CannotUnload);
        if (found->second->RaisingEvent()) RaiseStandard(err::CannotUnloadHere);
        // Out of the array before it is destroyed, as an erased map node was.
        std::unique_ptr<W> element = std::move(found->second);
        mcolElements.erase(found);
        element.reset();
    }

    W& Item(int32_t index) const { return *Slot(Existing(index))->second; }
    W& operator[](int32_t index) const { return Item(index); }
    bool Exists(int32_t index) const {
        return index >= INT16_MIN && index <= INT16_MAX && Find(static_cast<int16_t>(index));
    }
    // The loaded element at `index`, or nullptr: one lookup for callers that raise their
    // own error for a missing element.
    W* Find(int32_t index) const {
        if (index < INT16_MIN || index > INT16_MAX) return nullptr;
        const auto at = LowerBound(static_cast<int16_t>(index));
        return at != mcolElements.end() && at->first == index ? at->second.get() : nullptr;
    }
    int16_t Count() const noexcept { return static_cast<int16_t>(mcolElements.size()); }
    int16_t LBound() const noexcept { return mcolElements.front().first; }
    int16_t UBound() const noexcept { return mcolElements.back().first; }

    class Iterator {
      public:
        explicit Iterator(typename Elements::const_iterator at) : mAt(at) {}
        W& operator*() const { return *mAt->second; }
        W* operator->() const { return mAt->second.get(); }
        Iterator& operator++() {
            ++mAt;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

      private:
        typename Elements::const_iterator mAt;
    };
    Iterator begin() const { return Iterator(mcolElements.begin()); }
    Iterator end() const { return Iterator(mcolElements.end()); }

  private:
    std::unique_ptr<W> Create(int16_t index) {
        auto element = std::make_unique<W>(mParent, mstrName);
        element->SetIndex(index);
        return element;
    }

    // The back is checked first: rows are mostly read, loaded and unloaded there.
    typename Elements::const_iterator LowerBound(int16_t position) const {
        if (!mcolElements.empty() && mcolElements.back().first < position)
            return mcolElements.end();
        if (!mcolElements.empty() && mcolElements.back().first == position)
            return std::prev(mcolElements.end());
        return std::lower_bound(
            mcolElements.begin(), mcolElements.end(), position,
            [](const Element& element, int16_t key) { return element.first < key; });
    }
    typename Elements::iterator LowerBound(int16_t position) {
        const auto at = std::as_const(*this).LowerBound(position);
        return mcolElements.begin() + (at - mcolElements.cbegin());
    }
    // The element of an index known to be loaded.
    typename Elements::const_iterator Slot(int16_t position) const { return LowerBound(position); }
    typename Elements::iterator Slot(int16_t position) { return LowerBound(position); }

    static int16_t CheckRange(int32_t index) {
        if (index < INT16_MIN || index > INT16_MAX) RaiseStandard(err::Overflow);
        return static_cast<int16_t>(index);
    }

    int16_t Existing(int32_t index) const {
        const int16_t position = CheckRange(index);
        if (!Find(position))
            throw AutomationError(
                err::NoSuchElement, "PanelKit2",
                "Control array element '" + std::to_string(position) + "' doesn't exist");
        return position;
    }

    Widget* mParent;
    std::string mstrName;
    Elements mcolElements;
};

}  // namespace panelkit2::host
