#include "panelkit2/range/num_box.hpp"

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kInitialDesiredWidth = 500;
// A new control is at least this wide, spin buttons included.
constexpr float kInitialWidth = 500;
// The field and spin buttons as designed.
constexpr float kDesignFieldWidth = 840;
constexpr float kDesignFieldHeight = 285;
constexpr float kDesignUpdWidth = 260;
constexpr float kClearedFieldWidth = 810;
// Defaults of the persisted values: field and spin buttons share 1100 twips.
constexpr float kPersistedUpdWidth = 260;
constexpr float kPersistedCaptionHeight = 260;
constexpr float kFieldAndUpdWidth = 1100;
constexpr int32_t kPersistedDefaultMax = 100;
// Range ends shown as unbounded (not the largest Long).
constexpr int32_t kMinusInfinity = -2147483499;
constexpr int32_t kPlusInfinity = 2147483499;
// The Value let's own error.
constexpr auto kValueError = static_cast<int32_t>(0x80040001u);
constexpr std::string_view kValueErrorText =
    "A numbox can only contain a number within the range 4.9E-324 to 1.7E308.";
}  // namespace

NumBox::NumBox()
    : OptionControl("NumBox", {.kind = ControlID::NumBox,
                               .sourceName = "NumBox",
                               .initialDesiredWidth = kInitialDesiredWidth,
                               .addActionSource = "PanelKit::AddAction"}),
      NumBox_(&UserControl, "NumBox"),
      Upd(&UserControl, "Upd"),
      wlCaption(&UserControl, "wlCaption"),
      mintElementHeight(kDefaultElementHeight) {
    // Design-time state: the field shows the spin buttons' lower end, so a new control
    // holds a number from the start.
    NumBox_.Move(0, 0, kDesignFieldWidth, kDesignFieldHeight);
    NumBox_.Text(NumberToText(Min()));
    Upd.Move(kDesignFieldWidth, 0, kDesignUpdWidth, kDesignFieldHeight);
    wlCaption.Move(kDesignFieldWidth + kDesignUpdWidth + kCaptionOffset, 0);
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    NumBox_.Change.Connect([this] { NumBox_Change(); });
    NumBox_.KeyPress.Connect([this](int16_t& keyAscii) { NumBox_KeyPress(keyAscii); });
    NumBox_.KeyDown.Connect([this](int16_t& keyCode, int16_t) { NumBox_KeyDown(keyCode); });
    NumBox_.GotFocus.Connect([this] { NumBox_GotFocus(); });
    NumBox_.LostFocus.Connect([this] { NumBox_LostFocus(); });
    UserControl_Initialize();
}

void NumBox::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mintActionCount = 0;
            mblnRangeUsed = false;
            if (UserControl.Height() < kDefaultElementHeight)
                UserControl.Height(kDefaultElementHeight);
            if (kInitialWidth - Upd.Width() > UserControl.Width()) UserControl.Width(kInitialWidth);
            mintElementHeight = kDefaultElementHeight;
            wlCaption.Height(mintElementHeight);
            Upd.Height(mintElementHeight);
            Upd.SetBuddy(
                &NumBox_, [this] { return NumBox_.Text(); },
                [this](const std::string& text) { NumBox_.Text(text); });
            Upd.BuddyProperty("Text");
            mudtActionRanges.assign(1, ActionRange{});
            mblnOptionMode = false;
            mstrCommonAction.clear();
            mlngDesiredWidth = kInitialDesiredWidth;
        }
        Paint();
    });
}

// ---------------------------------------------------------------------------------------
// Range

void NumBox::DefaultMin(int32_t value) {
    FullReRaise(Source().Let("DefaultMin"), [&] {
        mlngDefaultMin = value;
        Min(value);
        UserControl.PropertyChanged("DefaultMin");
    });
}

void NumBox::DefaultMax(int32_t value) {
    FullReRaise(Source().Let("DefaultMax"), [&] {
        mlngDefaultMax = value;
        Max(value);
        UserControl.PropertyChanged("DefaultMax");
    });
}

int32_t NumBox::Min() const {
    return FullReRaise(Source().Get("Min"), [&] { return ToLong(Upd.Min()); });
}

void NumBox::Min(int32_t value) {
    FullReRaise(Source().Method("min"), [&] { LetRangeEnd(RangeEnd::Lower, value); });
}

int32_t NumBox::Max() const {
    return FullReRaise(Source().Get("Max"), [&] { return ToLong(Upd.Max()); });
}

void NumBox::Max(int32_t value) {
    FullReRaise(Source().Method("max"), [&] { LetRangeEnd(RangeEnd::Upper, value); });
}

