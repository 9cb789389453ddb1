#pragma once

// An array of widgets of one kind sharing one name, indexed by Integer from 0. Element 0
// exists from the start and stays; Load adds an element that copies element 0's
// design-time properties (W::CopyDesignFrom) and starts invisible. Iteration visits the
// loaded elements in index order.
//
// Errors: an index outside the Integer range 6; a negative index to Load 5; loading a
// loaded index 360; a missing element (Item, operator[], Unload) 340; unloading element 0
// 362; unloading an element from inside one of its own events 365.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

template <class W>
class WidgetArray {
    using Elements = std::map<int16_t, std::unique_ptr<W>>;

  public:
    WidgetArray(Widget* parent, std::string name) : mParent(parent), mstrName(std::move(name)) {
        mcolElements.emplace(0, Create(0));
    }
    ~WidgetArray() {
        // Highest first, element 0 last, as they were loaded.
        while (!mcolElements.empty()) mcolElements.erase(std::prev(mcolElements.end()));
    }
    WidgetArray(const WidgetArray&) = delete;
    WidgetArray& operator=(const WidgetArray&) = delete;

    const std::string& Name() const noexcept { return mstrName; }

    W& Load(int32_t index) {
        const int16_t position = CheckRange(index);
        if (position < 0) RaiseStandard(err::InvalidCall);
        if (mcolElements.contains(position)) RaiseStandard(err::AlreadyLoaded);
        // Built completely before it counts as loaded: a failed copy loads nothing.
        auto element = Create(position);
        element->Visible(false);
        element->CopyDesignFrom(*mcolElements.at(0));
        return *mcolElements.emplace(position, std::move(element)).first->second;
    }

    void Unload(int32_t index) {
        const auto found = mcolElements.find(Existing(index));
        if (found->first == 0) RaiseStandard(err::CannotUnload);
        if (found->second->RaisingEvent()) RaiseStandard(err::CannotUnloadHere);
        mcolElements.erase(found);
    }

    W& Item(int32_t index) const { return *mcolElements.at(Existing(index)); }
    W& operator[](int32_t index) const { return Item(index); }
    bool Exists(int32_t index) const {
        return index >= INT16_MIN && index <= INT16_MAX &&
               mcolElements.contains(static_cast<int16_t>(index));
    }
    int16_t Count() const noexcept { return static_cast<int16_t>(mcolElements.size()); }
    int16_t LBound() const noexcept { return mcolElements.begin()->first; }
    int16_t UBound() const noexcept { return std::prev(mcolElements.end())->first; }

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

    static int16_t CheckRange(int32_t index) {
        if (index < INT16_MIN || index > INT16_MAX) RaiseStandard(err::Overflow);
        return static_cast<int16_t>(index);
    }

    int16_t Existing(int32_t index) const {
        const int16_t position = CheckRange(index);
        if (!mcolElements.contains(position))
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
