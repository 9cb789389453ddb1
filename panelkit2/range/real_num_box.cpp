#include "panelkit2/range/real_num_box.hpp"

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"
#include "panelkit2/range/real_number_text.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kInitialDesiredWidth = 500;
// The range of a new or cleared control.
constexpr float kClearedMin = 0;
constexpr float kClearedMax = 100;
// Range ends shown as unbounded: a lower end at or below the one, an upper end equal to
// the other.
constexpr float kMinusInfinity = -3.402823E+38f;
constexpr float kPlusInfinity = 3.402823E+38f;
// A field is widened to spin buttons, digits and this margin when a range end does not
// fit it (the lower end needs less), and the control then has this much room more.
constexpr double kLowerEndMargin = 50;
constexpr double kUpperEndMargin = 100;
constexpr double kWidenedRoom = 500;
constexpr float kPersistedDefaultMax = 100;
// The Value let's own error.
constexpr std::string_view kValueErrorText =
    "A RealNumBox can only contain a number within the range 4.9E-324 to 1.7E308.";
}  // namespace

RealNumBox::RealNumBox()
    : RangedNumberField<float>("RealNumBox",
                               {.kind = ControlID::RealNumBox,
                                .sourceName = "RealNumBox",
                                .initialDesiredWidth = kInitialDesiredWidth,
                                .addActionSource = "PanelKit::AddAction",
                                .foreColorProperty = "NewColor",
                                .foreColorOnSurface = false},
                               "RealNumBox", kValueErrorText) {
    Upd.UpClick.Connect([this] { Upd_UpClick(); });
    Upd.DownClick.Connect([this] { Upd_DownClick(); });
    UserControl_Initialize();
}

// The spin buttons get no buddy: the control steps the field itself. A new control has the
// range (and default range) of a cleared one, so one made by name takes values at once.
void RealNumBox::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            InitializeRow();
            mudtActionRanges.Restart();
            mDefaultMin = kClearedMin;
            mDefaultMax = kClearedMax;
            LetRangeEnd(true, kClearedMin);
            LetRangeEnd(false, kClearedMax);
            ResetContract();
        }
        Paint();
    });
}

// ---------------------------------------------------------------------------------------
// Range

// One end of the range (the lower one goes into the field as well); both tool tips show
// the range, and the field widens to the new end's digits.
void RealNumBox::LetRangeEnd(bool lower, float value) {
    (lower ? msngMin : msngMax) = value;
    const std::string number = RealToText(value);
    if (lower) txtField.Text(number);
    const bool unbounded = lower ? value <= kMinusInfinity : value == kPlusInfinity;
    ShowRangeEnd(lower, number, unbounded,
                 {Upd.Width() + (lower ? kLowerEndMargin : kUpperEndMargin), kWidenedRoom});
}

// ---------------------------------------------------------------------------------------
// The value

void RealNumBox::WriteValue(float value) {
    txtField.Text(RealToText(value));
    ClampReal();
}

void RealNumBox::SetSelectedOption(float vData) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] { txtField.Text(RealToText(vData)); });
}

// Above Max the text becomes Max, below Min it becomes Min; a text without a point gets
// ".0". Both readings are lenient, so no text makes this fail.
void RealNumBox::ClampReal() const {
    if (ReadRealText(txtField.Text()) > msngMax) txtField.Text(RealToText(msngMax));
    if (ReadRealText(txtField.Text()) < msngMin) txtField.Text(RealToText(msngMin));
    if (txtField.Text().find('.') == std::string::npos) txtField.Text(txtField.Text() + ".0");
}

float RealNumBox::ClampedValue() const {
    ClampReal();
    return ToSingle(ReadRealText(txtField.Text()));
}

// Back to the range 0 to 100 with one sub-range covering it, whatever the default range;
// the used-range count is kept. The caption goes last.
void RealNumBox::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        ResetRow();
        Min(kClearedMin);
        Max(kClearedMax);
        mudtActionRanges.Reset({kClearedMin, kClearedMax, {}});
        ResetContract();
        Paint();
        Caption(std::string_view());
    });
}

// ---------------------------------------------------------------------------------------
// Persistence

void RealNumBox::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("ElementHeight", mintElementHeight, kDefaultElementHeight);
    bag.WriteProperty("CaptionHeight", wlCaption.Height());
    bag.WriteProperty("RealNumBoxHeight", txtField.Height());
    bag.WriteProperty("Height", UserControl.Height());
    bag.WriteProperty("Caption", wlCaption.Caption(), std::string());
    bag.WriteProperty("Text", txtField.Text());
    bag.WriteProperty("DefaultMin", mDefaultMin, float{0});
    bag.WriteProperty("DefaultMax", mDefaultMax, kPersistedDefaultMax);
    bag.WriteProperty("Min", msngMin);
    bag.WriteProperty("Max", msngMax);
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
}

// The text is read before the range, whose lower end then takes the field's place: a
// loaded control shows its lower end. The caption goes straight into its label.
void RealNumBox::UserControl_ReadProperties(host::PropertyBag& bag) {
    ReadRowProperties(bag);
    txtField.Height(bag.ReadProperty("RealNumBoxHeight", txtField.Height()).AsSingle());
    UserControl.Height(bag.ReadProperty("Height", UserControl.Height()).AsSingle());
    wlCaption.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    txtField.Text(bag.ReadProperty("Text", txtField.Text()).AsString());
    DefaultMin(bag.ReadProperty("DefaultMin", float{0}).AsSingle());
    DefaultMax(bag.ReadProperty("DefaultMax", kPersistedDefaultMax).AsSingle());
    Min(bag.ReadProperty("Min", msngMin).AsSingle());
    Max(bag.ReadProperty("Max", msngMax).AsSingle());
    ReadColours(bag);
}

}  // namespace panelkit2
