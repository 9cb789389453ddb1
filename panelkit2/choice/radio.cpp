#include "panelkit2/choice/radio.hpp"

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int16_t kDefaultElementHeight = 255;
constexpr float kButtonWidth = 255;
constexpr float kButtonDesignHeight = 375;
constexpr float kRowGap = 50;
constexpr float kFirstRowTop = 200;
constexpr float kBottomMargin = 100;
constexpr float kButtonLeft = 100;
constexpr float kLabelLeft = 400;
// Where a new row's label waits until the next resize moves it to kLabelLeft.
constexpr float kNewLabelLeft = 500;
constexpr float kRightMargin = 100;
// What an option caption needs beside it: the label's left edge and some room on the right.
constexpr float kOptionRoom = 600;
constexpr float kCaptionLeft = 100;
// Room the group caption keeps from both edges when it has to wrap.
constexpr float kCaptionMargins = 200;
// The surface before the first layout, and where its group caption starts.
constexpr float kInitialHeight = 355;
constexpr float kInitialWidth = 500;
constexpr float kInitialCaptionLeft = 50;
constexpr float kCaptionHeight = 255;
constexpr int32_t kInitialDesiredWidth = 400;
}  // namespace

Radio::Radio()
    : OptionControl("Radio", {ControlID::Radio, "Radio", kInitialDesiredWidth}),
      frame(&UserControl, "frame"),
      mRows(&frame, "optRadio", "wlOption"),
      wlCaption(&frame, "wlCaption") {
    // As designed: the first row is the selected one.
    Button(0).Move(0, 0, kButtonWidth, kButtonDesignHeight);
    Button(0).Value(true);
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    Label(0).Click.Connect([this] { wlOption_Click(0); });
    UserControl_Initialize();
}

double Radio::RowStep() const noexcept {
    return double(mintElementHeight) + kRowGap;
}

void Radio::PaintForeColor(host::OleColor value) {
    frame.ForeColor(value);
    for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) Button(i).ForeColor(value);
}

void Radio::PaintBackColor(host::OleColor value) {
    frame.BackColor(value);
    for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) Button(i).BackColor(value);
}

// Rows keep their spacing from the height they had (the old one), and take the new height.
void Radio::ElementHeight(int16_t value) {
    FullReRaise(Source().Let("ElementHeight"), [&] {
        const int16_t height = value == 0 ? kDefaultElementHeight : value;
        mRows.Restack(RowStep(), [&](int16_t, host::OptionButton& button, float top) {
            button.Move(button.Left(), top, button.Width(), height);
        });
        UserControl.Height(Button(mRows.MaxIndex()).Top() + height);
        mintElementHeight = height;
        UserControl.PropertyChanged("ElementHeight");
    });
}

std::string Radio::Caption(int16_t idx) const {
    return Label(idx).Caption();
}

// Widens the control for a caption that needs it; the widest control so far is the
// desired width. An index without a row changes nothing.
void Radio::Caption(int16_t idx, std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        if (!mRows.Holds(idx)) return;
        host::WrapLabel& label = Label(idx);
        SizeToText(label, value);
        mRows.MirrorCaption(idx, value);
        if (label.Width() + kOptionRoom > UserControl.Width())
            UserControl.Width(label.Width() + kOptionRoom);
        if (UserControl.Width() > static_cast<float>(mlngDesiredWidth))
            mlngDesiredWidth = ToLong(UserControl.Width());
        if (!value.empty()) {
            mblnOptionMode = true;
            label.Visible(true);
        }
        UserControl.PropertyChanged("Caption");
    });
}

int32_t Radio::Bottom(int16_t idx) const {
    const host::OptionButton& button = Button(idx);
    return ToLong(double(button.Top()) + button.Height());
}

int32_t Radio::Right(int16_t idx) const {
    const host::OptionButton& button = Button(idx);
    return ToLong(double(button.Left()) + button.Width() + Label(idx).Width());
}

void Radio::PlaceNewRow(int16_t index, host::OptionButton& button, host::WrapLabel& label) {
    label.Move(kNewLabelLeft, button.Top());
    label.Click.Connect([this, index] { wlOption_Click(index); });
}

