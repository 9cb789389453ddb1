#include "panelkit2/toolkit/window_system.hpp"

#include <algorithm>
#include <cmath>

#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/toolkit/command_button.hpp"
#include "panelkit2/toolkit/form.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/list_box.hpp"
#include "panelkit2/toolkit/text_box.hpp"

namespace panelkit2::host::win {

namespace {

// Twips to whole pixels, rounded; absurd values end at the Long range instead of failing.
int32_t Pixels(double twips, float twipsPerPixel) {
    if (!(twipsPerPixel > 0) || std::isnan(twips)) return 0;
    const double pixels = RoundHalfEven(twips / twipsPerPixel);
    return static_cast<int32_t>(std::clamp(pixels, double{INT32_MIN}, double{INT32_MAX}));
}

float Twips(int32_t pixels, float twipsPerPixel) {
    return static_cast<float>(static_cast<double>(pixels) * twipsPerPixel);
}

// A widget behind a handle other than the desktop's.
Widget* WindowOf(Hwnd hwnd) {
    return Host::Current().FromHandle(hwnd);
}

int32_t SendToButton(CommandButton& button, int32_t message, int32_t wParam) {
    if (message == ButtonSetState) button.Pressed(wParam != 0);
    return 0;
}

int32_t SendToEdit(TextBox& box, int32_t message) {
    switch (message) {
        case EditCanUndo:
            return box.CanUndo() ? 1 : 0;
        case EditUndo:
            return box.Undo() ? 1 : 0;
        case EditEmptyUndoBuffer:
            box.EmptyUndoBuffer();
            return 0;
        default:
            return 0;
    }
}

int32_t SendToList(ListBox& list, int32_t message, int32_t wParam) {
    switch (message) {
        case ListGetHorizontalExtent:
            return list.HorizontalExtent();
        case ListSetHorizontalExtent:
            list.HorizontalExtent(wParam);
            return 0;
        default:
            return 0;
    }
}

}  // namespace

int32_t SendMessage(Hwnd hwnd, int32_t message, int32_t wParam, int32_t lParam) {
    (void)lParam;  // none of the understood messages carries one
    Widget* widget = WindowOf(hwnd);
    if (auto* button = dynamic_cast<CommandButton*>(widget))
        return SendToButton(*button, message, wParam);
    if (auto* box = dynamic_cast<TextBox*>(widget)) return SendToEdit(*box, message);
    if (auto* list = dynamic_cast<ListBox*>(widget)) return SendToList(*list, message, wParam);
    return 0;
}

Hwnd GetParent(Hwnd hwnd) {
    return Host::Current().ParentWindow(hwnd);
}

Hwnd GetDesktopWindow() {
    return Host::Current().DesktopWindow();
}

bool GetClientRect(Hwnd hwnd, Rect& rect) {
    rect = {};
    const Widget* widget = WindowOf(hwnd);
    if (!widget) return false;
    const Host& host = Host::Current();
    rect.right = Pixels(widget->Width(), host.TwipsPerPixelX());
    rect.bottom = Pixels(widget->Height(), host.TwipsPerPixelY());
    return true;
}

bool PtInRect(const Rect& rect, Point point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

bool HideCaret(Hwnd hwnd) {
    Widget* widget = WindowOf(hwnd);
    return widget && widget->HideCaret();
}

Point ScreenOrigin(Hwnd hwnd) {
    Widget* widget = WindowOf(hwnd);
    if (!widget) return {};
    const Host& host = Host::Current();
    const Widget& top = widget->TopLevel();
    // Summed in double: twips of a far-off window may exceed what a Single holds exactly.
    const double left = double{top.Left()} + widget->WindowLeft();
    const double upper = double{top.Top()} + widget->WindowTop();
    return {Pixels(left, host.TwipsPerPixelX()), Pixels(upper, host.TwipsPerPixelY())};
}

bool SetWindowPos(Hwnd hwnd, bool topMost, int32_t x, int32_t y, int32_t cx, int32_t cy,
                  uint32_t flags) {
    Widget* widget = WindowOf(hwnd);
    if (!widget) return false;
    const Host& host = Host::Current();
    const float tppX = host.TwipsPerPixelX();
    const float tppY = host.TwipsPerPixelY();
    auto* form = dynamic_cast<Form*>(widget);
    if (form) form->SetTopMost(topMost);
    const float left = (flags & NoMove) ? widget->Left() : Twips(x, tppX);
    const float top = (flags & NoMove) ? widget->Top() : Twips(y, tppY);
    const float width = (flags & NoSize) ? widget->Width() : Twips(cx, tppX);
    const float height = (flags & NoSize) ? widget->Height() : Twips(cy, tppY);
    widget->Move(left, top, width, height);
    if (flags & HideWindow) {
        widget->Visible(false);
    } else if (flags & ShowWindow) {
        if (form && !(flags & NoActivate))
            form->Show();
        else
            widget->Visible(true);
    }
    return true;
}

}  // namespace panelkit2::host::win
