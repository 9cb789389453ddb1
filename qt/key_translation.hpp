#pragma once

// Qt's key events in the model's terms: the window system's key codes and shift bits.

#include <QKeyEvent>
#include <cstdint>

namespace panelkit2::qt {

// The key code of a key event; 0 for a key the model has no code for. The digits and
// operators of the numeric keypad have codes of their own (96 to 111), as the window
// system gives them.
int16_t KeyCodeOf(const QKeyEvent& key);
// 1 Shift, 2 Ctrl, 4 Alt.
int16_t ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace panelkit2::qt