// Rejected below 1 before anything changes: option 0 cannot be destroyed. Each row counts
// as soon as it exists, so a failure part-way leaves the count on the rows there are.
void Radio::ArrayCount(int16_t value) {
    FullReRaise(Source().Let("ArrayCount"), [&] {
        if (!mRows.SetCount(value, RowStep(), [this](int16_t i, auto& button, auto& label) {
                PlaceNewRow(i, button, label);
            }))
            return;
        Button(0).Value(true);
        Paint();
        UserControl.PropertyChanged("ArrayCount");
    });
}

bool Radio::Value(int16_t& idx) const {
    return mRows.Indexed(Source().Get("Value"), idx, false, [&](bool& found) {
        if (mRows.Holds(idx)) found = Button(idx).Value();
        return found;
    });
}

// Selecting one option deselects the others; False just clears this one.
void Radio::Value(int16_t& idx, bool value) {
    mRows.Indexed(Source().Let("Value"), idx, 0, [&](int&) {
        if (!mRows.Holds(idx)) return 0;
        Button(idx).Value(value);
        UserControl.PropertyChanged("Value");
        return 0;
    });
}

std::string Radio::Action(int16_t& idx) const {
    return mRows.Indexed(Source().Get("action"), idx, std::string(), [&](std::string& found) {
        found = mRows.RowActions(idx);
        return found;
    });
}

// Common actions until an option is named (the index is not looked at then), afterwards
// the actions of option idx.
void Radio::Action(int16_t& idx, std::string_view value) {
    mRows.Indexed(Source().Let("action"), idx, 0, [&](int&) {
        if (!mblnOptionMode) {
            AppendAction(mstrCommonAction, value);
            return 0;
        }
        mRows.AppendRowAction(idx, value);
        return 0;
    });
}

bool Radio::WLVisible(int16_t i) const {
    return Label(i).Visible();
}

void Radio::RouteAction(std::string_view text) {
    int16_t last = mRows.MaxIndex();
    Action(last, text);
}

// The group caption only asks for width; the control is not resized for it.
void Radio::ApplyCaption(std::string_view text) {
    SizeToText(wlCaption, text);
    const float needed = 2 * wlCaption.Left() + wlCaption.Width();
    if (needed > static_cast<float>(mlngDesiredWidth)) mlngDesiredWidth = ToLong(needed);
    wlCaption.ToolTipText(std::string(text));
    wlCaption.Visible(!text.empty());
}

void Radio::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        ArrayCount(1);
        Caption(0, std::string_view());
        host::OptionButton& first = Button(0);
        first.Value(true);
        first.Tag({});
        Label(0).Caption({});
        wlCaption.Caption({});
        wlCaption.ToolTipText({});
        ResetContract();
        mRows.FreeFirstRow();
    });
}

void Radio::SetSelectedOption(std::string_view vData) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] {
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) {
            if (Label(i).Caption() != vData) continue;
            Button(i).Value(true);
            return;
        }
    });
}

std::string Radio::GetSelectedOption() const {
    return FullReRaise(Source().Method("GetSelectedOption"), [&] {
        std::string caption;
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i)
            if (Button(i).Value()) caption = Label(i).Caption();
        return caption;
    });
}

void Radio::AddOption(std::string_view vData) {
    FullReRaise(Source().Method("AddOption"), [&] {
        Caption(mRows.NextOptionRow([&] { ArrayCount(ToInteger(ArrayCount() + 1)); }), vData);
        mblnOptionMode = true;
    });
}

std::string Radio::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        std::string selected;
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i)
            if (Button(i).Value()) selected = Button(i).Tag();
        return Answer(selected);
    });
}

void Radio::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mintElementHeight = kDefaultElementHeight;
            ElementHeight(kDefaultElementHeight);
            UserControl.Height(kInitialHeight);
            UserControl.Width(kInitialWidth);
            host::OptionButton& first = Button(0);
            first.Move(frame.Left() - kButtonLeft, 0);
            first.Caption({});
            host::WrapLabel& label = Label(0);
            label.Move(kLabelLeft, first.Top());
            label.Caption({});
            frame.Move(0, 0, UserControl.Width(), UserControl.Height());
            wlCaption.Move(kInitialCaptionLeft, 0, wlCaption.Width(), kCaptionHeight);
            mstrCommonAction.clear();
            mblnOptionMode = false;
            mRows.FreeFirstRow();
            mlngDesiredWidth = kInitialDesiredWidth;
        }
        Paint();
    });
}

