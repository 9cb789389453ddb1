#include "panelkit2/toolkit/host.hpp"

#include <algorithm>
#include <utility>

namespace panelkit2::host {

Host& Host::Current() {
    static Host host;
    return host;
}

Host::Host() {
    ResetServices();
}

void Host::ResetServices() {
    UseMetrics(std::make_shared<HeadlessTextMetrics>());
    UseClock(std::make_shared<VirtualClock>());
    UseMessageBoxes(std::make_shared<RecordedMessageBoxes>());
    SetTwipsPerPixel(15, 15);
}

void Host::UseMetrics(std::shared_ptr<TextMetrics> metrics) {
    mMetrics = std::move(metrics);
}

void Host::UseClock(std::shared_ptr<Clock> clock) {
    mClock = std::move(clock);
    mVirtualClock = dynamic_cast<VirtualClock*>(mClock.get());
}

void Host::UseMessageBoxes(std::shared_ptr<MessageBoxService> boxes) {
    mMessageBoxes = std::move(boxes);
    mRecorded = dynamic_cast<RecordedMessageBoxes*>(mMessageBoxes.get());
}

void Host::SetTwipsPerPixel(float x, float y) {
    msngTwipsPerPixelX = x;
    msngTwipsPerPixelY = y;
}

Hwnd Host::Register(Widget* widget) {
    const Hwnd hwnd = ++mLastHwnd;
    widget->mlngRegistrySlot = mcolWindows.size();
    mcolWindows.push_back({hwnd, widget});
    WidgetCreated.Emit(*widget);
    return hwnd;
}

void Host::Unregister(Widget* widget) {
    if (mFocused == widget) mFocused = nullptr;
    WidgetDestroyed.Emit(*widget);
    if (!mcolWatches.empty()) RunWatches(*widget);
    const std::size_t slot = widget->mlngRegistrySlot;
    if (slot >= mcolWindows.size() || mcolWindows[slot].widget != widget) return;
    mcolWindows[slot].widget = nullptr;
    if (++mlngVacant * 2 > mcolWindows.size()) {
        std::erase_if(mcolWindows, [](const Window& window) { return !window.widget; });
        for (std::size_t i = 0; i < mcolWindows.size(); ++i)
            mcolWindows[i].widget->mlngRegistrySlot = i;
        mlngVacant = 0;
    }
}

Host::WatchId Host::WatchDestruction(const Widget& widget, std::function<void()> forget) {
    mcolWatches[&widget].push_back({++mlngLastWatch, std::move(forget)});
    return mlngLastWatch;
}

void Host::Unwatch(const Widget& widget, WatchId id) {
    const auto found = mcolWatches.find(&widget);
    if (found == mcolWatches.end()) return;
    std::erase_if(found->second, [id](const Watch& watch) { return watch.id == id; });
    if (found->second.empty()) mcolWatches.erase(found);
}

// The watches leave the table before they run: one may watch or unwatch again.
void Host::RunWatches(const Widget& widget) {
    const auto found = mcolWatches.find(&widget);
    if (found == mcolWatches.end()) return;
    const std::vector<Watch> watches = std::move(found->second);
    mcolWatches.erase(found);
    for (const Watch& watch : watches) watch.forget();
}

std::vector<Host::Window>::const_iterator Host::FindWindow(Hwnd hwnd) const {
    const auto found =
        std::lower_bound(mcolWindows.begin(), mcolWindows.end(), hwnd,
                         [](const Window& window, Hwnd key) { return window.hwnd < key; });
    return found != mcolWindows.end() && found->hwnd == hwnd ? found : mcolWindows.end();
}

Widget* Host::FromHandle(Hwnd hwnd) const {
    const auto found = FindWindow(hwnd);
    return found == mcolWindows.end() ? nullptr : found->widget;
}

Hwnd Host::ParentWindow(Hwnd hwnd) const {
    const Widget* widget = FromHandle(hwnd);
    if (!widget) return 0;
    return widget->Parent() ? widget->Parent()->WindowHandle() : kDesktop;
}

void Host::Focus(Widget* widget) {
    if (widget == mFocused) return;
    Widget* previous = mFocused;
    mFocused = widget;
    if (previous) {
        previous->LostFocus.Emit();
        previous->NotifyChanged(WidgetProperty::Focus);
    }
    FocusMoved.Emit(previous, widget);
    // A LostFocus handler may have moved the focus elsewhere already.
    if (widget && mFocused == widget) {
        widget->GotFocus.Emit();
        widget->NotifyChanged(WidgetProperty::Focus);
    }
}

void Host::MoveWindow(Widget& window, float left, float top) {
    window.Move(left, top);
    WindowMessage.Emit(window.WindowHandle(), msg::Move, 0, 0);
}

std::vector<Hwnd> Host::TopLevelWindows() const {
    std::vector<Hwnd> windows;
    for (const Window& window : mcolWindows)
        if (window.widget && !window.widget->Parent()) windows.push_back(window.hwnd);
    return windows;
}

// The activation message goes to every top-level window of the application.
void Host::DeactivateApplication() {
    for (Hwnd hwnd : TopLevelWindows()) WindowMessage.Emit(hwnd, msg::ActivateApp, 0, 0);
}

void Host::ActivateApplication() {
    for (Hwnd hwnd : TopLevelWindows()) WindowMessage.Emit(hwnd, msg::ActivateApp, 1, 0);
}

}  // namespace panelkit2::host
