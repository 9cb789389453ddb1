#pragma once

// Qt's key events in the model's terms: the window system's key codes and shift bits.

#include <QKeyEvent>
#include <cstdint>

namespace panelkit2::qt {

// The key code of a Qt key; 0 for a key the model has no code for.
int16_t KeyCodeOf(int qtKey);
// 1 Shift, 2 Ctrl, 4 Alt.
int16_t ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace panelkit2::qt
