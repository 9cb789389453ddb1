#pragma once

// The help popup: a borderless top-level window holding one label on a pale yellow ground.
// It hides itself when its timer ticks or when it loses the focus, and says so with Hidden.

#include "panelkit2/toolkit/form.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/signal.hpp"
#include "panelkit2/toolkit/timer.hpp"

namespace panelkit2 {

class frmHelp : public host::Form {
  public:
    // Red 255, green 255, blue 192.
    static constexpr host::OleColor kBalloonColor = 0x00C0FFFF;
    static constexpr int32_t kDesignInterval = 2500;

    frmHelp();

    host::Label& CaptionLabel() { return lblCaption; }
    host::Timer& HideTimer() { return Timer1; }

    // Raised when the form hid itself (timer tick or loss of focus).
    host::Signal<> Hidden;

  private:
    void Timer1_Timer();
    void Form_LostFocus();

    host::Label lblCaption;
    host::Timer Timer1;
};

}  // namespace panelkit2
