// ItemList: items, the action table parallel to them, the answer, Clear and the persisted
// items.

#include "panelkit2/choice/item_list.hpp"

#include <string>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/controls/shared_subs.hpp"

namespace panelkit2 {

namespace {
// A list box shows five entries at its first height and nine from the sixth entry on.
constexpr int16_t kEntriesOfShortList = 5;
constexpr float kShortListHeight = 1035;
constexpr float kLongListHeight = 1620;
// The caption strip above the list box.
constexpr float kCaptionStrip = 300;

// "ListItem12", "Action12": the word and the position in decimal digits.
std::string ItemKey(std::string_view word, int16_t position) {
    return std::string(word) + std::to_string(position);
}
}  // namespace

void ItemList::FitActionTable() const {
    mstrAction.resize(static_cast<size_t>(List_.ListCount()) + 1);
}

bool ItemList::IsEmpty() const {
    return FullReRaise(Source().Get("IsEmpty"), [&] { return List_.ListCount() == 0; });
}

std::string ItemList::Action(int16_t& idx) const {
    return IndexFamily(
        Source().Get(mstrActionProperty), std::string(),
        [&](std::string& found) {
            FitActionTable();
            if (idx < 0 || static_cast<size_t>(idx) >= mstrAction.size())
                RaiseStandard(err::SubscriptOutOfRange);
            return found = mstrAction[static_cast<size_t>(idx)];
        },
        [&] { idx = static_cast<int16_t>(List_.ListCount() - 1); });
}

void ItemList::Action(int16_t& idx, std::string_view value) {
    IndexFamily(
        Source().Let(mstrActionProperty), false,
        [&](bool&) {
            FitActionTable();
            if (!mblnOptionMode) {
                AppendAction(mstrCommonAction, value);
                return false;
            }
            if (idx < 0 || static_cast<size_t>(idx) >= mstrAction.size())
                RaiseStandard(err::SubscriptOutOfRange);
            AppendAction(mstrAction[static_cast<size_t>(idx)], value);
            return false;
        },
        [&] { idx = static_cast<int16_t>(List_.ListCount() - 1); });
}

// The last entry's actions; common ones until the first item.
void ItemList::RouteAction(std::string_view text) {
    auto last = static_cast<int16_t>(List_.ListCount() - 1);
    Action(last, text);
}

// An empty entry 0 (the blank one, or an empty item) is taken over and selected; any other
// item is appended and leaves the selection alone. The list box grows from five shown
// entries to nine at the sixth item, and the control and frame with it.
void ItemList::AddItem(std::string_view vNewData) {
    FullReRaise(Source().Method("AddItem"), [&] {
        if (!List_.List(0).empty()) {
            List_.AddItem(std::string(vNewData));
        } else {
            List_.List(0, std::string(vNewData));
            SelectFirstEntry();
        }
        FitWidthToItem(vNewData);
        List_.Height(List_.ListCount() > kEntriesOfShortList ? kLongListHeight : kShortListHeight);
        UserControl.Height(List_.Height() + kCaptionStrip);
        frame.Height(UserControl.Height());
        mblnOptionMode = true;
    });
}

// An index that names no entry is error 5 and changes nothing. The action table is fitted
// first, so a list whose actions were never touched removes as well as any other.
void ItemList::RemoveItem(int16_t idx) {
    FullReRaise(Source().Method("RemoveItem"), [&] {
        const auto count = static_cast<size_t>(List_.ListCount());
        FitActionTable();
        List_.RemoveItem(idx);
        for (auto k = static_cast<size_t>(idx); k < count; ++k)
            mstrAction[k] = std::move(mstrAction[k + 1]);
        FitActionTable();
    });
}

// The flag makes it selected in multiple selection; ListIndex alone only focuses it there.
void ItemList::SelectFirstEntry() {
    List_.Selected(0, true);
    List_.ListIndex(0);
}

bool ItemList::WidenForItem(std::string_view text, double firstRoom, double secondRoom) {
    const int32_t textWidth = SharedSubs::GetTextWidth(UserControl.hDC(), text);
    const int32_t needed = ToLong(double(ToLong(textWidth + firstRoom)) + secondRoom);
    if (!(needed > UserControl.Width())) return false;
    UserControl.Width(static_cast<float>(needed));
    return true;
}

void ItemList::AddOption(std::string_view vData) {
    FullReRaise(Source().Method("AddOption"), [&] { AddItem(vData); });
}

std::string ItemList::SelectedTexts(std::string_view separator) const {
    std::string texts;
    bool first = true;
    for (int16_t j = 0; j < List_.ListCount(); ++j) {
        if (!List_.Selected(j)) continue;
        if (!first) texts += separator;
        texts += List_.List(j);
        first = false;
    }
    return texts;
}

// The common actions, then the non-empty actions of every selected entry in position order.
std::string ItemList::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        std::string selected;
        for (int16_t j = 0; j < List_.ListCount(); ++j) {
            if (!List_.Selected(j)) continue;
            int16_t position = j;
            const std::string actions = Action(position);
            if (!actions.empty()) AppendAction(selected, actions);
        }
        return Answer(selected);
    });
}

// The list is left empty, without its blank entry, until the next item; the control keeps
// its size.
void ItemList::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        List_.Clear();
        Caption(std::string_view());
        mstrAction.assign(1, std::string());
        ResetContract();
    });
}

// Colours travel as Longs (system colours are negative) and are always written.
void ItemList::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("Caption", SavedCaption(), std::string());
    WriteLayout(bag);
    bag.WriteProperty("Selected", Selected(), List_.List(0));
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
    WriteItems(bag);
}

void ItemList::WriteItems(host::PropertyBag& bag) const {
    for (int16_t j = 0; j < List_.ListCount(); ++j) {
        int16_t position = j;
        bag.WriteProperty(ItemKey("ListItem", j), List_.List(j), std::string());
        bag.WriteProperty(ItemKey("Action", j), Action(position), std::string());
    }
}

// Reads only as many items as the list holds now, and the actions go through the Action
// property: on a new control, which holds the blank entry and no item yet, the first
// item's text comes back and its actions become common ones.
void ItemList::ReadItems(const host::PropertyBag& bag) {
    const int16_t count = List_.ListCount();
    for (int16_t j = 0; j < count; ++j) {
        List_.List(j, bag.ReadProperty(ItemKey("ListItem", j), std::string()).AsString());
        int16_t position = j;
        Action(position, bag.ReadProperty(ItemKey("Action", j), std::string()).AsString());
    }
}

}  // namespace panelkit2
