#include "qt/qt_clock.hpp"

#include <algorithm>

namespace panelkit2::qt {

QtClock::QtClock() : mOwner(std::make_unique<QObject>()) {
    mElapsed.start();
}

QtClock::~QtClock() = default;

host::TimerId QtClock::StartTimer(int32_t intervalMs, std::function<void()> tick) {
    auto* timer = new QTimer(mOwner.get());
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(std::max(intervalMs, 1));
    QObject::connect(timer, &QTimer::timeout, timer, std::move(tick));
    timer->start();
    mcolTimers.emplace(++mlngLastId, timer);
    return mlngLastId;
}

// A tick may stop its own timer: the timer goes quiet at once and is deleted once the
// event loop has left its timeout.
void QtClock::StopTimer(host::TimerId id) {
    const auto found = mcolTimers.find(id);
    if (found == mcolTimers.end()) return;
    QTimer* timer = found->second;
    mcolTimers.erase(found);
    timer->stop();
    timer->disconnect();
    timer->deleteLater();
}

}  // namespace panelkit2::qt
