#pragma once

// The re-entrance guard of a control's own layout: a control changing its own size raises
// its resize event at once, and the nested run must return immediately. The guard clears
// the flag however the layout ends, so a failure cannot leave the control frozen.

namespace panelkit2 {

class LayoutGuard {
  public:
    explicit LayoutGuard(bool& flag) : mblnFlag(flag) { mblnFlag = true; }
    ~LayoutGuard() { mblnFlag = false; }
    LayoutGuard(const LayoutGuard&) = delete;
    LayoutGuard& operator=(const LayoutGuard&) = delete;

  private:
    bool& mblnFlag;
};

}  // namespace panelkit2
