#pragma once

// A periodic timer on the host's clock. It runs while Enabled and Interval > 0, counting
// from the moment it was last switched on or its Interval changed; it stops for good when
// destroyed. Its event is the timer event, Tick (a member cannot share its class's name).

#include <cstdint>
#include <string>

#include "panelkit2/toolkit/clock.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class Timer : public Widget {
  public:
    Timer(Widget* parent, std::string name);
    ~Timer() override;

    int32_t Interval() const noexcept { return mlngInterval; }
    // Milliseconds, 0 switches the timer off; negative or above 65535: error 380.
    void Interval(int32_t value);
    // Switched on, on the host's current clock.
    bool Running() const noexcept;

    void CopyDesignFrom(const Widget& source) override;

    Signal<> Tick;

  protected:
    void OnEnabledChanged() override { Restart(); }

  private:
    void Restart();
    void Stop();

    int32_t mlngInterval = 0;
    TimerId mTimerId = 0;
    // The clock the timer runs on: a host that changed clocks meanwhile has dropped it.
    Clock* mClock = nullptr;
};

}  // namespace panelkit2::host
