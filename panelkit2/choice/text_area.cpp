#include "panelkit2/choice/text_area.hpp"

#include <algorithm>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kInitialDesiredWidth = 3200;
constexpr float kInitialWidth = 3200;
constexpr float kInitialHeight = 1000;
// The frame leaves a strip below it; the field sits inside the frame, below its title.
constexpr float kFrameStrip = 200;
constexpr float kCaptionLeft = 200;
constexpr float kFieldLeft = 100;
constexpr float kFieldTop = 200;
constexpr float kFieldSides = 200;
constexpr float kFieldStrips = 500;

// A length less what the layout keeps around it; a control too small for that keeps the
// constituent at no length rather than failing.
float LessRoom(float length, float room) {
    return std::max(length - room, 0.0f);
}
}  // namespace

TextArea::TextArea()
    : OptionControl("TextArea", {ControlID::TextArea, "TextBox", kInitialDesiredWidth}),
      frame(&UserControl, "frame"),
      TextBox_(&frame, "TextBox"),
      wlCaption(&UserControl, "wlCaption") {
    TextBox_.MultiLine(true);
    UserControl.Move(0, 0, kInitialWidth, kInitialHeight);
    frame.Move(0, 0, kInitialWidth, kInitialHeight - kFrameStrip);
    TextBox_.Move(kFieldLeft, kFieldTop, kInitialWidth - kFieldSides,
                  kInitialHeight - kFieldStrips);
    wlCaption.Move(kCaptionLeft, 0);
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    UserControl_Initialize();
}

// The label takes the text's one-line width and shows, also for an empty caption; the
// control is laid out again and its width is the desired one.
void TextArea::Caption(std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        SizeToText(wlCaption, value);
        const std::string text(value);
        TextBox_.ToolTipText(text);
        wlCaption.ToolTipText(text);
        wlCaption.Visible(true);
        UserControl.PropertyChanged("Caption");
        UserControl_Resize();
        mlngDesiredWidth = ToLong(UserControl.Width());
        Paint();
    });
}

void TextArea::Value(std::string_view value) {
    TextBox_.Text(std::string(value));
    UserControl.PropertyChanged("Value");
}

int32_t TextArea::Bottom() const {
    return ToLong(double(TextBox_.Top()) + TextBox_.Height());
}

int32_t TextArea::Right() const {
    return ToLong(double(TextBox_.Left()) + TextBox_.Width());
}

void TextArea::Action(std::string_view value) {
    AppendAction(mstrCommonAction, value);
}

void TextArea::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        Caption(std::string_view());
        TextBox_.Tag({});
        ResetContract();
        Paint();
    });
}

// The label's sizing switch stays on until the first caption.
void TextArea::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            UserControl.Width(kInitialWidth);
            UserControl.Height(kInitialHeight);
            wlCaption.Visible(false);
            wlCaption.AutoSize(true);
            TextBox_.Text({});
            ResetContract();
        }
        Paint();
    });
}

// Runs whether or not the layout is busy.
void TextArea::Paint() {
    FullReRaise(Source().Method("Paint"), [&] {
        TextBox_.Refresh();
        wlCaption.Reflow();
    });
}

// The frame fills the control but a strip at the bottom, the caption sits on the frame's
// top edge and the field fills the frame inside its margins.
void TextArea::UserControl_Resize() {
    FullReRaise(Source().Method("UserControl_Resize"), [&] {
        if (mblnLayoutBusy) return;
        LayoutGuard guard(mblnLayoutBusy);
        const float width = UserControl.Width();
        const float height = UserControl.Height();
        frame.Move(0, 0, width, LessRoom(height, kFrameStrip));
        wlCaption.Move(kCaptionLeft, 0);
        TextBox_.Move(kFieldLeft, kFieldTop, LessRoom(width, kFieldSides),
                      LessRoom(height, kFieldStrips));
        Paint();
    });
}

// Only the size and the colours are kept: caption, text and actions are not. Colours
// travel as Longs (system colours are negative) and are always written.
void TextArea::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("Height", UserControl.Height(), kInitialHeight);
    bag.WriteProperty("Width", UserControl.Width(), frame.Width());
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
}

// Read without laying out. Colours have no default: a bag without them gives black.
void TextArea::UserControl_ReadProperties(host::PropertyBag& bag) {
    LayoutGuard guard(mblnLayoutBusy);
    UserControl.Height(bag.ReadProperty("Height", kInitialHeight).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", frame.Width()).AsSingle());
    ForeColor(ReadColour(bag, "ForeColor"));
    BackColor(ReadColour(bag, "BackColor"));
}

}  // namespace panelkit2
