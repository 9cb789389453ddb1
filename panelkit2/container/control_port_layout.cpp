// ControlPort: the vertical layout (a stack of the controls added, centred when it fits),
// list-height sharing, the scroll bar, and the reactions to resizing and scrolling.

#include <cmath>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/container/child_members.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/layout_numbers.hpp"
#include "panelkit2/container/member_cache.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {

constexpr double kLeftMargin = 50;
constexpr double kGap = 100;
constexpr int32_t kFirstTop = 100;
constexpr double kBottomReserve = 100;
constexpr float kLoneTextAreaReserve = 300;
constexpr int16_t kSmallChange = 305;
constexpr double kOvershoot = 100;
constexpr double kScrollBarGap = 50;
constexpr float kOutOfSight = -5000;

int16_t KindOf(Dispatchable& ctl) {
    return child::GetInteger(ctl, "CtlID");
}

bool IsKind(int16_t kind, ControlID id) {
    return kind == static_cast<int16_t>(id);
}

// Lays the controls out from `y` downwards, one gap apart; returns the y below the last.
int32_t StackFrom(host::Collection& controls, int32_t y, double topOffset) {
    for (int32_t i = 1; i <= controls.Count(); ++i) {
        const ObjectRef ctlRef = child::At(controls, i);
        Dispatchable& ctl = *ctlRef;
        child::Let(ctl, "Top", ToSingle(y + topOffset));
        y = RoundedLong(y + kGap + child::GetSingle(ctl, "Height"));
    }
    return y;
}

}  // namespace

double ControlPort::ScrollRoom(bool scrolls) const {
    return scrolls ? ScrollBar.Width() + kScrollBarGap : 0.0;
}

int32_t ControlPort::Bottom() const {
    return RoundedLong(H());
}

bool ControlPort::Position() {
    MemberCache::Scope names;
    return SourceTrail("|PanelKit2.ControlPort::Position", [&] {
        if (CtlVisible().Count() == 0 && CtlCommand().Count() == 0) return false;
        const bool wasVisible = ScrollBar.Visible();
        HideControls();
        int32_t otherKinds = 0;
        for (int16_t kind = 0; kind < kControlIDCount; ++kind)
            if (!IsKind(kind, ControlID::CommandButton) && mintAdded[static_cast<size_t>(kind)])
                ++otherKinds;
        const bool commands = AnyAdded(ControlID::CommandButton);
        if (otherKinds == 0 && !commands) return false;
        {
            LayoutGuard guard(mblnLayoutBusy);
            ScrollBar.Value(0);
            ScrollBar.Visible(false);
            ScrollArea.Width(W());
        }
        if (!Viewport.Visible()) {
            host::Collection& visible = CtlVisible();
            for (int32_t i = 1; i <= visible.Count(); ++i)
                child::Move(*child::At(visible, i), kOutOfSight, kOutOfSight);
            return true;
        }
        if (!commands) mlngCommandHeight = 0;
        PositionStack();
        if (AnyAdded(ControlID::List) || AnyAdded(ControlID::MultiList)) {
            FitLists();
            PositionStack();
        }
        // The scroll bar was hidden above, so the stack may now be measured without it.
        if (wasVisible) PositionStack();
        PositionLeft();
        if (commands) PositionCommand();
        ResetScrollBar();
        ScrollToTop();
        return true;
    });
}

void ControlPort::PositionStack() {
    MemberCache::Scope names;
    FullReRaise(kSource.Method("PositionStack"), [&] {
        host::Collection& visible = CtlVisible();
        const int32_t n = visible.Count();
        if (n == 0) return;
        if (n == 1 && IsKind(KindOf(*child::At(visible, 1)), ControlID::TextArea))
            child::Let(*child::At(visible, 1), "Height", H() - kLoneTextAreaReserve);
        int32_t y = kFirstTop;
        for (int32_t i = 1; i <= n; ++i) {
            const ObjectRef ctlRef = child::At(visible, i);
            Dispatchable& ctl = *ctlRef;
            child::Let(ctl, "Top", y);
            y = RoundedLong(y + kGap + child::GetSingle(ctl, "Height"));
            child::Let(ctl, "TabIndex", IntegerPosition(i - 1));
        }
        // The command buttons' heights count, their places are PositionCommand's.
        host::Collection& commands = CtlCommand();
        for (int32_t i = 1; i <= commands.Count(); ++i)
            y = RoundedLong(y + kGap + child::GetSingle(*child::At(commands, i), "Height"));
        ScrollArea.Height(static_cast<float>(y));
        mlngStackHeight = y;
        mlngBottom = y;
        if (H() - kBottomReserve > y) PositionTop();
    });
}

// Centres the stack (and the command block below it) when everything fits.
void ControlPort::PositionTop() {
    MemberCache::Scope names;
    FullReRaise(kSource.Method("PositionTop"), [&] {
        host::Collection& visible = CtlVisible();
        if (visible.Count() == 0) return;
        const double content = static_cast<double>(mlngStackHeight) + mlngCommandHeight;
        if (H() - kBottomReserve < content) return;
        int32_t y = 0;
        if (AnyAdded(ControlID::CommandButton)) {
            if (!mblnCommandsPlaced) PositionCommand();
            y = RoundedLong(H() / 2.0 -
                            (static_cast<double>(mlngStackHeight) + mlngCommandHeight) / 2 - kGap);
            if (y < 0) return;
        } else {
            y = RoundedLong(H() / 2.0 - mlngBottom / 2.0);
        }
        y = StackFrom(visible, y, kGap);
        ScrollArea.Height(ToSingle(y - kGap));
        mlngBottom = RoundedLong(ScrollArea.Height());
        Paint();
    });
}

