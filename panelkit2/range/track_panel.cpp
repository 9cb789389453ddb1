#include "panelkit2/range/track_panel.hpp"

#include <algorithm>

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
// Room the caption keeps beside it when it widens the control.
constexpr float kCaptionRoom = 300;
// Help popups hang this far above the track.
constexpr float kHelpGap = 200;
constexpr float kMinLayoutWidth = 100;
constexpr float kLaidOutHeight = 1215;
constexpr float kTrackLeft = 300;
constexpr float kTrackTop = 240;
constexpr float kTrackHeight = 450;
constexpr float kThirdsTop = 750;
constexpr float kEndCaptionTop = 800;
constexpr float kTickCaptionTop = 820;
constexpr float kCaptionLeft = 100;
}  // namespace

TrackPanel::TrackPanel(std::string name, const Design& design, const Look& look)
    : OptionControl(std::move(name), design),
      vseFrame(&UserControl, "vseFrame"),
      Slide_(&vseFrame, "Slide"),
      lblTickCaption(&vseFrame, "lblTickCaption"),
      wlTickCaption(&vseFrame, "wlTickCaption"),
      wlMin(&vseFrame, "wlMin"),
      wlMax(&vseFrame, "wlMax"),
      wlCaption(&vseFrame, "wlCaption"),
      mLook(look) {
    vseFrame.Move(0, 0, float(kInitialWidth), kInitialHeight);
    Slide_.Move(kTrackLeft, kTrackTop, float(kInitialWidth) - 2 * kTrackLeft, kTrackHeight);
    wlMin.Visible(false);
    wlMax.Visible(false);
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
}

// --- Caption -----------------------------------------------------------------------------

std::string TrackPanel::Caption() const {
    return CaptionOf(wlCaption);
}

// The label takes the one-line width of the caption, so a caption wider than the control
// widens it (and the width it asks for) by the caption's room.
void TrackPanel::Caption(std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        SizeToText(wlCaption, value);
        wlCaption.ToolTipText(std::string(value));
        vseFrame.ToolTipText(std::string(value));
        if (mLook.hidesEmptyCaption) wlCaption.Visible(!value.empty());
        const float needed = wlCaption.Width() + kCaptionRoom;
        if (needed > UserControl.Width()) {
            vseFrame.Width(needed);
            UserControl.Width(needed);
        }
        mlngDesiredWidth = ToLong(UserControl.Width());
    });
}

// --- Help --------------------------------------------------------------------------------

std::vector<EventDef> TrackPanel::HelpEvents() {
    return {
        Event(Events::HelpPop, "HelpPop",
              {ByRef("strHelp", VarType::String), ByRef("X", VarType::Long),
               ByRef("Y", VarType::Long)}),
        Event(Events::Hidepop, "Hidepop", {}),
    };
}

void TrackPanel::OfferHelp(std::string help, double x) {
    const float helpHeight = UserControl.TextHeight(help);
    Variant args[] = {
        Variant(help),
        Variant(ToLong(x)),
        Variant(ToLong(double(Slide_.Top()) - helpHeight - kHelpGap)),
    };
    RaiseEvent(Events::HelpPop, Args(args, 3));
    Slide_.Text(std::move(help));
}

void TrackPanel::WithdrawHelp(std::string hint) {
    RaiseEvent(Events::Hidepop, {});
    Slide_.Text(std::move(hint));
}

// --- Layout ------------------------------------------------------------------------------

void TrackPanel::UserControl_Resize() {
    if (mblnLayoutBusy) return;
    LayoutGuard guard(mblnLayoutBusy);
    const float width = UserControl.Width();
    if (width < kMinLayoutWidth) return;
    UserControl.Height(kLaidOutHeight);
    vseFrame.Move(0, mLook.panelAtTop ? 0 : vseFrame.Top(), width, kLaidOutHeight);
    Slide_.Move(kTrackLeft, kTrackTop, std::max(width - 2 * kTrackLeft, 0.0f));
    LayOutTickCaption(width / 3);
    LayOutEndCaptions(width);
    LayOutCaption(width);
}

// Centred in the middle third, or filling it when wider.
void TrackPanel::LayOutTickCaption(float third) {
    lblTickCaption.Move(third, kThirdsTop, third);
    if (wlTickCaption.Width() > lblTickCaption.Width()) {
        wlTickCaption.Move(lblTickCaption.Left(), kTickCaptionTop, lblTickCaption.Width());
        wlTickCaption.Reflow();
    } else {
        wlTickCaption.Move(
            lblTickCaption.Left() + (lblTickCaption.Width() - wlTickCaption.Width()) / 2,
            kTickCaptionTop);
    }
}

// Each end caption centred in its third, or filling the third (less a margin) when wider.
// A caption narrowed once gets its one-line width back first.
void TrackPanel::LayOutEndCaptions(float width) {
    const float third = width / 3;
    SizeToText(wlMin, wlMin.Caption());
    if (wlMin.Width() > third - 240) {
        wlMin.Move(240, kEndCaptionTop, std::max(third - 240, 0.0f));
        wlMin.Reflow();
    } else {
        wlMin.Move((third - wlMin.Width()) / 2, kEndCaptionTop);
    }
    SizeToText(wlMax, wlMax.Caption());
    if (wlMax.Width() > third - 480) {
        wlMax.Move(2 * third + 360, kEndCaptionTop, std::max(third - 480, 0.0f));
        wlMax.Reflow();
    } else {
        wlMax.Move(width - (wlMax.Width() + third) / 2, kEndCaptionTop);
    }
}

// A caption too wide for the control wraps inside it; one that fits shows in full.
void TrackPanel::LayOutCaption(float width) {
    if (wlCaption.Width() + 2 * kCaptionLeft > width) {
        if (width > 2 * kCaptionLeft) wlCaption.Move(kCaptionLeft, 0, width - 2 * kCaptionLeft);
        wlCaption.Reflow();
    } else {
        wlCaption.Move(kCaptionLeft, 0);
        SizeToText(wlCaption, wlCaption.ToolTipText());
        if (mLook.hidesEmptyCaption) wlCaption.Visible(!wlCaption.Caption().empty());
    }
}

void TrackPanel::Paint() {
    if (mblnLayoutBusy) return;
    UserControl.Height(vseFrame.Height());
    UserControl.Width(vseFrame.Width());
    vseFrame.Move(0, 0);
    Redraw();
}

// --- Persistence -------------------------------------------------------------------------

void TrackPanel::WriteSize(host::PropertyBag& bag) const {
    bag.WriteProperty("Height", UserControl.Height(), kInitialHeight);
    bag.WriteProperty("Width", UserControl.Width(), float(kInitialWidth));
}

void TrackPanel::ReadSize(host::PropertyBag& bag) {
    UserControl.Height(bag.ReadProperty("Height", kInitialHeight).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", float(kInitialWidth)).AsSingle());
}

}  // namespace panelkit2
