#pragma once

// Help: the help popup of a container, shown next to a slider's thumb at screen
// coordinates and hidden by its timer, by a loss of focus or on request. Private to the
// library (no program identifier is registered), yet reachable late-bound through its
// interface for a container that prefers that.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/help/frm_help.hpp"

namespace panelkit2 {

class Help : public Dispatchable {
  public:
    Help();
    ~Help() override;
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    bool Visible() const;
    void Visible(bool value);
    std::string Caption() const;
    void Caption(std::string_view value);

    // Shows strText in the popup, centred horizontally on X with its top edge at Y (screen
    // twips), and starts the timer that hides it.
    void PopUpBalloon(std::string_view strText, int32_t X, int32_t Y);
    void HideBalloon();
    void EnableTimer();
    void DisableTimer();
    // Milliseconds; outside 0..65535 error 380 (0 stops the timer).
    void SetTimer(int16_t interval);

    frmHelp& PopupForm() { return *mfrmHelp; }

  private:
    void Class_Initialize();
    void Class_Terminate();
    void mfrmHelp_Hidden();

    std::unique_ptr<frmHelp> mfrmHelp;
};

}  // namespace panelkit2
