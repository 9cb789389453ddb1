#pragma once

// A track bar: a thumb on a horizontal track of integer positions Min..Max. The value never
// leaves the range; an assignment that changes it raises Change, as a settled drag does.
// Min may not pass Max (error 380): callers widen the range before moving its other end.

#include <cstdint>
#include <string>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/toolkit/extender.hpp"
#include "panelkit2/toolkit/signal.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

namespace slider_id {
inline constexpr DispId Value = 0;
inline constexpr DispId Min = 1;
inline constexpr DispId Max = 2;
inline constexpr DispId SmallChange = 3;
inline constexpr DispId LargeChange = 4;
inline constexpr DispId TickFrequency = 5;
inline constexpr DispId Text = 6;
inline constexpr DispId TickCount = 7;
inline constexpr DispId Refresh = -550;
}  // namespace slider_id

class Slider : public Widget, public Dispatchable {
  public:
    // Key codes the track answers to.
    static constexpr int16_t KeyPageUp = 33;
    static constexpr int16_t KeyPageDown = 34;
    static constexpr int16_t KeyEnd = 35;
    static constexpr int16_t KeyHome = 36;
    static constexpr int16_t KeyLeft = 37;
    static constexpr int16_t KeyUp = 38;
    static constexpr int16_t KeyRight = 39;
    static constexpr int16_t KeyDown = 40;

    enum class Events : int32_t { Scroll = 1, Change, MouseDown, MouseUp };

    explicit Slider(Widget* parent = nullptr, std::string name = "Slider");

    int32_t Value() const noexcept { return mlngValue; }
    // Clamped into Min..Max; raises Change when the value moves.
    void Value(int32_t value);
    int32_t Min() const noexcept { return mlngMin; }
    // Error 380 above Max. A value left outside the range follows silently.
    void Min(int32_t value);
    int32_t Max() const noexcept { return mlngMax; }
    // Error 380 below Min.
    void Max(int32_t value);
    // Steps of the arrow keys and the page keys; error 380 when negative.
    int32_t SmallChange() const noexcept { return mlngSmallChange; }
    void SmallChange(int32_t value);
    int32_t LargeChange() const noexcept { return mlngLargeChange; }
    void LargeChange(int32_t value);
    // Distance between tick marks from Min; zero or less draws only the two end ticks.
    int32_t TickFrequency() const noexcept { return mlngTickFrequency; }
    void TickFrequency(int32_t value);
    // The hint shown next to the thumb while it is dragged.
    const std::string& Text() const noexcept { return mstrText; }
    void Text(std::string value);

    // Tick marks drawn: one at Min, one every TickFrequency, one at Max (counted once when
    // they coincide). Up to 2^32 for the widest range, hence 64 bits.
    int64_t TickCount() const noexcept;
    bool Dragging() const noexcept { return mblnDragging; }

    const InterfaceTable& Interface() const override;
    Dispatchable* Extender() override { return &mExtender; }

    // User input; ignored while the track is disabled or not shown.
    // Grabs the thumb (first call: focus, MouseDown) and moves it to `value` (clamped);
    // Scroll whenever the thumb moves.
    void UserDragTo(int32_t value);
    // Lets the thumb go: MouseUp, then Change when it rests elsewhere than where the drag
    // began (the track settles its position after it has seen the button come up).
    void UserRelease();
    // Arrow keys step by SmallChange, page keys by LargeChange, Home/End jump to the ends;
    // a move raises Scroll, then Change. Left/Up and PageUp move towards Min.
    void UserKey(int16_t keyCode);

    // Typed events; each is raised together with the automation event of the same name.
    Signal<> Scroll;
    Signal<> Change;
    Signal<int16_t, int16_t, float, float> MouseDown;
    Signal<int16_t, int16_t, float, float> MouseUp;

  private:
    bool AcceptsInput() const noexcept { return Enabled() && IsShown(); }
    int32_t Clamp(int64_t value) const noexcept;
    int64_t KeyTarget(int16_t keyCode) const noexcept;
    // Moves the thumb without Change; true when it moved.
    bool MoveThumb(int32_t value);
    float ThumbX() const noexcept;
    void RaiseScroll();
    void RaiseChange();
    void RaiseMouse(Events event, const Signal<int16_t, int16_t, float, float>& signal);
    [[noreturn]] void RaiseInvalidValue() const;

    int32_t mlngValue = 0;
    int32_t mlngMin = 0;
    int32_t mlngMax = 10;
    int32_t mlngSmallChange = 1;
    int32_t mlngLargeChange = 5;
    int32_t mlngTickFrequency = 1;
    std::string mstrText;
    bool mblnDragging = false;
    int32_t mlngDragStart = 0;
    host::Extender mExtender;
};

}  // namespace panelkit2::host
