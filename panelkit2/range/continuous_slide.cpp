#include "panelkit2/range/continuous_slide.hpp"

#include <cmath>
#include <cstdlib>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
// The keys' step is ten whole units of the value, 10^DecimalPlace x 10 positions, which
// must fit a Long: eight decimals at most.
constexpr int16_t kMostDecimals = 8;
}  // namespace

ContinuousSlide::ContinuousSlide()
    : TrackPanel("ContinuousSlide", {ControlID::ContinuousSlide, "ContinuousSlide", kInitialWidth},
                 {.hidesEmptyCaption = true, .panelAtTop = true}) {
    // Design-time state: the track holds the single position 0, so a new control has an
    // empty range from the start.
    Slide_.Max(0);
    Slide_.Scroll.Connect([this] { Slide_Change(); });
    Slide_.Change.Connect([this] { Slide_Change(); });
    UserControl_Initialize();
}

// --- The range ---------------------------------------------------------------------------

int16_t ContinuousSlide::Min() const {
    return ToInteger(Slide_.Min());
}

void ContinuousSlide::Min(int16_t value) {
    FullReRaise(Source().Let("Min"), [&] { LetRangeEnd(RangeEnd::Lower, value); });
}

int16_t ContinuousSlide::Max() const {
    return ToInteger(Slide_.Max());
}

void ContinuousSlide::Max(int16_t value) {
    FullReRaise(Source().Let("Max"), [&] { LetRangeEnd(RangeEnd::Upper, value); });
}

// An end beyond the other end pushes that one a position further (its caption shows the
// plain position asked for). An end on the other end leaves the range empty: the track
// keeps its range but is disabled until the upper end is set apart again. Setting the
// lower end puts the thumb on it.
void ContinuousSlide::LetRangeEnd(RangeEnd end, int16_t value) {
    const bool lower = end == RangeEnd::Lower;
    const int32_t other = lower ? Slide_.Max() : Slide_.Min();
    if (lower ? value > other : value < other) {
        if (lower) {
            Slide_.Max(int32_t{value} + 1);
            MaxCaption(NumberToText(int32_t{value}));
        } else {
            Slide_.Min(int32_t{value} - 1);
            MinCaption(NumberToText(int32_t{value}));
        }
    } else if (value == other) {
        lower ? MinCaption(FormatPosition(value)) : MaxCaption(FormatPosition(value));
        Slide_.Enabled(false);
        return;
    }
    if (lower) {
        Slide_.Min(value);
        Slide_.Value(value);
        MinCaption(FormatPosition(value));
    } else {
        Slide_.Enabled(true);
        Slide_.Max(value);
        MaxCaption(FormatPosition(value));
    }
}

// The position is worked out before anything changes, so a value out of range is refused
// whole (error 6).
void ContinuousSlide::DefaultMin(float value) {
    FullReRaise(Source().Let("DefaultMin"), [&] {
        const int16_t position = ToInteger(PositionOf(value));
        msngDefaultMin = value;
        Min(position);
        UserControl.PropertyChanged("DefaultMin");
    });
}

void ContinuousSlide::DefaultMax(float value) {
    FullReRaise(Source().Let("DefaultMax"), [&] {
        const int16_t position = ToInteger(PositionOf(value));
        msngDefaultMax = value;
        Max(position);
        UserControl.PropertyChanged("DefaultMax");
    });
}

// The lower end's text shows in the middle as well: setting the lower end puts the thumb
// there.
void ContinuousSlide::MinCaption(std::string_view value) {
    ShowEndCaption(wlMin, value);
    SizeToText(wlTickCaption, wlMin.Caption());
    UserControl_Resize();
}

void ContinuousSlide::MaxCaption(std::string_view value) {
    ShowEndCaption(wlMax, value);
}

// An empty text leaves the label as visible as it was.
void ContinuousSlide::ShowEndCaption(host::WrapLabel& label, std::string_view value) {
    SizeToText(label, value);
    if (!value.empty()) label.Visible(true);
    Paint();
}

// --- Decimals and values -----------------------------------------------------------------

void ContinuousSlide::DecimalPlace(int16_t value) {
    FullReRaise(Source().Let("DecimalPlace"), [&] { SetDecimalPlace(value); });
}

