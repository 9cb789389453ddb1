#include "panelkit2/help/help.hpp"

#include "panelkit2/toolkit/window_system.hpp"

namespace panelkit2 {

namespace {
// Room around the label inside the popup: 50 on the left and top, 100 and 50 beyond it.
constexpr float kLabelInset = 50;
constexpr float kExtraWidth = 150;
constexpr float kExtraHeight = 100;
// Size of the window while it is prepared, pixels.
constexpr int32_t kPreparedSize = 100;
}  // namespace

Help::Help() {
    Class_Initialize();
}

Help::~Help() {
    Class_Terminate();
}

// The popup window exists, hidden, for the whole life of its owner.
void Help::Class_Initialize() {
    mfrmHelp = std::make_unique<frmHelp>();
    mfrmHelp->Hidden.Connect([this] { mfrmHelp_Hidden(); });
}

void Help::Class_Terminate() {
    mfrmHelp.reset();
}

bool Help::Visible() const {
    return mfrmHelp->Visible();
}

// Showing does not activate the popup: the control that asked for it keeps the focus.
void Help::Visible(bool value) {
    mfrmHelp->Visible(value);
}

std::string Help::Caption() const {
    return mfrmHelp->CaptionLabel().Caption();
}

void Help::Caption(std::string_view value) {
    mfrmHelp->CaptionLabel().Caption(std::string(value));
}

// The window is made top-most while still hidden, then sized around the label and hung
// below the anchor with its top edge at Y.
void Help::PopUpBalloon(std::string_view strText, int32_t X, int32_t Y) {
    host::win::SetWindowPos(mfrmHelp->WindowHandle(), true, 0, 0, kPreparedSize, kPreparedSize,
                            host::win::HideWindow | host::win::NoActivate);
    host::Label& label = mfrmHelp->CaptionLabel();
    label.Caption(std::string(strText));
    const float h = label.Height() + kExtraHeight;
    const float w = label.Width() + kExtraWidth;
    mfrmHelp->Move(static_cast<float>(X - double{w} / 2), static_cast<float>(Y), w, h);
    label.Move(kLabelInset, kLabelInset);
    Visible(true);
    EnableTimer();
}

void Help::HideBalloon() {
    DisableTimer();
    Visible(false);
}

void Help::EnableTimer() {
    mfrmHelp->HideTimer().Enabled(true);
}

void Help::DisableTimer() {
    mfrmHelp->HideTimer().Enabled(false);
}

void Help::SetTimer(int16_t interval) {
    mfrmHelp->HideTimer().Interval(interval);
}

void Help::mfrmHelp_Hidden() {
    HideBalloon();
}

}  // namespace panelkit2
