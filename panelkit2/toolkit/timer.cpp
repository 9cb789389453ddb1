#include "panelkit2/toolkit/timer.hpp"

#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

Timer::Timer(Widget* parent, std::string name)
    : Widget(WidgetKind::Timer, parent, std::move(name)) {}

Timer::~Timer() {
    Stop();
}

void Timer::Interval(int32_t value) {
    if (value < 0 || value > 65535) RaiseStandard(err::InvalidPropertyValue);
    if (value == mlngInterval) return;
    mlngInterval = value;
    Restart();
}

bool Timer::Running() const noexcept {
    return mTimerId != 0 && mClock == &Host::Current().TheClock();
}

void Timer::Stop() {
    if (mTimerId == 0) return;
    Clock& clock = Host::Current().TheClock();
    if (&clock == mClock) clock.StopTimer(mTimerId);
    mTimerId = 0;
    mClock = nullptr;
}

void Timer::Restart() {
    Stop();
    if (!Enabled() || mlngInterval == 0) return;
    mClock = &Host::Current().TheClock();
    mTimerId = mClock->StartTimer(mlngInterval, [this] { Raise(Tick); });
}

void Timer::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    if (const auto* timer = dynamic_cast<const Timer*>(&source)) Interval(timer->mlngInterval);
}

}  // namespace panelkit2::host
