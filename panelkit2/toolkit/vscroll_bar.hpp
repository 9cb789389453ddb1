#pragma once

// A vertical scroll bar over an Integer range. Min may exceed Max: the top end is always
// Min, so moving down goes toward Max whichever way the numbers run. Change is raised when
// the value changes by code, by a click on an arrow or the track, and when a dragged thumb
// is released; Scroll while the thumb is dragged.

#include <cstdint>
#include <string>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class VScrollBar : public Widget {
  public:
    VScrollBar(Widget* parent, std::string name);

    int16_t Min() const noexcept { return mintMin; }
    int16_t Max() const noexcept { return mintMax; }
    // A value left outside the new range moves to its nearest end (Change).
    void Min(int16_t value);
    void Max(int16_t value);
    int16_t Value() const noexcept { return mintValue; }
    // Outside Min..Max (in either order): error 380.
    void Value(int16_t value);
    // 1..32767, otherwise error 380.
    int16_t SmallChange() const noexcept { return mintSmallChange; }
    void SmallChange(int16_t value);
    int16_t LargeChange() const noexcept { return mintLargeChange; }
    void LargeChange(int16_t value);

    void CopyDesignFrom(const Widget& source) override;

    Signal<> Change;
    Signal<> Scroll;

    // Arrow and track clicks: focus, a step toward Max (down) or Min (up), clamped to the
    // range; Change when the value moved.
    void UserLineDown();
    void UserLineUp();
    void UserPageDown();
    void UserPageUp();
    // Dragging the thumb: focus and the value (clamped) follow the thumb, raising Scroll
    // at each position; releasing it raises Change once.
    void UserDragThumb(int32_t value);
    void UserReleaseThumb();
    // A whole drag to one position and release.
    void UserScrollTo(int32_t value);

  private:
    int16_t Clamp(int32_t value) const noexcept;
    void SetValueQuietly(int16_t value);
    // Focus and a step of `amount` toward Max (negative: toward Min).
    void UserStep(int32_t amount);
    void ClampValueToRange();

    int16_t mintMin = 0;
    int16_t mintMax = 32767;
    int16_t mintValue = 0;
    int16_t mintSmallChange = 1;
    int16_t mintLargeChange = 1;
    bool mblnDragging = false;
};

}  // namespace panelkit2::host
