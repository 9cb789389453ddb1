#include "qt/key_translation.hpp"

#include <unordered_map>

namespace panelkit2::qt {

namespace {
// Keys of the numeric keypad that have codes of their own: its digits and operators.
int16_t KeypadCodeOf(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<int16_t>(96 + (qtKey - Qt::Key_0));
    switch (qtKey) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
    }
}

int16_t MainKeyCodeOf(int qtKey) {
    // Letters and digits share their codes with upper-case ASCII.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<int16_t>(112 + (qtKey - Qt::Key_F1));
    static const std::unordered_map<int, int16_t> kCodes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
    };
    const auto found = kCodes.find(qtKey);
    return found == kCodes.end() ? int16_t{0} : found->second;
}
}  // namespace

int16_t KeyCodeOf(const QKeyEvent& key) {
    if (key.modifiers() & Qt::KeypadModifier)
        if (const int16_t code = KeypadCodeOf(key.key())) return code;
    return MainKeyCodeOf(key.key());
}

int16_t ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= 1;
    if (modifiers & Qt::ControlModifier) shift |= 2;
    if (modifiers & Qt::AltModifier) shift |= 4;
    return shift;
}

}  // namespace panelkit2::qt
