#pragma once

// The toolkit's process-wide services: text metrics, twips per pixel, clock, message boxes,
// the window registry (handles, parents, the desktop), the input focus and the window
// messages that a message hook observes. Headless by default; a view replaces services.

#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "panelkit2/toolkit/clock.hpp"
#include "panelkit2/toolkit/message_box.hpp"
#include "panelkit2/toolkit/signal.hpp"
#include "panelkit2/toolkit/text_metrics.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

// Window messages the toolkit reports to hooks.
namespace msg {
inline constexpr int32_t Move = 3;
inline constexpr int32_t ActivateApp = 28;
inline constexpr int32_t LeftButtonDown = 513;
inline constexpr int32_t LeftButtonDoubleClick = 515;
}  // namespace msg

class Host {
  public:
    static Host& Current();
    // Back to a fresh headless host: virtual clock at 0, recorded message boxes, headless
    // metrics, 15 twips per pixel. Widgets that are alive keep working.
    void ResetServices();

    const TextMetrics& Metrics() const { return *mMetrics; }
    void UseMetrics(std::shared_ptr<TextMetrics> metrics);
    Clock& TheClock() { return *mClock; }
    void UseClock(std::shared_ptr<Clock> clock);
    // The virtual clock when the host runs headless, otherwise nullptr.
    VirtualClock* TheVirtualClock() { return mVirtualClock; }
    MessageBoxService& MessageBoxes() { return *mMessageBoxes; }
    void UseMessageBoxes(std::shared_ptr<MessageBoxService> boxes);
    // The headless recorder, otherwise nullptr.
    RecordedMessageBoxes* TheRecordedMessageBoxes() { return mRecorded; }

    float TwipsPerPixelX() const { return msngTwipsPerPixelX; }
    float TwipsPerPixelY() const { return msngTwipsPerPixelY; }
    void SetTwipsPerPixel(float x, float y);

    // Window registry.
    Hwnd DesktopWindow() const { return kDesktop; }
    Widget* FromHandle(Hwnd hwnd) const;
    // The parent window, the desktop for a top-level widget, 0 for an unknown handle.
    Hwnd ParentWindow(Hwnd hwnd) const;

    Widget* Focused() const { return mFocused; }
    void Focus(Widget* widget);
    // Every move of the focus (from, to), after the old widget's LostFocus and before the new
    // one's GotFocus: forms follow it to tell when the focus leaves them.
    Signal<Widget*, Widget*> FocusMoved;

    // Window-system input: a top-level window moved, the application lost or regained
    // the activation. Each is reported as a window message.
    void MoveWindow(Widget& window, float left, float top);
    void DeactivateApplication();
    void ActivateApplication();
    std::vector<Hwnd> TopLevelWindows() const;
    // hwnd, message, wParam, lParam
    Signal<Hwnd, int32_t, int32_t, int32_t> WindowMessage;

    // For views: every widget that comes and goes.
    Signal<Widget&> WidgetCreated;
    Signal<Widget&> WidgetDestroyed;

    // Runs `forget` when `widget` is destroyed, for a widget that refers to another. Found
    // by the widget, so a page of thousands of such pairs is torn down in linear time.
    using WatchId = uint32_t;
    WatchId WatchDestruction(const Widget& widget, std::function<void()> forget);
    void Unwatch(const Widget& widget, WatchId id);

  private:
    friend class Widget;
    Host();
    Hwnd Register(Widget* widget);
    void Unregister(Widget* widget);

    static constexpr Hwnd kDesktop = 1;
    std::shared_ptr<TextMetrics> mMetrics;
    std::shared_ptr<Clock> mClock;
    VirtualClock* mVirtualClock = nullptr;
    std::shared_ptr<MessageBoxService> mMessageBoxes;
    RecordedMessageBoxes* mRecorded = nullptr;
    float msngTwipsPerPixelX = 15;
    float msngTwipsPerPixelY = 15;
    // Handles only grow, so the registry is a vector in handle order: registering appends,
    // unregistering empties the widget's own slot, and vacant slots are swept out once they
    // are half of them.
    // No allocation per window, and the top-level windows come out in order.
    struct Window {
        Hwnd hwnd;
        Widget* widget;  // nullptr: unregistered
    };
    std::vector<Window>::const_iterator FindWindow(Hwnd hwnd) const;
    std::vector<Window> mcolWindows;
    std::size_t mlngVacant = 0;
    Hwnd mLastHwnd = kDesktop;
    Widget* mFocused = nullptr;
    struct Watch {
        WatchId id;
        std::function<void()> forget;
    };
    void RunWatches(const Widget& widget);
    std::unordered_map<const Widget*, std::vector<Watch>> mcolWatches;
    WatchId mlngLastWatch = 0;
};

}  // namespace panelkit2::host
