// Heading: life cycle, the entry table, text blocks and lists, appearance and persistence.

#include "panelkit2/display/heading.hpp"

#include <algorithm>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr float kInitialHeight = 4000;
constexpr float kInitialWidth = 3000;
// A list of this many lines gets its default height again and the entries are restacked.
constexpr int16_t kLinesToRestack = 4;
}  // namespace

Heading::Heading()
    : ControlBase("Heading"),
      Viewport(&UserControl, "Viewport"),
      ScrollArea(&Viewport, "ScrollArea"),
      ScrollBar(&UserControl, "ScrollBar"),
      wlText(&ScrollArea, "wlText") {
    ScrollBar.Width(kScrollBarWidth);
    Focus1.Surface().SetParent(&UserControl);
    Focus1.Surface().Visible(false);
    (void)Watch(wlText[0], mcolFirstEntryOfText, 0);
    LoadList(0);
    ConnectEvents();
    UserControl_Initialize();
}

// A host may hold lists beyond the heading: they stop reporting to it.
Heading::~Heading() {
    for (size_t i = 0; i < mcolLists.size(); ++i)
        mcolLists[i]->Surface().Changed.Disconnect(mcolListWatches[i]);
}

void Heading::ConnectEvents() {
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    UserControl.Show.Connect([this] { UserControl_Show(); });
    ScrollBar.Change.Connect([this] { ScrollBar_Change(); });
    ScrollBar.Scroll.Connect([this] { ScrollBar_Change(); });
    ScrollBar.GotFocus.Connect([this] { ScrollBar_GotFocus(); });
}

void Heading::UserControl_Initialize() {
    FullReRaise(kSource.Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            ScrollBar.Min(0);
            ScrollBar.TabStop(false);
            UserControl.Height(kInitialHeight);
            UserControl.Width(kInitialWidth);
            ScrollArea.Move(0, 0, W(), H());
            Viewport.Move(0, 0, W(), H());
            wlText[0].Caption({});
            wlText[0].Visible(false);
            mintListUpper = 0;
            mintTextUpper = 0;
            ScrollBar.Top(0);
            ScrollBar.Visible(false);
            mcolLists[0]->Surface().Visible(false);
            mblnScrollBottom = false;
            ResetEntries();
        }
        Paint();
    });
}

void Heading::UserControl_Show() {
    ResetScrollBar();
}

// ---------------------------------------------------------------------------------------
// Labels, lists and entries

host::WrapLabel& Heading::TextLabel(int16_t idx) const {
    host::WrapLabel* label = wlText.Find(idx);
    if (!label) RaiseStandard(err::SubscriptOutOfRange);
    return *label;
}

DispListBox& Heading::ListAt(int16_t idx) const {
    if (idx < 0 || static_cast<size_t>(idx) >= mcolLists.size())
        RaiseStandard(err::SubscriptOutOfRange);
    return *mcolLists[static_cast<size_t>(idx)];
}

// The table holds at least one record; records past the last entry do not exist.
Heading::HeadingEntry& Heading::Entry(int32_t position) {
    if (position < 0 || static_cast<size_t>(position) >= mEntries.size())
        RaiseStandard(err::SubscriptOutOfRange);
    return mEntries[static_cast<size_t>(position)];
}

const Heading::HeadingEntry& Heading::EntryAt(int32_t position) const {
    return const_cast<Heading&>(*this).Entry(position);
}

void Heading::AppendEntry(ItemType kind, int16_t index) {
    const int16_t position = ToInteger(mintEntryUpper + 1.0);
    if (position > 0) mEntries.emplace_back();
    mEntries[static_cast<size_t>(position)] = {kind, index, false};
    mintEntryUpper = position;
    auto& firstEntries = kind == ItemType::Text ? mcolFirstEntryOfText : mcolFirstEntryOfList;
    int16_t& first = firstEntries[static_cast<size_t>(index)];
    if (first < 0) first = position;
}

