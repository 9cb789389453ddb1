#pragma once

// The window-system calls the controls make, by window handle, on the toolkit's widgets
// (Host::FromHandle). Coordinates are pixels; widgets keep twips and convert with the
// host's twips per pixel. Unknown handles make every call fail quietly (0, false or an
// empty result), as the window system does.

#include <cstdint>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host::win {

// Messages SendMessage understands.
inline constexpr int32_t ButtonSetState = 243;             // wParam nonzero: pressed look
inline constexpr int32_t EditCanUndo = 198;                // 1 when an undo is possible
inline constexpr int32_t EditUndo = 199;                   // 1 when something was undone
inline constexpr int32_t EditEmptyUndoBuffer = 205;        // forgets the last edit
inline constexpr int32_t ListGetHorizontalExtent = 0x193;  // the extent, pixels
inline constexpr int32_t ListSetHorizontalExtent = 0x194;  // wParam: the extent, pixels

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

// Sends one of the messages above to a widget of the kind it is meant for (button, text
// box, list box) and returns the message's result; any other message, kind or handle
// returns 0 and changes nothing.
int32_t SendMessage(Hwnd hwnd, int32_t message, int32_t wParam, int32_t lParam);

// The parent window, the desktop for a top-level window, 0 for an unknown handle.
Hwnd GetParent(Hwnd hwnd);
Hwnd GetDesktopWindow();

// The client area: (0, 0) to the widget's width and height in pixels (rounded). False,
// with an empty rectangle, for an unknown handle or the desktop.
bool GetClientRect(Hwnd hwnd, Rect& rect);

// Left and top edges belong to the rectangle, right and bottom do not.
bool PtInRect(const Rect& rect, Point point);

// Hides the caret of a text box or list box that has the focus; false otherwise.
bool HideCaret(Hwnd hwnd);

// Screen position, in pixels, of the widget's top-left corner: its top-level window's Left
// and Top plus the offsets of the widget and its ancestors inside it (the origin of the
// widget's device context). (0, 0) for an unknown handle or the desktop.
Point ScreenOrigin(Hwnd hwnd);

// Flags of SetWindowPos.
inline constexpr uint32_t NoSize = 0x1;
inline constexpr uint32_t NoMove = 0x2;
inline constexpr uint32_t NoActivate = 0x10;
inline constexpr uint32_t ShowWindow = 0x40;
inline constexpr uint32_t HideWindow = 0x80;

// Moves and sizes a widget (pixels: x, y, width cx, height cy) unless NoMove / NoSize,
// shows or hides it for ShowWindow / HideWindow, and on a form sets the top-most state
// (other widgets have none). Showing activates a form unless NoActivate. False for an
// unknown handle or the desktop.
bool SetWindowPos(Hwnd hwnd, bool topMost, int32_t x, int32_t y, int32_t cx, int32_t cy,
                  uint32_t flags = 0);

}  // namespace panelkit2::host::win
