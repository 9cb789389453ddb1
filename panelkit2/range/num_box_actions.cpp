// NumBox: sub-ranges with their actions, the common actions and the answer.

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/range/num_box.hpp"

namespace panelkit2 {

NumBox::ActionRange& NumBox::RangeAt(int16_t idx) {
    if (idx < 0 || idx > mintActionCount) RaiseStandard(err::SubscriptOutOfRange);
    return mudtActionRanges[static_cast<size_t>(idx)];
}

const NumBox::ActionRange& NumBox::RangeAt(int16_t idx) const {
    return const_cast<NumBox*>(this)->RangeAt(idx);
}

int32_t NumBox::ActionMin(int16_t& idx) const {
    return SubRangeEnd(Source().Get("ActionMin"), idx, &ActionRange::Min);
}

void NumBox::ActionMin(int16_t& idx, int32_t value) {
    SubRangeEnd(Source().Let("ActionMin"), idx, &ActionRange::Min, value);
}

int32_t NumBox::ActionMax(int16_t& idx) const {
    return SubRangeEnd(Source().Get("ActionMax"), idx, &ActionRange::Max);
}

void NumBox::ActionMax(int16_t& idx, int32_t value) {
    SubRangeEnd(Source().Let("ActionMax"), idx, &ActionRange::Max, value);
}

// The index family: an index outside the sub-ranges reads 0 or stores nothing, and the
// highest valid index comes back through `idx`.
int32_t NumBox::SubRangeEnd(const ProcedureSource& source, int16_t& idx,
                            int32_t ActionRange::*end) const {
    return IndexFamily(
        source, int32_t{0}, [&](int32_t& found) { return found = RangeAt(idx).*end; },
        [&] { idx = mintActionCount; });
}

void NumBox::SubRangeEnd(const ProcedureSource& source, int16_t& idx, int32_t ActionRange::*end,
                         int32_t value) {
    IndexFamily(
        source, false,
        [&](bool&) {
            RangeAt(idx).*end = value;
            return false;
        },
        [&] { idx = mintActionCount; });
}

std::string NumBox::Action() const {
    return FullReRaise(Source().Get("action"), [&] {
        std::string all;
        for (const ActionRange& range : mudtActionRanges) AppendAction(all, range.Action);
        return all;
    });
}

// Keyed by the spin buttons' current range once actions go to sub-ranges.
void NumBox::Action(std::string_view value) {
    FullReRaise(Source().Let("action"), [&] {
        if (value.empty()) return;
        if (!mblnOptionMode) return AppendAction(mstrCommonAction, value);
        SetConditionalAction(Min(), Max(), value);
    });
}

void NumBox::SetConditionalAction(int32_t vMin, int32_t VMax, std::string_view vData) {
    FullReRaise(Source().Method("SetConditionalAction"), [&] {
        for (ActionRange& range : mudtActionRanges) {
            if (range.Min == vMin && range.Max == VMax) return AppendAction(range.Action, vData);
        }
        StoreNewRange(vMin, VMax, vData);
    });
}

// A new control's first sub-range replaces the placeholder at index 0; later ones append.
// Clear keeps the count of used sub-ranges going, so after it index 0 stays the default
// range and the next sub-range goes to index 1.
void NumBox::StoreNewRange(int32_t vMin, int32_t VMax, std::string_view vData) {
    if (mblnRangeUsed) mintActionCount = ToInteger(double(mintActionCount) + 1);
    mudtActionRanges.resize(static_cast<size_t>(mintActionCount) + 1);
    mudtActionRanges.back() = {vMin, VMax, std::string(vData)};
    mblnRangeUsed = true;
    mblnOptionMode = true;
}

void NumBox::AddOption(int32_t vMin, int32_t VMax) {
    FullReRaise(Source().Method("AddOption"), [&] {
        SetConditionalAction(vMin, VMax, {});
        mblnOptionMode = true;
    });
}

// Joins the newest sub-range once there is one, else the common actions.
void NumBox::RouteAction(std::string_view text) {
    if (!mblnOptionMode) return AppendAction(mstrCommonAction, text);
    const ActionRange& newest = RangeAt(mintActionCount);
    SetConditionalAction(newest.Min, newest.Max, text);
}

// Every sub-range holding the value contributes, in index order, after the common actions.
// A missing sub-range makes the answer empty.
std::string NumBox::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        std::string answer;
        Swallow(err::SubscriptOutOfRange, [&] { answer = Answer(ActionsContaining(Value())); });
        return answer;
    });
}

std::string NumBox::ActionsContaining(int32_t value) const {
    std::string selected;
    for (int16_t i = 0; i <= mintActionCount; ++i) {
        const ActionRange& range = RangeAt(i);
        if (value >= range.Min && value <= range.Max) AppendAction(selected, range.Action);
    }
    return selected;
}

}  // namespace panelkit2
