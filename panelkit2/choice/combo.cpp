#include "panelkit2/choice/combo.hpp"

#include <algorithm>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/controls/shared_subs.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kInitialDesiredWidth = 2600;
constexpr float kInitialWidth = 2600;
// A drop-down list is as high as a default element, so elements stacked one element
// height and a gap apart do not overlap.
constexpr float kListHeight = 255;
// Room for the drop-down button beside an item's text.
constexpr double kItemMargin = 300;
}  // namespace

Combo::Combo()
    : OptionControl("Combo", {ControlID::Combo, "Combo", kInitialDesiredWidth}),
      mRows(&UserControl, "Combo", "wlCaption") {
    List(0).Height(kListHeight);
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    UserControl_Initialize();
}

void Combo::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mColumns.Reset();
            mintActionCount = 0;
            mblnActionStored = false;
            mintElementHeight = kDefaultElementHeight;
            UserControl.Width(kInitialWidth);
            Label(0).Visible(false);
            Label(0).Move(0, 0);
            List(0).Move(0, 0, UserControl.Width());
            mblnOptionMode = false;
            mstrCommonAction.clear();
            mlngDesiredWidth = kInitialDesiredWidth;
        }
        Paint();
    });
}

bool Combo::IsEmpty() const {
    return FullReRaise(Source().Method("IsEmpty"), [&] { return List(0).ListCount() == 0; });
}

bool Combo::Show() const {
    return List(0).ListCount() > 0;
}

std::string Combo::Selected(int16_t& idx) const {
    return mRows.Indexed(Source().Get("Selected"), idx, std::string(),
                         [&](std::string& found) { return found = mRows.FieldAt(idx).Text(); });
}

// Exact comparison; the last equal item wins, a text that matches nothing changes nothing.
void Combo::Selected(int16_t& idx, std::string_view value) {
    mRows.Indexed(Source().Let("Selected"), idx, false, [&](bool&) {
        host::ComboBox& list = mRows.FieldAt(idx);
        for (int16_t j = 0; j < list.ListCount(); ++j)
            if (list.List(j) == value) list.ListIndex(j);
        return false;
    });
}

// The last record for the pair wins; records are matched by value, never by position.
std::string Combo::Action(int16_t& idx, int16_t& idxItem) const {
    return IndexFamily(
        Source().Get("action"), std::string(),
        [&](std::string& found) {
            for (int32_t i = 0; i <= mintActionCount; ++i) {
                const ActionRecord& record = mActions.at(static_cast<size_t>(i));
                if (record.idx == idx && record.idxItem == idxItem) found = record.action;
            }
            return found;
        },
        [&] { idx = mintActionCount; });
}

void Combo::Action(int16_t& idx, int16_t& idxItem, std::string_view value) {
    IndexFamily(
        Source().Let("action"), false,
        [&](bool&) {
            StoreAction(idx, idxItem, value);
            return false;
        },
        [&] { idx = mintActionCount; });
}

// Until an item was added every action is a common one. Afterwards the first record of
// the pair takes it; a new pair takes a new record, or record 0 while none was written.
void Combo::StoreAction(int16_t idx, int16_t idxItem, std::string_view value) {
    mActions.resize(static_cast<size_t>(mintActionCount) + 1);
    if (!mblnOptionMode) {
        AppendAction(mstrCommonAction, value);
        return;
    }
    for (int32_t i = 0; i <= mintActionCount; ++i) {
        ActionRecord& record = mActions.at(static_cast<size_t>(i));
        if (record.idx == idx && record.idxItem == idxItem) {
            AppendAction(record.action, value);
            mblnActionStored = true;
            return;
        }
    }
    if (mblnActionStored) {
        mintActionCount = ToInteger(double(mintActionCount) + 1);
        mActions.resize(static_cast<size_t>(mintActionCount) + 1);
    }
    mActions.at(static_cast<size_t>(mintActionCount)) = {idx, idxItem, std::string(value)};
    mblnActionStored = true;
}

