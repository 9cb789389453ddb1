#pragma once

// Sub-ranges of values with an action list each, as the range controls keep them for their
// conditional actions. A value lies in a sub-range when Min <= value <= Max, both ends
// inclusive, compared in the bound type T (single-precision bounds compare in single
// precision).
//
// The sub-ranges sit at indices 0 to Last(). A new set holds one empty placeholder at
// index 0, which the first sub-range stored replaces; later ones go after the last. Reset
// starts over from one sub-range but remembers that sub-ranges were stored, so the next
// one goes to index 1 and index 0 stays what Reset put there.
//
// A control that keeps more per sub-range (a help text) names a record of its own that
// derives from ActionRange<T>.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/error_source.hpp"
#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"

namespace panelkit2 {

template <class T>
struct ActionRange {
    T Min{};
    T Max{};
    std::string Action;

    bool Contains(T value) const noexcept { return Min <= value && value <= Max; }
    bool HasEnds(T min, T max) const noexcept { return Min == min && Max == max; }
};

template <class T, class Range = ActionRange<T>>
class ActionRanges {
  public:
    // The highest index.
    int16_t Last() const noexcept { return mintLast; }
    const std::vector<Range>& All() const noexcept { return mRanges; }
    // Error 9 outside 0..Last().
    Range& At(int16_t idx) {
        if (idx < 0 || idx > mintLast) RaiseStandard(err::SubscriptOutOfRange);
        return mRanges[static_cast<size_t>(idx)];
    }
    const Range& At(int16_t idx) const { return const_cast<ActionRanges*>(this)->At(idx); }

    // One end of sub-range `idx`, as the index family reads and writes it: an index outside
    // the sub-ranges reads T{} or stores nothing, and the highest index comes back in `idx`.
    T ReadEnd(const ProcedureSource& source, int16_t& idx, T ActionRange<T>::*end) const {
        return IndexFamily(
            source, T{}, [&](T& found) { return found = At(idx).*end; }, [&] { idx = mintLast; });
    }
    void WriteEnd(const ProcedureSource& source, int16_t& idx, T ActionRange<T>::*end, T value) {
        IndexFamily(
            source, false,
            [&](bool&) {
                At(idx).*end = value;
                return false;
            },
            [&] { idx = mintLast; });
    }

    // Every sub-range's actions in index order.
    std::string AllActions() const {
        std::string all;
        for (const Range& range : mRanges) AppendAction(all, range.Action);
        return all;
    }

    // Appends `action` to the first sub-range with exactly these ends, or stores a new
    // sub-range when none has them; true when it stored one.
    bool Attach(T min, T max, std::string_view action) {
        if (AppendToFirst(min, max, action)) return false;
        Store(min, max, action);
        return true;
    }
    // Appends `action` to the first sub-range with exactly these ends, or to every one;
    // false when none has them.
    bool AppendToFirst(T min, T max, std::string_view action) {
        for (Range& range : mRanges) {
            if (!range.HasEnds(min, max)) continue;
            AppendAction(range.Action, action);
            return true;
        }
        return false;
    }
    bool AppendToEvery(T min, T max, std::string_view action) {
        bool found = false;
        for (Range& range : mRanges) {
            if (!range.HasEnds(min, max)) continue;
            AppendAction(range.Action, action);
            found = true;
        }
        return found;
    }
    // A sub-range of its own: into the placeholder while none was stored, else after the
    // last. Only its ends and action are written; anything else the record holds stays.
    Range& Store(T min, T max, std::string_view action) {
        Range& range = mblnStored ? Grow() : mRanges.back();
        range.Min = min;
        range.Max = max;
        range.Action = action;
        mblnStored = true;
        return range;
    }
    // An empty sub-range after the last; error 6 beyond index 32767.
    Range& Grow() {
        mintLast = ToInteger(static_cast<double>(mintLast) + 1);
        return mRanges.emplace_back();
    }

    // One sub-range, `first`, at index 0; whether sub-ranges were stored is kept.
    void Reset(Range first = {}) {
        mintLast = 0;
        mRanges.assign(1, std::move(first));
    }
    // As a new set.
    void Restart() {
        Reset();
        mblnStored = false;
    }

    // Calls `visit` for every sub-range holding `value`, in index order.
    template <class Visit>
    void ForEachContaining(T value, Visit&& visit) const {
        for (const Range& range : mRanges)
            if (range.Contains(value)) visit(range);
    }
    // The actions of every sub-range holding `value`, joined in index order (an empty
    // action list still takes its place after a comma).
    std::string ActionsContaining(T value) const {
        std::string joined;
        ForEachContaining(value, [&](const Range& range) { AppendAction(joined, range.Action); });
        return joined;
    }

  private:
    int16_t mintLast = 0;
    std::vector<Range> mRanges{1};
    bool mblnStored = false;
};

}  // namespace panelkit2
