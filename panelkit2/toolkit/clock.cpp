#include "panelkit2/toolkit/clock.hpp"

#include <algorithm>

namespace panelkit2::host {

TimerId VirtualClock::StartTimer(int32_t intervalMs, std::function<void()> tick) {
    // A timer fires at most once per millisecond of virtual time.
    const int32_t interval = std::max(intervalMs, 1);
    mcolTimers.emplace(++mlngLastId, Entry{interval, mlngNow + interval, std::move(tick)});
    return mlngLastId;
}

void VirtualClock::StopTimer(TimerId id) {
    mcolTimers.erase(id);
}

void VirtualClock::Advance(int64_t ms) {
    const int64_t end = mlngNow + std::max<int64_t>(ms, 0);
    for (;;) {
        // The earliest due timer; ties go to the older timer.
        auto next = mcolTimers.end();
        for (auto it = mcolTimers.begin(); it != mcolTimers.end(); ++it)
            if (it->second.due <= end &&
                (next == mcolTimers.end() || it->second.due < next->second.due))
                next = it;
        if (next == mcolTimers.end()) break;
        mlngNow = next->second.due;
        next->second.due += next->second.interval;
        // The tick may stop this or other timers: keep a copy of the handler.
        auto tick = next->second.tick;
        tick();
    }
    mlngNow = end;
}

}  // namespace panelkit2::host