void Heading::ResetEntries() {
    mEntries.assign(1, HeadingEntry{});
    mintEntryUpper = -1;
    std::fill(mcolFirstEntryOfText.begin(), mcolFirstEntryOfText.end(), int16_t{-1});
    std::fill(mcolFirstEntryOfList.begin(), mcolFirstEntryOfList.end(), int16_t{-1});
    mMemo.Forget(0);
}

Heading::WatchId Heading::Watch(host::Widget& widget, std::vector<int16_t>& firstEntries,
                                int16_t index) {
    const auto slot = static_cast<size_t>(index);
    if (firstEntries.size() <= slot) firstEntries.resize(slot + 1, -1);
    firstEntries[slot] = -1;
    return widget.Changed.Connect(
        [this, &firstEntries, slot](host::Widget&, host::WidgetProperty what) {
            if (mblnRestacking) return;
            if (what != host::WidgetProperty::Geometry && what != host::WidgetProperty::Text)
                return;
            if (slot < firstEntries.size() && firstEntries[slot] >= 0)
                mMemo.Forget(firstEntries[slot]);
        });
}

// A new block starts empty, in the colours of block 0.
void Heading::LoadTextBlock(int16_t idx) {
    host::WrapLabel& label = wlText.Load(idx);
    label.Caption({});
    (void)Watch(label, mcolFirstEntryOfText, idx);
}

std::shared_ptr<DispListBox> Heading::LoadList(int16_t idx) {
    auto list = std::make_shared<DispListBox>();
    host::UserControl& surface = list->Surface();
    surface.Visible(false);
    surface.SetParent(&ScrollArea);
    surface.SetIndex(idx);
    mcolLists.push_back(list);
    mcolListWatches.push_back(Watch(surface, mcolFirstEntryOfList, idx));
    return list;
}

// A list a host still holds leaves the heading for good.
void Heading::UnloadLastList() {
    DispListBox& list = *mcolLists.back();
    list.Surface().Changed.Disconnect(mcolListWatches.back());
    list.Surface().Visible(false);
    list.Surface().SetParent(nullptr);
    mcolListWatches.pop_back();
    mcolLists.pop_back();
    mcolFirstEntryOfList.resize(mcolLists.size());
}

void Heading::UnloadBlocksAndLists() {
    while (mcolLists.size() > 1) UnloadLastList();
    while (wlText.UBound() > 0) wlText.Unload(wlText.UBound());
    mcolFirstEntryOfText.resize(1);
}

// ---------------------------------------------------------------------------------------
// Text

std::string Heading::Caption(int16_t& idx) const {
    return IndexFamily(
        kSource.Get("Caption"), std::string(),
        [&](std::string&) { return TextLabel(idx).Caption(); }, [&] { idx = mintTextUpper; });
}

void Heading::Caption(int16_t& idx, std::string_view value) {
    IndexFamily(
        kSource.Let("Caption"), false,
        [&](bool) {
            SetText(idx, value);
            return true;
        },
        [&] { idx = mintTextUpper; });
}

// Appends s to block idx. The table record at position idx (not the block's own entry)
// decides whether the last entry is measured again first.
void Heading::SetText(int16_t idx, std::string_view s) {
    if (s.empty()) return;
    host::WrapLabel& label = TextLabel(idx);
    label.Caption(label.Caption() + std::string(s));
    label.Visible(true);
    label.Width(ScrollArea.Width());
    if (Entry(idx).Placed) ResizeLast();
    if (idx == 0 && !Entry(0).Placed) AppendEntry(ItemType::Text, 0);
    Position();
    if (mlngTotalHeight > H()) Reposition();
    Paint();
    UserControl.PropertyChanged("Caption");
}

