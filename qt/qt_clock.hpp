#pragma once

// Real time and timers on the Qt event loop.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <unordered_map>

#include "panelkit2/toolkit/clock.hpp"

namespace panelkit2::qt {

class QtClock : public host::Clock {
  public:
    QtClock();
    ~QtClock() override;

    int64_t NowMs() const override { return mElapsed.elapsed(); }
    host::TimerId StartTimer(int32_t intervalMs, std::function<void()> tick) override;
    void StopTimer(host::TimerId id) override;
    size_t ActiveTimers() const { return mcolTimers.size(); }

  private:
    QElapsedTimer mElapsed;
    // Parent of every timer: timers still running when the clock goes die with it.
    std::unique_ptr<QObject> mOwner;
    std::unordered_map<host::TimerId, QTimer*> mcolTimers;
    host::TimerId mlngLastId = 0;
};

}  // namespace panelkit2::qt
