#include "panelkit2/range/number_field.hpp"

#include <utility>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/controls/shared_subs.hpp"
#include "panelkit2/toolkit/message_box.hpp"

namespace panelkit2 {

namespace {
// The field and spin buttons as designed.
constexpr float kDesignFieldWidth = 840;
constexpr float kDesignFieldHeight = 285;
constexpr float kDesignUpdWidth = 260;
constexpr float kClearedFieldWidth = 810;
// A new control is at least this wide, spin buttons included.
constexpr float kInitialWidth = 500;
// Where the caption stands after a Clear or a widened field: this far right of the spin
// buttons.
constexpr double kCaptionOffset = 50;
// The caption stands this far right of the spin buttons when the row is laid out, and the
// control ends there too when it is painted.
constexpr double kCaptionGap = 100;
// Room a caption needs beyond its text, the field and the spin buttons.
constexpr double kCaptionRoom = 200;
// The narrowest a control gets beside field and spin buttons.
constexpr double kResizeRoom = 200;
constexpr float kPersistedUpdWidth = 260;
const std::string kOutOfRangeText =
    "The value you have entered is out the allowed range. Please enter a valid number";
const std::string kOutOfRangeTitle = "Invalid Value";
}  // namespace

NumberField::NumberField(std::string name, const Design& design, std::string fieldName)
    : OptionControl(std::move(name), design),
      txtField(&UserControl, std::move(fieldName)),
      Upd(&UserControl, "Upd"),
      wlCaption(&UserControl, "wlCaption") {
    txtField.Move(0, 0, kDesignFieldWidth, kDesignFieldHeight);
    Upd.Move(kDesignFieldWidth, 0, kDesignUpdWidth, kDesignFieldHeight);
    wlCaption.Move(static_cast<float>(kDesignFieldWidth + kDesignUpdWidth + kCaptionOffset), 0);
    txtField.Text("0");
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    txtField.Change.Connect([this] { Field_Change(); });
    txtField.KeyPress.Connect([this](int16_t& keyAscii) { Field_KeyPress(keyAscii); });
    txtField.KeyDown.Connect([this](int16_t& keyCode, int16_t) { Field_KeyDown(keyCode); });
    txtField.GotFocus.Connect([this] { SelectAll(); });
    txtField.LostFocus.Connect([this] { Field_LostFocus(); });
}

void NumberField::InitializeRow() {
    if (UserControl.Height() < kDefaultElementHeight) UserControl.Height(kDefaultElementHeight);
    if (kInitialWidth - Upd.Width() > UserControl.Width()) UserControl.Width(kInitialWidth);
    mintElementHeight = kDefaultElementHeight;
    wlCaption.Height(mintElementHeight);
}

// ---------------------------------------------------------------------------------------
// Caption, element height and widths

std::string NumberField::Caption() const {
    return CaptionOf(wlCaption);
}

// An empty caption hides the label and leaves the width alone; a caption that does not
// fit widens the control, and the control's width becomes the desired one.
void NumberField::Caption(std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        SizeToText(wlCaption, value);
        wlCaption.ToolTipText(std::string(value));
        wlCaption.Visible(!value.empty());
        if (value.empty()) return;
        const double needed =
            double(wlCaption.Width()) + txtField.Width() + Upd.Width() + kCaptionRoom;
        if (needed > UserControl.Width()) UserControl.Width(static_cast<float>(needed));
        mlngDesiredWidth = ToLong(UserControl.Width());
        UserControl.PropertyChanged("Caption");
    });
}

// 0 restores the default. A height that would make the control negative is refused before
// it is kept, so the control stays usable.
void NumberField::ElementHeight(int16_t value) {
    FullReRaise(Source().Let("ElementHeight"), [&] {
        const int16_t height = value == 0 ? kDefaultElementHeight : value;
        if (double(wlCaption.Top()) + height < 0) RaiseStandard(err::InvalidPropertyValue);
        mintElementHeight = height;
        Paint();
        UserControl.PropertyChanged("ElementHeight");
    });
}

int32_t NumberField::Bottom() const {
    return FullReRaise(Source().Get("Bottom"),
                       [&] { return ToLong(double(txtField.Top()) + txtField.Height()); });
}

int32_t NumberField::Right() const {
    return FullReRaise(Source().Get("Right"),
                       [&] { return ToLong(double(txtField.Left()) + txtField.Width()); });
}

int32_t NumberField::FieldWidth() const {
    return FullReRaise(Source().Get("FieldWidth"), [&] { return ToLong(txtField.Width()); });
}