int16_t Heading::AddText(std::string_view vData) {
    return FullReRaise(kSource.Method("AddText"), [&]() -> int16_t {
        if (vData.empty() && !wlText[0].Visible()) return 0;
        if (mblnNewText) {
            const int16_t idx = ToInteger(mintTextUpper + 1.0);
            LoadTextBlock(idx);
            mintTextUpper = idx;
            AppendEntry(ItemType::Text, idx);
            SetText(idx, vData);
            mblnNewText = false;
        } else {
            SetText(mintTextUpper, vData);
        }
        return mintTextUpper;
    });
}

// ---------------------------------------------------------------------------------------
// Lists

// List 0 is taken again as long as it has no lines; only a new list repaints.
std::shared_ptr<DispListBox> Heading::AddList() {
    return FullReRaise(kSource.Method("AddList"), [&] {
        mblnNewText = true;
        if (mcolLists[0]->NumLines() == 0) {
            AppendEntry(ItemType::List, 0);
            Position();
            return mcolLists[0];
        }
        const int16_t idx = ToInteger(mintListUpper + 1.0);
        std::shared_ptr<DispListBox> list = LoadList(idx);
        mintListUpper = idx;
        AppendEntry(ItemType::List, idx);
        list->Surface().Visible(false);
        Position();
        Paint();
        return list;
    });
}

void Heading::AddLine(int16_t idx, std::string_view vData) {
    LayoutGuard guard(mblnLayoutBusy);
    DispListBox& list = ListAt(idx);
    list.AddOption(vData);
    if (!list.Surface().Visible()) list.Surface().Visible(true);
    if (list.NumLines() >= kLinesToRestack) {
        SetListHeight(idx);
        Reposition();
    }
}

void Heading::AddListItem(int16_t idx, std::string_view vData) {
    FullReRaise(kSource.Method("AddListItem"), [&] {
        AddLine(idx, vData);
        Paint();
    });
}

void Heading::AddItem(std::string_view vData) {
    AddLine(mintListUpper, vData);
}

void Heading::Clear() {
    FullReRaise(kSource.Method("Clear"), [&] {
        UnloadBlocksAndLists();
        host::WrapLabel& first = wlText[0];
        first.Caption({});
        first.Visible(false);
        first.Height(kEmptyBlockHeight);
        mcolLists[0]->Clear();
        mcolLists[0]->Surface().Visible(false);
        mblnNewText = false;
        ResetEntries();
        mlngTotalHeight = 0;
        mintListUpper = 0;
        mintTextUpper = 0;
        ScrollArea.Height(0);
        Viewport.Height(H());
        ResetScrollBar();
        Position();
        Paint();
    });
}

// ---------------------------------------------------------------------------------------
// Appearance and persistence

host::OleColor Heading::BackColor() const {
    return UserControl.BackColor();
}

void Heading::BackColor(host::OleColor value) {
    ApplyColour(&host::Widget::BackColor, value, "BackColor");
}

host::OleColor Heading::ForeColor() const {
    return UserControl.ForeColor();
}

void Heading::ForeColor(host::OleColor value) {
    ApplyColour(&host::Widget::ForeColor, value, "ForeColor");
}

// The heading, its frames and its text blocks take a colour; lists keep theirs.
void Heading::ApplyColour(void (host::Widget::*colour)(host::OleColor), host::OleColor value,
                          std::string_view property) {
    (UserControl.*colour)(value);
    (ScrollArea.*colour)(value);
    (Viewport.*colour)(value);
    for (host::WrapLabel& label : wlText) (label.*colour)(value);
    UserControl.PropertyChanged(property);
}

void Heading::ScrollBottom(bool value) {
    FullReRaise(kSource.Let("ScrollBottom"), [&] { mblnScrollBottom = value; });
}

// The colours are written but not read back: a loaded heading starts in its own colours.
void Heading::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("Height", H(), kInitialHeight);
    bag.WriteProperty("Width", W(), kInitialWidth);
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
}

void Heading::UserControl_ReadProperties(host::PropertyBag& bag) {
    UserControl.Height(bag.ReadProperty("Height", kInitialHeight).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", kInitialWidth).AsSingle());
}

}  // namespace panelkit2