// One end of the range goes into the spin buttons (the lower one into the field as well);
// both tool tips show the range, the field widens to the new end's digits.
void NumBox::LetRangeEnd(RangeEnd end, int32_t value) {
    const bool lower = end == RangeEnd::Lower;
    const float width = UserControl.Width();
    if (lower)
        Upd.Min(value);
    else
        Upd.Max(value);
    UserControl.Width(width);
    if (lower) NumBox_.Text(NumberToText(value));
    std::string& shown = lower ? mstrMinText : mstrMaxText;
    if (lower && value == kMinusInfinity)
        shown = "-infinity";
    else if (!lower && value == kPlusInfinity)
        shown = "infinity";
    else
        shown = NumberToText(value);
    const std::string range = mstrMinText + "-" + mstrMaxText;
    Upd.ToolTipText(range);
    NumBox_.ToolTipText(range);
    FitFieldToNumber(value);
    UserControl.PropertyChanged(lower ? "Min" : "Max");
    Paint();
}

// ---------------------------------------------------------------------------------------
// The value

int32_t NumBox::Value() const {
    return FullReRaise(Source().Get("Value"), [&] { return ClampedValue(); });
}

void NumBox::Value(int32_t value) {
    OwnError(kValueError, Source().Let("Value"), kValueErrorText, [&] {
        NumBox_.Text(NumberToText(value));
        ClampValue();
        UserControl.PropertyChanged("Value");
    });
}

void NumBox::SetSelectedOption(int32_t vData) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] {
        ClampValue();
        Value(vData);
    });
}

int32_t NumBox::GetSelectedOption() const {
    return FullReRaise(Source().Method("GetSelectedOption"), [&] { return ClampedValue(); });
}

// The field clamped, then its text as a whole number.
int32_t NumBox::ClampedValue() const {
    ClampValue();
    return ToLong(LenientNumber(NumBox_.Text()));
}

// Back to the default range with one sub-range covering it; the used-range count is kept.
void NumBox::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        Caption(std::string_view());
        NumBox_.Width(kClearedFieldWidth);
        Upd.Left(NumBox_.Width());
        wlCaption.Left(Upd.Width() + NumBox_.Width() + kCaptionOffset);
        Min(mlngDefaultMin);
        Max(mlngDefaultMax);
        mintActionCount = 0;
        mudtActionRanges.assign(1, ActionRange{mlngDefaultMin, mlngDefaultMax, {}});
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
    bag.WriteProperty("NumBoxHeight", NumBox_.Height());
    bag.WriteProperty("NumBoxWidth", NumBox_.Width(), kFieldAndUpdWidth - Upd.Width());
    bag.WriteProperty("Height", UserControl.Height());
    bag.WriteProperty("DefaultMax", mlngDefaultMax, kPersistedDefaultMax);
    bag.WriteProperty("DefaultMin", mlngDefaultMin, int32_t{0});
    bag.WriteProperty("Min", Min(), mlngDefaultMin);
    bag.WriteProperty("Max", Max(), mlngDefaultMax);
    bag.WriteProperty("Caption", wlCaption.Caption(), std::string());
    bag.WriteProperty("Text", NumBox_.Text(), Min());
}

// The range ends go through their lets (fitting the field); the caption goes straight into
// its label. "UpdHeight" is read though never written.
void NumBox::UserControl_ReadProperties(host::PropertyBag& bag) {
    ElementHeight(bag.ReadProperty("ElementHeight", kDefaultElementHeight).AsInteger());
    wlCaption.Height(bag.ReadProperty("CaptionHeight", wlCaption.Height()).AsSingle());
    const float updHeight = bag.ReadProperty("UpdHeight", Upd.Height()).AsSingle();
    const float updWidth = bag.ReadProperty("UpdWidth", kPersistedUpdWidth).AsSingle();
    Upd.Move(Upd.Left(), Upd.Top(), updWidth, updHeight);
    NumBox_.Height(bag.ReadProperty("NumBoxHeight", NumBox_.Height()).AsSingle());
    NumBox_.Width(bag.ReadProperty("NumBoxWidth", kFieldAndUpdWidth - Upd.Width()).AsSingle());
    UserControl.Height(bag.ReadProperty("Height", UserControl.Height()).AsSingle());
    DefaultMin(bag.ReadProperty("DefaultMin", int32_t{0}).AsLong());
    DefaultMax(bag.ReadProperty("DefaultMax", kPersistedDefaultMax).AsLong());
    Min(bag.ReadProperty("Min", mlngDefaultMin).AsLong());
    Max(bag.ReadProperty("Max", mlngDefaultMax).AsLong());
    wlCaption.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    NumBox_.Text(bag.ReadProperty("Text", Min()).AsString());
}

}  // namespace panelkit2