// Stacks the rows from the top and makes the control as high as they are; the resize this
// raises places them across.
void Radio::Paint() {
    FullReRaise(Source().Method("Paint"), [&] {
        if (mblnLayoutBusy) return;
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) {
            host::OptionButton& button = Button(i);
            button.Top(i == 0 ? kFirstRowTop : mRows.TopBelow(i, RowStep()));
            {
                LayoutGuard guard(mblnLayoutBusy);
                frame.Move(0, 0, UserControl.Width(), UserControl.Height());
            }
            button.Refresh();
        }
        UserControl.Height(Button(mRows.MaxIndex()).Top() + mintElementHeight + kBottomMargin);
    });
}

// Buttons at the left, labels filling the rest of each row; a group caption too wide for
// the control wraps, one that fits again gets its full text back from the tool tip.
void Radio::UserControl_Resize() {
    if (mblnLayoutBusy) return;
    FullReRaise(Source().Method("UserControl_Resize"), [&] {
        LayoutGuard guard(mblnLayoutBusy);
        const float buttonWidth = Button(0).Width();
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) {
            host::OptionButton& button = Button(i);
            button.Move(kButtonLeft, button.Top(), buttonWidth, mintElementHeight);
            host::WrapLabel& label = Label(i);
            label.Move(kLabelLeft, button.Top());
            const float room = UserControl.Width() - label.Left() - kRightMargin;
            if (room > 0) label.Width(room);
        }
        frame.Move(0, 0, UserControl.Width(), UserControl.Height());
        if (wlCaption.Width() + kCaptionLeft > UserControl.Width()) {
            wlCaption.Move(kCaptionLeft, 0, UserControl.Width() - kCaptionMargins);
            wlCaption.Reflow();
        } else {
            SizeToText(wlCaption, wlCaption.ToolTipText());
            wlCaption.Move(kCaptionLeft, 0);
        }
    });
}

void Radio::wlOption_Click(int16_t index) {
    Button(index).Value(true);
}

void Radio::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("ArrayCount", ArrayCount(), int16_t{1});
    bag.WriteProperty("ElementHeight", mintElementHeight, kDefaultElementHeight);
    bag.WriteProperty("Height", UserControl.Height(), float{255});
    bag.WriteProperty("Width", UserControl.Width(), Button(0).Width());
    bag.WriteProperty("FrameHeight", frame.Height(), UserControl.Height());
    bag.WriteProperty("FrameWidth", frame.Width(), UserControl.Width());
    WriteColours(bag);
    for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) {
        int16_t idx = i;
        bag.WriteProperty("Action" + std::to_string(i), Action(idx), std::string());
    }
}

// Reads without laying out. The colours are read without defaults, so a bag without them
// gives 0. Rows a reused control still has go first: the count read builds them anew.
void Radio::UserControl_ReadProperties(host::PropertyBag& bag) {
    LayoutGuard guard(mblnLayoutBusy);
    mRows.DropRowsAbove(0);
    ArrayCount(bag.ReadProperty("ArrayCount", int16_t{1}).AsInteger());
    ElementHeight(bag.ReadProperty("ElementHeight", kDefaultElementHeight).AsInteger());
    UserControl.Height(bag.ReadProperty("Height", float{255}).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", Button(0).Width()).AsSingle());
    const float frameWidth = bag.ReadProperty("FrameWidth", UserControl.Width()).AsSingle();
    const float frameHeight = bag.ReadProperty("FrameHeight", UserControl.Height()).AsSingle();
    frame.Move(0, 0, frameWidth, frameHeight);
    BackColor(static_cast<host::OleColor>(bag.ReadProperty("BackColor").AsLong()));
    ForeColor(static_cast<host::OleColor>(bag.ReadProperty("ForeColor").AsLong()));
    for (int16_t i = 0; i <= mRows.MaxIndex(); ++i)
        Button(i).Tag(bag.ReadProperty("Action" + std::to_string(i), std::string()).AsString());
}

}  // namespace panelkit2