void ContinuousSlide::SetDecimalPlace(int16_t vData) {
    FullReRaise(Source().Method("SetDecimalPlace"), [&] {
        if (vData < 0) RaiseStandard(err::InvalidPropertyValue);
        if (vData > kMostDecimals) RaiseStandard(err::Overflow);
        mintDecimalPlace = vData;
        const int32_t step = ToLong(Scale() * 10);
        Slide_.SmallChange(step);
        Slide_.LargeChange(step);
        TickCaption();
        Max(ToInteger(Slide_.Max()));
        Min(ToInteger(Slide_.Min()));
    });
}

double ContinuousSlide::Scale() const {
    return std::pow(10.0, mintDecimalPlace);
}

// The product is rounded to single precision before its floor is taken: the value is only
// as exact as a Single, and 0.29f x 100 in double lies just below 29.
double ContinuousSlide::PositionOf(float value) const {
    return std::floor(double{ToSingle(double{value} * Scale())});
}

float ContinuousSlide::ValueAt(int32_t position) const {
    return ToSingle(position / Scale());
}

std::string ContinuousSlide::FormatPosition(int32_t position) const {
    std::string digits = std::to_string(std::llabs(position));
    const size_t decimals = static_cast<size_t>(mintDecimalPlace);
    if (digits.size() < decimals + 1) digits.insert(0, decimals + 1 - digits.size(), '0');
    if (decimals > 0) digits.insert(digits.size() - decimals, ".");
    return position < 0 ? "-" + digits : digits;
}

void ContinuousSlide::SetSlideValue(float vData) {
    FullReRaise(Source().Method("SetSlideValue"), [&] { Slide_.Value(ToLong(PositionOf(vData))); });
}

void ContinuousSlide::SetSelectedOption(float Value) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] { SetSlideValue(Value); });
}

float ContinuousSlide::GetSelectedOption() const {
    return ValueAt(Slide_.Value());
}

// --- Sub-ranges and actions --------------------------------------------------------------

std::string ContinuousSlide::Action() const {
    return FullReRaise(Source().Get("Action"),
                       [&] { return mudtRanges.At(mudtRanges.Last()).Action; });
}

// Keyed by the track's range, in positions, once actions go to sub-ranges.
void ContinuousSlide::Action(std::string_view value) {
    FullReRaise(Source().Let("Action"), [&] {
        if (!mblnOptionMode) return AppendAction(mstrCommonAction, value);
        mudtRanges.Attach(float(Slide_.Min()), float(Slide_.Max()), value);
    });
}

// The first option goes into the placeholder; each later one after the last sub-range.
void ContinuousSlide::AddOption(float vMin, float VMax) {
    FullReRaise(Source().Method("AddOption"), [&] {
        ValueRange& range = mblnOptionMode ? mudtRanges.Grow() : mudtRanges.At(mudtRanges.Last());
        range.Max = VMax;
        range.Min = vMin;
        mblnOptionMode = true;
    });
}

// After an option an action replaces the newest sub-range's own; before, it is common.
void ContinuousSlide::RouteAction(std::string_view text) {
    if (!mblnOptionMode) return AppendAction(mstrCommonAction, text);
    mudtRanges.At(mudtRanges.Last()).Action = text;
}

// Help belongs to the newest option; before the first one there is nothing to attach to.
void ContinuousSlide::AddHelp(std::string_view strHelp) {
    FullReRaise(Source().Method("AddHelp"), [&] {
        if (mblnOptionMode) mudtRanges.At(mudtRanges.Last()).Help = strHelp;
    });
}

void ContinuousSlide::SetConditionalAction(float vMin, float VMax, std::string_view vData) {
    FullReRaise(Source().Method("SetConditionalAction"), [&] {
        if (!mudtRanges.AppendToEvery(vMin, VMax, vData)) mudtRanges.Store(vMin, VMax, vData);
    });
}

std::string ContinuousSlide::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        return Answer(mudtRanges.ActionsContaining(ValueAt(Slide_.Value())));
    });
}

