#include "panelkit2/help/frm_help.hpp"

namespace panelkit2 {

frmHelp::frmHelp() : host::Form("frmHelp"), lblCaption(this, "lblCaption"), Timer1(this, "Timer1") {
    BackColor(kBalloonColor);
    lblCaption.BackColor(kBalloonColor);
    // The label sizes itself to the text; the popup is sized around the label.
    lblCaption.AutoSize(true);
    lblCaption.Caption("Label1");
    // Switched on only while a popup is shown.
    Timer1.Enabled(false);
    Timer1.Interval(kDesignInterval);
    Timer1.Tick.Connect([this] { Timer1_Timer(); });
    LostFocus.Connect([this] { Form_LostFocus(); });
}

void frmHelp::Timer1_Timer() {
    Visible(false);
    Timer1.Enabled(false);
    Hidden.Emit();
}

// A form being hidden loses the focus as a consequence; only a visible form that loses the
// focus (the user went elsewhere) hides itself, so one hiding is reported once.
void frmHelp::Form_LostFocus() {
    if (!Visible()) return;
    Visible(false);
    Hidden.Emit();
}

}  // namespace panelkit2
