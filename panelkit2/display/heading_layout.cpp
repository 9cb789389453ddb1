// Heading: placing the entries (the last one alone, or all of them again), list sizes, the
// scroll bar, painting, resizing and scrolling.

#include <cmath>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/display/heading.hpp"

namespace panelkit2 {

namespace {
// Position: a text block stands this far below the content and in from the left; a list
// this far below the content; the content ends this far below the last entry.
constexpr double kTextGap = 100;
constexpr double kListGap = 250;
constexpr double kEntryGap = 200;
// Room kept for the scroll bar beside its width: Position keeps more than Reposition and
// ResizeLast.
constexpr double kPositionRoom = 200;
constexpr double kRestackRoom = 100;
constexpr int32_t kFirstTop = 50;
// The default size of a list: this high (less when the heading is lower), 80 % as wide.
constexpr float kListHeight = 1530;
constexpr double kListWidthShare = 0.2;
constexpr double kLowHeadingRoom = 200;
// The scroll bar keeps this far from the right and bottom edges.
constexpr float kScrollBarInset = 50;
constexpr int16_t kSmallChange = 305;
// The scrolling area is this much narrower than the heading.
constexpr double kAreaInset = 100;
constexpr const char* kResizeTrail = "|PanelKit2.Heading::UserControl_Resize";
}  // namespace

// Places the entry added last below the content, unless it is placed already.
int32_t Heading::Position() {
    return FullReRaise(kSource.Method("Position"), [&] {
        if (mintEntryUpper < 0 || Entry(mintEntryUpper).Placed) return mlngTotalHeight;
        HeadingEntry& entry = Entry(mintEntryUpper);
        const double margin = ScrollBar.Visible() ? kScrollBarWidth + kPositionRoom : 0;
        int32_t t = mlngTotalHeight;
        if (entry.Kind == ItemType::Text) {
            host::WrapLabel& label = TextLabel(entry.Index);
            label.Move(static_cast<float>(kTextGap), ToSingle(t + kTextGap),
                       ToSingle(ScrollArea.Width() - margin - kTextGap));
            UserControl.Refresh();
            label.Reflow();
            t = ToLong(t + double{label.Height()});
        } else {
            SetListHeight(entry.Index);
            SetListWidth(entry.Index);
            host::UserControl& list = ListAt(entry.Index).Surface();
            list.Move(0, ToSingle(t + kListGap));
            t = ToLong(t + double{list.Height()} + kEntryGap);
        }
        entry.Placed = true;
        mlngTotalHeight = ToLong(t + kEntryGap);
        ScrollArea.Height(static_cast<float>(mlngTotalHeight));
        return mlngTotalHeight;
    });
}

// Stacks every entry again from the top. The entries that are still where the last restack
// left them stay; placing starts below them.
int32_t Heading::Reposition() {
    return FullReRaise(kSource.Method("Reposition"), [&] {
        if (mintEntryUpper < 0) return int32_t{0};
        const bool scrolls = mlngTotalHeight > H();
        const double margin = scrolls ? kScrollBarWidth + kRestackRoom : 0;
        const StackMemo::Start start =
            mMemo.Resume({W(), H(), ScrollArea.Width(), scrolls}, kFirstTop);
        int32_t y = start.bottom;
        {
            LayoutGuard restacking(mblnRestacking);
            for (int32_t i = start.entry; i <= mintEntryUpper; ++i) {
                HeadingEntry& entry = Entry(i);
                y = PlaceEntry(entry, y, margin);
                entry.Placed = true;
                mMemo.Placed(i, y);
            }
        }
        mlngTotalHeight = ToLong(y + kEntryGap);
        ScrollArea.Height(static_cast<float>(mlngTotalHeight));
        return mlngTotalHeight;
    });
}

// One entry of a restack at `y`; the y below it. An empty text block takes no room.
int32_t Heading::PlaceEntry(const HeadingEntry& entry, int32_t y, double margin) {
    if (entry.Kind == ItemType::List) {
        SetListHeight(entry.Index);
        SetListWidth(entry.Index);
        host::UserControl& list = ListAt(entry.Index).Surface();
        list.Move(ToSingle(W() / 2.0 - list.Width() / 2.0), ToSingle(y + kListGap));
        return ToLong(y + double{list.Height()} + kEntryGap);
    }
    host::WrapLabel& label = TextLabel(entry.Index);
    if (label.Caption().empty()) return y;
    label.Height(kEmptyBlockHeight);
    label.Move(static_cast<float>(kTextGap), static_cast<float>(y),
               ToSingle(ScrollArea.Width() - margin - kTextGap));
    label.Refresh();
    label.Reflow();
    return ToLong(y + double{label.Height()});
}

// Measures the last entry again where it stands and ends the content below it.
void Heading::ResizeLast() {
    const double margin = ScrollBar.Visible() ? kScrollBarWidth + kRestackRoom : 0;
    const HeadingEntry& entry = Entry(mintEntryUpper);
    int32_t bottom = 0;
    if (entry.Kind == ItemType::List) {
        SetListHeight(entry.Index);
        SetListWidth(entry.Index);
        host::UserControl& list = ListAt(entry.Index).Surface();
        bottom = ToLong(double{list.Top()} + list.Height());
        list.Left(0);
    } else {
        host::WrapLabel& label = TextLabel(entry.Index);
        bottom = ToLong(double{label.Top()} + label.Height());
        label.Move(0, label.Top(), ToSingle(ScrollArea.Width() - margin));
    }
    const int32_t total = ToLong(bottom + kEntryGap);
    ScrollArea.Height(static_cast<float>(total));
    mlngTotalHeight = total;
}

void Heading::SetListHeight(int16_t idx, int16_t vTwips) {
    FullReRaise(kSource.Method("SetListHeight"), [&] {
        host::UserControl& list = ListAt(idx).Surface();
        if (vTwips >= 0) {
            list.Height(vTwips);
            Reposition();
            return;
        }
        list.Height(kListHeight > H() ? std::fabs(H() - static_cast<float>(kLowHeadingRoom))
                                      : kListHeight);
    });
}

// Never wider than the heading less the scroll bar.
void Heading::SetListWidth(int16_t idx, int16_t vData) {
    host::UserControl& list = ListAt(idx).Surface();
    list.Width(vData >= 0 ? static_cast<float>(vData) : ToSingle(W() - W() * kListWidthShare));
    if (list.Width() > W() - kScrollBarWidth) list.Width(W() - kScrollBarWidth);
}

// Content more than an Integer taller than the heading cannot be scrolled: the heading
// clears itself instead of failing.
void Heading::ResetScrollBar() {
    FullReRaise(kSource.Method("ResetScrollBar"), [&] {
        try {
            ScrollBar.Visible(false);
            ScrollBar.Move(W() - kScrollBarWidth - kScrollBarInset, 0, kScrollBarWidth,
                           H() - kScrollBarInset);
            ScrollBar.Value(0);
            if (mlngTotalHeight > ToLong(H())) ApplyScrollRange();
            Reposition();
        } catch (...) {
            AutomationError error = CurrentError();
            if (error.Number() != err::Overflow) throw error;
            Clear();
        }
    });
}

void Heading::ApplyScrollRange() {
    const int32_t h = ToLong(H());
    ScrollBar.Max(ToInteger(static_cast<double>(mlngTotalHeight) - h));
    ScrollBar.SmallChange(kSmallChange);
    ScrollBar.LargeChange(ToInteger(h));
    ScrollBar.Visible(true);
}

void Heading::Paint() {
    FullReRaise(kSource.Method("Paint"), [&] {
        if (mblnLayoutBusy) return;
        {
            LayoutGuard guard(mblnLayoutBusy);
            ResetScrollBar();
            mblnBlank =
                wlText[0].Caption().empty() && mcolLists[0]->IsEmpty() && mintEntryUpper < 1;
            if (mblnBlank) ResetScrollBar();
        }
        if (mblnScrollBottom && ScrollBar.Visible()) ScrollBar.Value(ScrollBar.Max());
        ScrollArea.Refresh();
        Viewport.Refresh();
        UserControl.Refresh();
    });
}

// A size the constituents cannot take (380, 5) ends the resize quietly; the guard has
// cleared the busy flag by then.
void Heading::UserControl_Resize() {
    if (mblnLayoutBusy) return;
    Swallow(err::InvalidPropertyValue, [&] {
        Swallow(err::InvalidCall, [&] {
            SourceTrail(kResizeTrail, [&] {
                LayoutGuard guard(mblnLayoutBusy);
                Viewport.Move(0, 0, W(), H());
                ScrollArea.Move(0, 0, ToSingle(W() - kAreaInset), H());
                const bool wasVisible = ScrollBar.Visible();
                Reposition();
                ResetScrollBar();
                const float room = ScrollBar.Visible() ? kScrollBarWidth : 0;
                ScrollArea.Width(ToSingle(double{W()} - room - kAreaInset));
                if (ScrollBar.Visible() != wasVisible) Reposition();
            });
        });
    });
}

void Heading::ScrollBar_Change() {
    FullReRaise(kSource.Method("ScrollBar_Change"),
                [&] { ScrollArea.Top(-static_cast<float>(ScrollBar.Value())); });
}

// The scroll bar is worked with the mouse; the focus goes on to the focus holder.
void Heading::ScrollBar_GotFocus() {
    Focus1.Surface().SetFocus();
}

}  // namespace panelkit2