std::string ContinuousSlide::HelpsContaining(float value) const {
    std::string helps;
    mudtRanges.ForEachContaining(value, [&](const ValueRange& range) {
        if (!range.Help.empty()) AppendAction(helps, range.Help);
    });
    return helps;
}

// Ranges, actions, texts and decimals go; the track's range, the position it was given
// and whether sub-ranges were ever stored stay.
void ContinuousSlide::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        for (host::WrapLabel* label : {&wlMin, &wlMax, &wlTickCaption}) {
            label->Caption({});
            label->ToolTipText({});
        }
        lblTickCaption.Caption({});
        lblTickCaption.ToolTipText({});
        vseFrame.Caption({});
        vseFrame.ToolTipText({});
        Caption(std::string_view());
        mudtRanges.Reset();
        mstrCommonAction.clear();
        Slide_.Value(Slide_.Min());
        mintDecimalPlace = 0;
        ResetContract();
    });
}

// --- The thumb ---------------------------------------------------------------------------

void ContinuousSlide::TickCaption() {
    SizeToText(wlTickCaption, FormatPosition(Slide_.Value()));
    UserControl_Resize();
}

// The thumb moved or came to rest: the middle caption shows the value and the help of the
// sub-ranges holding it is offered. There is no snapping: every position is a value.
void ContinuousSlide::Slide_Change() {
    TickCaption();
    SettleValue();
    if (Slide_.Visible() && Slide_.Enabled()) Slide_.SetFocus();
}

// The track's own Visible flag decides, not whether the page shows it.
void ContinuousSlide::SettleValue() {
    const std::string helps = HelpsContaining(ValueAt(Slide_.Value()));
    if (Slide_.Visible() && !helps.empty()) return OfferHelp(helps, HelpAnchor());
    WithdrawHelp(wlTickCaption.Caption());
}

// Above the thumb: as far along the track as the value lies along the range. An empty
// range has its one position at the left end.
double ContinuousSlide::HelpAnchor() const {
    const double span = double(Slide_.Max()) - Slide_.Min();
    if (span <= 0) return Slide_.Left();
    const double along = (double(Slide_.Value()) - Slide_.Min()) * Slide_.Width() / span;
    return double(Slide_.Left()) + RoundHalfEven(along);
}

// --- Drawing and life cycle --------------------------------------------------------------

void ContinuousSlide::Redraw() {
    lblTickCaption.Visible(true);
    vseFrame.Refresh();
    Slide_.Refresh();
    wlMin.Reflow();
    wlMax.Reflow();
    lblTickCaption.Refresh();
    UserControl.Refresh();
}

// A new control shows 0 on an empty, disabled track.
void ContinuousSlide::UserControl_Initialize() {
    {
        LayoutGuard guard(mblnLayoutBusy);
        UserControl.Height(kInitialHeight);
        vseFrame.Height(kInitialHeight);
        Slide_.TabStop(false);
        mlngDesiredWidth = kInitialWidth;
        wlTickCaption.Caption("0");
        Slide_.TickFrequency(1);
        Slide_.SmallChange(1);
        Slide_.LargeChange(10);
        mudtRanges.Restart();
        mstrCommonAction.clear();
        wlTickCaption.Caption({});
        mblnOptionMode = false;
        SetDecimalPlace(0);
        Max(0);
        Min(0);
    }
    Paint();
}

// The persisted caption is the panel's own; decimals, colours and sub-ranges are not kept,
// so a loaded control applies its default range with no decimals.
void ContinuousSlide::UserControl_WriteProperties(host::PropertyBag& bag) {
    WriteSize(bag);
    bag.WriteProperty("Caption", vseFrame.Caption(), std::string());
    bag.WriteProperty("DefaultMin", msngDefaultMin, 0.0f);
    bag.WriteProperty("DefaultMax", msngDefaultMax, 0.0f);
}

void ContinuousSlide::UserControl_ReadProperties(host::PropertyBag& bag) {
    ReadSize(bag);
    vseFrame.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    DefaultMin(bag.ReadProperty("DefaultMin", 0.0f).AsSingle());
    DefaultMax(bag.ReadProperty("DefaultMax", 0.0f).AsSingle());
}

}  // namespace panelkit2