// The last item of the last element, -1 while that element has none.
void Combo::RouteAction(std::string_view text) {
    int16_t idx = LastElement();
    int16_t idxItem = static_cast<int16_t>(List(idx).ListCount() - 1);
    Action(idx, idxItem, text);
}

// The first item of an element is selected at once and replaces an empty entry 0; later
// items are appended unselected and count towards the widest item.
void Combo::AddItem(int16_t idx, std::string_view vNewData) {
    FullReRaise(Source().Method("AddItem"), [&] {
        const int16_t textWidth = ToInteger(SharedSubs::GetTextWidth(UserControl.hDC(), vNewData));
        const int16_t needed = ToInteger(textWidth + kItemMargin);
        host::ComboBox& list = List(idx);
        if (needed > list.Width()) {
            list.Width(needed);
            mColumns.GrowFieldWidth(list.Width());
        }
        if (list.List(0).empty()) {
            list.List(0, std::string(vNewData));
            list.ListIndex(0);
            mblnOptionMode = true;
            return;
        }
        list.AddItem(std::string(vNewData));
        mintWidestItem = std::max(mintWidestItem, needed);
        mblnOptionMode = true;
        Paint();
    });
}

int16_t Combo::ItemCount(int16_t idx) const {
    return FullReRaise(Source().Method("ItemCount"), [&] { return List(idx).ListCount(); });
}

void Combo::AddOption(std::string_view vData) {
    FullReRaise(Source().Method("AddOption"), [&] { AddItem(LastElement(), vData); });
}

// Every element holding the text selects it; the others keep their selection.
void Combo::SetSelectedOption(std::string_view strItem) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] {
        for (int32_t i = 0; i <= LastElement(); ++i) {
            host::ComboBox& list = List(i);
            for (int16_t j = 0; j < list.ListCount(); ++j)
                if (list.List(j) == strItem) list.ListIndex(j);
        }
    });
}

// Leading empty texts vanish; later ones leave empty fields ("", a, "", b gives "a||b").
std::string Combo::GetSelectedOption() const {
    return FullReRaise(Source().Method("GetSelectedOption"), [&] {
        std::string result;
        for (int32_t i = 0; i <= LastElement(); ++i) AppendEntry(result, List(i).Text(), '|');
        return result;
    });
}

// An element without a selection asks for item -1, where AddAction put the actions
// attached before its first item.
std::string Combo::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        std::string result;
        for (int16_t i = 0; i <= LastElement(); ++i) {
            // Copies: a quiet end writes into its arguments.
            int16_t idx = i;
            int16_t idxItem = List(i).ListIndex();
            AppendAction(result, Action(idx, idxItem));
        }
        return Answer(result);
    });
}

void Combo::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        ArrayCount(1);
        host::ComboBox& list = List(0);
        list.Clear();
        list.Move(0, list.Top(), UserControl.Width());
        list.ToolTipText({});
        Caption(0, std::string_view());
        mintActionCount = 0;
        mActions.assign(1, ActionRecord{});
        Label(0).Caption({});
        Label(0).ToolTipText({});
        mColumns.Reset();
        mintWidestItem = 0;
        ResetContract();
        Paint();
    });
}

void Combo::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("ArrayCount", ArrayCount(), int16_t{1});
    bag.WriteProperty("ElementHeight", mintElementHeight, kDefaultElementHeight);
    bag.WriteProperty("Height", UserControl.Height(), List(0).Height());
    bag.WriteProperty("Width", UserControl.Width(), List(0).Width());
    WriteColours(bag);
}

// Applied through the members without laying out. A new control has its one element
// already, so the element count grows (or shrinks) from what the control has.
void Combo::UserControl_ReadProperties(host::PropertyBag& bag) {
    LayoutGuard guard(mblnLayoutBusy);
    ArrayCount(bag.ReadProperty("ArrayCount", int16_t{1}).AsInteger());
    ElementHeight(bag.ReadProperty("ElementHeight", kDefaultElementHeight).AsInteger());
    UserControl.Height(bag.ReadProperty("Height", List(0).Height()).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", List(0).Width()).AsSingle());
    ReadColours(bag);
}

}  // namespace panelkit2