// Appends the control created last under the content, for hosts adding fields one by one.
int32_t ControlPort::PositionLast() {
    return FullReRaise(kSource.Method("PositionLast"), [&] {
        host::Collection& all = Ctl();
        if (all.Count() == 0) return int32_t{0};
        const double r = ScrollRoom(mlngBottom > H());
        const ObjectRef last = child::At(all, all.Count());
        CtlVisible().Add(last);
        child::Move(*last, kLeftMargin, mlngBottom + kLeftMargin, W() - 2 * kLeftMargin - r);
        const int32_t newBottom =
            RoundedLong(mlngBottom + kLeftMargin + child::GetSingle(*last, "Height"));
        child::Let(*last, "Visible", true);
        mlngBottom = newBottom;
        if (H() < newBottom) ScrollArea.Height(static_cast<float>(newBottom));
        Paint();
        return newBottom;
    });
}

// Shares the free (or missing) height among the lists; a list shorter than its share of
// the height to take away keeps its height.
void ControlPort::FitLists() {
    const int32_t lists = mintAdded[static_cast<size_t>(ControlID::List)] +
                          mintAdded[static_cast<size_t>(ControlID::MultiList)];
    if (lists == 0) return;
    int32_t share = RoundedLong(std::fabs(H() - static_cast<double>(mlngStackHeight)) / lists);
    if (H() < mlngStackHeight) share = -share;
    host::Collection& visible = CtlVisible();
    for (int32_t i = 1; i <= visible.Count(); ++i) {
        const ObjectRef ctlRef = child::At(visible, i);
        Dispatchable& ctl = *ctlRef;
        const int16_t kind = KindOf(ctl);
        if (!IsKind(kind, ControlID::List) && !IsKind(kind, ControlID::MultiList)) continue;
        const float height = child::GetSingle(ctl, "Height");
        if (std::abs(share) < height)
            child::Let(ctl, "Height", ToSingle(static_cast<double>(height) + share));
    }
}

// The container shows a border exactly while it scrolls.
void ControlPort::ResetScrollBar() {
    FullReRaise(kSource.Method("ResetScrollBar"), [&] {
        const int32_t h = RoundedLong(H());
        if (mlngBottom > h) {
            ScrollBar.Min(0);
            ScrollBar.Max(ToInteger(static_cast<double>(mlngBottom) - h + kOvershoot));
            ScrollBar.SmallChange(kSmallChange);
            ScrollBar.LargeChange(ToInteger(h));
            ScrollBar.Visible(true);
            Border(true);
            return;
        }
        {
            LayoutGuard guard(mblnLayoutBusy);
            Border(false);
            ScrollToTop();
            ScrollBar.Visible(false);
        }
        PositionTop();
    });
}

// The page follows the bar even while the busy flag keeps ScrollBar_Change quiet: a page
// left scrolled under a bar at the top would hide its first controls.
void ControlPort::ScrollToTop() {
    ScrollBar.Value(0);
    ScrollArea.Top(0);
}

void ControlPort::ScrollBar_Change() {
    if (mblnLayoutBusy) return;
    ScrollArea.Top(-static_cast<float>(ScrollBar.Value()));
    HideAllPopUps();
}

// The keyboard focus goes to the page, not to the scroll bar: the bar is worked with the
// mouse, and a focused bar would take the arrow keys from the controls.
void ControlPort::ScrollBar_GotFocus() {
    UserControl.SetFocus();
}

void ControlPort::Paint() {
    FullReRaise(kSource.Method("Paint"), [&] {
        if (mblnLayoutBusy) return;
        {
            LayoutGuard guard(mblnLayoutBusy);
            if (H() > mlngBottom) ScrollArea.Height(H());
        }
        ScrollArea.Refresh();
        Viewport.Refresh();
        UserControl.Refresh();
    });
}

void ControlPort::UserControl_Resize() {
    MemberCache::Scope names;
    if (mblnLayoutBusy) return;
    // An invalid size (error 380) ends the resize quietly; the guard clears the busy flag on
    // every exit, so later resizes still work.
    Swallow(err::InvalidPropertyValue, [&] {
        FullReRaise(kSource.Method("UserControl_Resize"), [&] {
            LayoutGuard guard(mblnLayoutBusy);
            HideAllPopUps();
            HideControls();
            const double content = static_cast<double>(mlngStackHeight) + mlngCommandHeight;
            const double r = ScrollRoom(content > H());
            ResetScrollBar();
            ScrollArea.Width(ToSingle(W() - r));
            Viewport.Move(0, 0, ToSingle(W() - r), H());
            bool changed = false;
            if (H() != mlngLastHeight) {
                if (content > H())
                    PositionStack();
                else
                    PositionTop();
                mlngLastHeight = RoundedLong(H());
                ResetScrollBar();
                changed = true;
            }
            if (W() != mlngLastWidth) {
                PositionLeft();
                mlngLastWidth = RoundedLong(W());
                changed = true;
            }
            if (CtlCommand().Count() > 0 && changed) Position();
            ScrollArea.Refresh();
            Viewport.Refresh();
            ScrollBar.Move(ToSingle(W() - ScrollBar.Width() - kScrollBarGap), 0, ScrollBar.Width(),
                           ToSingle(H() - kScrollBarGap));
            ShowControls();
            UserControl.Refresh();
        });
    });
}

}  // namespace panelkit2
