// ControlPort: mouse input on the container's own surface, reported to the host as the
// container's Click, MouseDown, MouseMove and MouseUp events with the arguments unchanged.

#include <array>

#include "panelkit2/container/control_port.hpp"

namespace panelkit2 {

bool ControlPort::Contains(float x, float y) const {
    return x >= 0 && y >= 0 && x < W() && y < H();
}

void ControlPort::RaiseMouse(Events event, int16_t button, int16_t shift, float x, float y) {
    std::array<Variant, 4> args{button, shift, x, y};
    RaiseEvent(event, args);
}

void ControlPort::UserMouseDown(int16_t button, int16_t shift, float x, float y) {
    if (!UserControl.AcceptsInput()) return;
    mintPressed = static_cast<int16_t>(mintPressed | button);
    RaiseMouse(Events::MouseDown, button, shift, x, y);
}

void ControlPort::UserMouseMove(int16_t button, int16_t shift, float x, float y) {
    if (!UserControl.AcceptsInput()) return;
    RaiseMouse(Events::MouseMove, button, shift, x, y);
}

// The surface keeps the mouse from press to release, so the release is reported wherever it
// happens; only a left release inside completes a click.
void ControlPort::UserMouseUp(int16_t button, int16_t shift, float x, float y) {
    if (!UserControl.AcceptsInput()) return;
    const bool clicked = (mintPressed & button & LeftButton) != 0 && Contains(x, y);
    mintPressed = static_cast<int16_t>(mintPressed & ~button);
    RaiseMouse(Events::MouseUp, button, shift, x, y);
    if (clicked) RaiseEvent(Events::Click, {});
}

void ControlPort::UserClick() {
    UserClick(W() / 2, H() / 2);
}

void ControlPort::UserClick(float x, float y) {
    UserMouseDown(LeftButton, 0, x, y);
    UserMouseUp(LeftButton, 0, x, y);
}

}  // namespace panelkit2