void NumberField::FieldWidth(int32_t value) {
    FullReRaise(Source().Let("FieldWidth"), [&] {
        UserControl.Width(
            static_cast<float>(double(wlCaption.Width()) + value + Upd.Width() + kCaptionGap));
        txtField.Width(static_cast<float>(value));
        Paint();
    });
}

// ---------------------------------------------------------------------------------------
// The range's display texts and the field's width

void NumberField::ShowRangeEnd(bool lower, const std::string& number, bool unbounded,
                               FieldFit fit) {
    std::string& shown = lower ? mstrMinText : mstrMaxText;
    shown = !unbounded ? number : lower ? "-infinity" : "infinity";
    const std::string range = mstrMinText + "-" + mstrMaxText;
    Upd.ToolTipText(range);
    txtField.ToolTipText(range);
    FitFieldToNumber(number, fit);
    UserControl.PropertyChanged(lower ? "Min" : "Max");
    Paint();
}

void NumberField::FitFieldToNumber(std::string_view number, FieldFit fit) {
    const int32_t hDC = UserControl.hDC();
    const double digits = SharedSubs::GetTextWidth(hDC, number);
    if (!(digits + fit.margin > txtField.Width())) return;
    const double caption = SharedSubs::GetTextWidth(hDC, wlCaption.ToolTipText());
    UserControl.Width(static_cast<float>(Upd.Width() + digits + fit.room + caption));
    txtField.Width(static_cast<float>(digits + fit.margin));
    Upd.Left(txtField.Width());
    wlCaption.Left(static_cast<float>(double(Upd.Width()) + txtField.Width() + kCaptionOffset));
    mlngDesiredWidth = ToLong(UserControl.Width());
}

// ---------------------------------------------------------------------------------------
// Layout

void NumberField::Paint() {
    if (mblnLayoutBusy) return;
    txtField.Left(0);
    Upd.Left(txtField.Width());
    UserControl.Height(static_cast<float>(double(wlCaption.Top()) + mintElementHeight));
    UserControl.Width(static_cast<float>(double(wlCaption.Width()) + txtField.Width() +
                                         Upd.Width() + kCaptionGap));
    wlCaption.Left(static_cast<float>(double(Upd.Left()) + Upd.Width() + kCaptionGap));
    UserControl.Refresh();
}

// The control is never narrower than field and spin buttons with some room; the caption
// takes the width left over.
void NumberField::UserControl_Resize() {
    if (mblnLayoutBusy) return;
    LayoutGuard guard(mblnLayoutBusy);
    wlCaption.Top(0);
    const double least = double(Upd.Width()) + txtField.Width() + kResizeRoom;
    if (least > UserControl.Width()) UserControl.Width(static_cast<float>(least));
    txtField.Left(0);
    Upd.Left(txtField.Width());
    wlCaption.Left(static_cast<float>(double(Upd.Left()) + Upd.Width() + kCaptionGap));
    wlCaption.Width(UserControl.Width() - wlCaption.Left());
    UserControl.Height(static_cast<float>(double(wlCaption.Top()) + mintElementHeight));
}

void NumberField::ResetRow() {
    txtField.Width(kClearedFieldWidth);
    Upd.Left(txtField.Width());
    wlCaption.Left(static_cast<float>(double(Upd.Width()) + txtField.Width() + kCaptionOffset));
}

// ---------------------------------------------------------------------------------------
// Focus and keys

void NumberField::SelectAll() {
    txtField.SelStart(0);
    txtField.SelLength(static_cast<int32_t>(CharLength(txtField.Text())));
}

bool NumberField::DropsSignTyped(int16_t& KeyAscii) {
    if (!std::exchange(mblnSignChanged, false) || KeyAscii != '-') return false;
    KeyAscii = 0;
    return true;
}

// The number stays and the focus moves on.
void NumberField::WarnOutOfRange() {
    host::MsgBox(kOutOfRangeText, kOutOfRangeTitle);
    SelectAll();
}

// ---------------------------------------------------------------------------------------
// Persistence

// "UpdHeight" is read though never written.
void NumberField::ReadRowProperties(host::PropertyBag& bag) {
    ElementHeight(bag.ReadProperty("ElementHeight", kDefaultElementHeight).AsInteger());
    wlCaption.Height(bag.ReadProperty("CaptionHeight", wlCaption.Height()).AsSingle());
    const float updHeight = bag.ReadProperty("UpdHeight", Upd.Height()).AsSingle();
    const float updWidth = bag.ReadProperty("UpdWidth", kPersistedUpdWidth).AsSingle();
    Upd.Move(Upd.Left(), Upd.Top(), updWidth, updHeight);
}

}  // namespace panelkit2
