#pragma once

// Time and timers. Headless, time is virtual: it moves only when a test or host advances it,
// and due timers fire in order of their due time as it passes.

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace panelkit2::host {

using TimerId = uint32_t;

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t NowMs() const = 0;
    // A periodic timer: `tick` runs every `intervalMs` until stopped.
    virtual TimerId StartTimer(int32_t intervalMs, std::function<void()> tick) = 0;
    virtual void StopTimer(TimerId id) = 0;
};

class VirtualClock : public Clock {
  public:
    int64_t NowMs() const override { return mlngNow; }
    TimerId StartTimer(int32_t intervalMs, std::function<void()> tick) override;
    void StopTimer(TimerId id) override;
    // Moves time forward by `ms`, firing every timer that falls due on the way.
    void Advance(int64_t ms);
    size_t ActiveTimers() const { return mcolTimers.size(); }

  private:
    struct Entry {
        int32_t interval;
        int64_t due;
        std::function<void()> tick;
    };
    int64_t mlngNow = 0;
    TimerId mlngLastId = 0;
    std::map<TimerId, Entry> mcolTimers;
};

}  // namespace panelkit2::host
