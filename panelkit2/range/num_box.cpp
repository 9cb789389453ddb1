#include "panelkit2/range/num_box.hpp"

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kInitialDesiredWidth = 500;
// Defaults of the persisted values: field and spin buttons share 1100 twips.
constexpr float kPersistedUpdWidth = 260;
constexpr float kPersistedCaptionHeight = 260;
constexpr float kFieldAndUpdWidth = 1100;
constexpr int32_t kPersistedDefaultMax = 100;
// Range ends shown as unbounded (not the largest Long).
constexpr int32_t kMinusInfinity = -2147483499;
constexpr int32_t kPlusInfinity = 2147483499;
// A field is this much wider than the digits of a range end, and a control widened for
// them this much wider than spin buttons, digits and caption text.
constexpr double kDigitsMargin = 100;
constexpr double kWidenedRoom = 400;
// The Value let's own error.
constexpr std::string_view kValueErrorText =
    "A numbox can only contain a number within the range 4.9E-324 to 1.7E308.";
}  // namespace

NumBox::NumBox()
    : RangedNumberField<int32_t>("NumBox",
                                 {.kind = ControlID::NumBox,
                                  .sourceName = "NumBox",
                                  .initialDesiredWidth = kInitialDesiredWidth,
                                  .addActionSource = "PanelKit::AddAction"},
                                 "NumBox", kValueErrorText) {
    UserControl_Initialize();
}

void NumBox::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mudtActionRanges.Restart();
            InitializeRow();
            Upd.Height(mintElementHeight);
            Upd.SetBuddy(
                &txtField, [this] { return txtField.Text(); },
                [this](const std::string& text) { txtField.Text(text); });
            Upd.BuddyProperty("Text");
            ResetContract();
        }
        Paint();
    });
}

// ---------------------------------------------------------------------------------------
// Range

int32_t NumBox::Min() const {
    return FullReRaise(Source().Get("Min"), [&] { return ToLong(Upd.Min()); });
}

int32_t NumBox::Max() const {
    return FullReRaise(Source().Get("Max"), [&] { return ToLong(Upd.Max()); });
}

// One end of the range goes into the spin buttons (the lower one into the field as well);
// both tool tips show the range, the field widens to the new end's digits.
void NumBox::LetRangeEnd(bool lower, int32_t value) {
    const float width = UserControl.Width();
    if (lower)
        Upd.Min(value);
    else
        Upd.Max(value);
    UserControl.Width(width);
    const std::string number = NumberToText(value);
    if (lower) txtField.Text(number);
    ShowRangeEnd(lower, number, value == (lower ? kMinusInfinity : kPlusInfinity),
                 {kDigitsMargin, kWidenedRoom});
}

// ---------------------------------------------------------------------------------------
// The value

void NumBox::WriteValue(int32_t value) {
    txtField.Text(NumberToText(value));
    ClampValue();
}

void NumBox::SetSelectedOption(int32_t vData) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] {
        ClampValue();
        Value(vData);
    });
}

// The field clamped, then its text as a whole number.
int32_t NumBox::ClampedValue() const {
    ClampValue();
    return ToLong(LenientNumber(txtField.Text()));
}

// Back to the default range with one sub-range covering it; the used-range count is kept.
void NumBox::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        Caption(std::string_view());
        ResetRow();
        Min(mDefaultMin);
        Max(mDefaultMax);
        mudtActionRanges.Reset({mDefaultMin, mDefaultMax, {}});
        ResetContract();
        Paint();
    });
}

// ---------------------------------------------------------------------------------------
// Persistence

void NumBox::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("ElementHeight", mintElementHeight, kDefaultElementHeight);
    bag.WriteProperty("UpdWidth", Upd.Width(), kPersistedUpdWidth);
    bag.WriteProperty("CaptionHeight", wlCaption.Height(), kPersistedCaptionHeight);
    bag.WriteProperty("NumBoxHeight", txtField.Height());
    bag.WriteProperty("NumBoxWidth", txtField.Width(), kFieldAndUpdWidth - Upd.Width());
    bag.WriteProperty("Height", UserControl.Height());
    bag.WriteProperty("DefaultMax", mDefaultMax, kPersistedDefaultMax);
    bag.WriteProperty("DefaultMin", mDefaultMin, int32_t{0});
    bag.WriteProperty("Min", Min(), mDefaultMin);
    bag.WriteProperty("Max", Max(), mDefaultMax);
    bag.WriteProperty("Caption", wlCaption.Caption(), std::string());
    bag.WriteProperty("Text", txtField.Text(), Min());
}

// The range ends go through their lets (fitting the field); the caption goes straight into
// its label. "UpdHeight" is read though never written.
void NumBox::UserControl_ReadProperties(host::PropertyBag& bag) {
    ReadRowProperties(bag);
    txtField.Height(bag.ReadProperty("NumBoxHeight", txtField.Height()).AsSingle());
    txtField.Width(bag.ReadProperty("NumBoxWidth", kFieldAndUpdWidth - Upd.Width()).AsSingle());
    UserControl.Height(bag.ReadProperty("Height", UserControl.Height()).AsSingle());
    DefaultMin(bag.ReadProperty("DefaultMin", int32_t{0}).AsLong());
    DefaultMax(bag.ReadProperty("DefaultMax", kPersistedDefaultMax).AsLong());
    Min(bag.ReadProperty("Min", mDefaultMin).AsLong());
    Max(bag.ReadProperty("Max", mDefaultMax).AsLong());
    wlCaption.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    txtField.Text(bag.ReadProperty("Text", Min()).AsString());
}

}  // namespace panelkit2
