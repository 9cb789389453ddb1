#include "panelkit2/range/slide.hpp"

#include <algorithm>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kTrackMax = 1000;
}  // namespace

Slide::Slide()
    : TrackPanel("Slide", {ControlID::Slide, "Slide", kInitialWidth},
                 {.hidesEmptyCaption = false, .panelAtTop = false}) {
    Slide_.Scroll.Connect([this] { Slide_Scroll(); });
    Slide_.Change.Connect([this] { Slide_Change(); });
    Slide_.MouseDown.Connect([this](int16_t, int16_t, float, float) { mblnMouseDown = true; });
    Slide_.MouseUp.Connect([this](int16_t, int16_t, float, float) { mblnMouseDown = false; });
    UserControl_Initialize();
}

// --- Ticks -----------------------------------------------------------------------------

// A spacing that places the last tick at the end of the track. With no tick or one, the
// next tick would lie beyond the end.
void Slide::NumTicks(int16_t value) {
    if (value < 0) RaiseStandard(err::InvalidPropertyValue, Source().Let("NumTicks").Text());
    const int32_t spacing = value <= 1
                                ? int32_t(std::min<int64_t>(int64_t{Slide_.Max()} * 2, INT32_MAX))
                                : IntegerDivide(double(Slide_.Max()) - Slide_.Min(), value - 1);
    Slide_.TickFrequency(spacing);
    mintNumTicks = value;
    Slide_.LargeChange(std::max(spacing, 0));
    Slide_.SmallChange(std::max(spacing, 0));
    Paint();
    ResizeTicks(value);
}

void Slide::ResizeTicks(int16_t upperBound) {
    const size_t size = size_t(upperBound) + 1;
    mstrTickCaption.resize(size);
    mstrAction.resize(size);
    mstrHelp.resize(size);
}

void Slide::AddTick(std::string_view vData) {
    FullReRaise(Source().Method("AddTick"), [&] {
        NumTicks(ToInteger(int32_t{mintNumTicks} + 1.0));
        TickCaption(mintNumTicks, vData);
        mblnOptionMode = true;
    });
}

void Slide::AddOption(std::string_view vData) {
    FullReRaise(Source().Method("AddOption"), [&] {
        AddTick(vData);
        mblnOptionMode = true;
    });
}

std::string Slide::TickCaption(int16_t idx) const {
    return FullReRaise(Source().Get("TickCaption"),
                       [&] { return mstrTickCaption.at(TickIndex(idx)); });
}

// The first tick is the shown selection until the thumb moves; the end captions follow
// the first and the last tick.
void Slide::TickCaption(int16_t idx, std::string_view value) {
    FullReRaise(Source().Let("TickCaption"), [&] {
        const size_t index = TickIndex(idx);
        if (idx == 1) {
            MinCaption(value);
            SizeToText(wlTickCaption, value);
            lblTickCaption.ToolTipText(std::string(value));
            UserControl_Resize();
        }
        if (idx == mintNumTicks) MaxCaption(value);
        mstrTickCaption[index] = value;
    });
}

std::string Slide::Action(int16_t idx) const {
    return FullReRaise(Source().Get("Action"), [&] { return mstrAction.at(TickIndex(idx)); });
}

// Before the first tick an action applies at every position; later it joins tick idx,
// which a tick beyond the last creates (with one more to spare).
void Slide::Action(int16_t idx, std::string_view value) {
    FullReRaise(Source().Let("Action"), [&] {
        if (!mblnOptionMode) {
            AppendAction(mstrCommonAction, value);
            return;
        }
        if (idx > mintNumTicks) {
            NumTicks(ToInteger(int32_t{idx} + 1.0));
            ResizeTicks(mintNumTicks);
        }
        AppendAction(mstrAction.at(TickIndex(idx)), value);
    });
}

void Slide::AddHelp(std::string_view strHelp, int16_t idx) {
    SourceTrail("|PanelKit::Slide.AddHelp", [&] {
        ResizeTicks(mintNumTicks);
        mstrHelp.at(TickIndex(idx == 0 ? mintNumTicks : idx)) = strHelp;
    });
}

size_t Slide::TickIndex(int16_t idx) const {
    if (idx < 0 || idx > mintNumTicks) RaiseStandard(err::SubscriptOutOfRange);
    return size_t(idx);
}

void Slide::MinCaption(std::string_view value) {
    ShowEndCaption(wlMin, value);
}

void Slide::MaxCaption(std::string_view value) {
    ShowEndCaption(wlMax, value);
}

void Slide::ShowEndCaption(host::WrapLabel& label, std::string_view value) {
    SizeToText(label, value);
    label.ToolTipText(std::string(value));
    label.Visible(!value.empty());
    Paint();
}

// The track's range, as decimal text. Neither end recomputes the spacing of the ticks.
std::string Slide::Min() const {
    return NumberToText(Slide_.Min());
}

void Slide::Min(std::string_view value) {
    Slide_.Min(ToLong(StrictNumber(value)));
}

std::string Slide::Max() const {
    return NumberToText(Slide_.Max());
}

void Slide::Max(std::string_view value) {
    Slide_.Max(ToLong(StrictNumber(value)));
}

// --- Selection and answer --------------------------------------------------------------

// Captions compare exactly and every tick is visited, so among equal captions the last
// wins. Position 0 holds no tick and is not visited: an empty text selects the last tick
// without a caption, if any.
void Slide::SetSelectedOption(std::string_view vData) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] {
        for (int16_t tick = 1; tick <= mintNumTicks; ++tick) {
            if (mstrTickCaption[size_t(tick)] != vData) continue;
            Slide_.Value(PositionOf(tick));
            Slide_Scroll();
        }
    });
}

std::string Slide::GetSelectedOption() const {
    return lblTickCaption.ToolTipText();
}

// Without ticks there is no answer, not even the common actions.
std::string Slide::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        const int32_t tick = TickAtThumb();
        if (mintNumTicks == 0) return std::string();
        return Answer(mstrAction[size_t(tick)]);
    });
}

void Slide::Clear() {
    NumTicks(0);
    wlTickCaption.Caption({});
    Caption(std::string_view());
    ResizeTicks(0);
    for (auto* list : {&mstrAction, &mstrTickCaption, &mstrHelp}) list->front().clear();
    Caption(std::string_view());
    ResetContract();
}

// --- The thumb -------------------------------------------------------------------------

int32_t Slide::Spacing() const {
    return Slide_.TickFrequency();
}

int32_t Slide::PositionOf(int32_t tick) const {
    return int32_t(std::clamp<int64_t>(int64_t{Spacing()} * (tick - 1), INT32_MIN, INT32_MAX));
}

// A range that is no multiple of the spacing leaves room beyond the last tick; a thumb
// there counts as standing on the last tick.
int32_t Slide::TickAtThumb() const {
    const int32_t tick = IntegerDivide(Slide_.Value(), Spacing()) + 1;
    return std::clamp(tick, 1, std::max<int32_t>(mintNumTicks, 1));
}

bool Slide::Moves() const {
    return mintNumTicks >= 2 && Spacing() > 0;
}

// The thumb moved: the middle caption follows the tick under it, then the thumb settles.
void Slide::Slide_Scroll() {
    if (!Moves()) return;
    const std::string& caption = mstrTickCaption[size_t(TickAtThumb())];
    if (wlTickCaption.Caption() != caption) {
        SizeToText(wlTickCaption, caption);
        lblTickCaption.ToolTipText(caption);
        Slide_.ToolTipText(caption);
        UserControl_Resize();
    }
    SettleTick();
}

// The thumb came to rest (not while the mouse still holds it).
void Slide::Slide_Change() {
    if (!Moves() || mblnMouseDown) return;
    if (!SnapToTick()) return;
    SettleTick();
    if (Slide_.Visible()) Slide_.SetFocus();
}

// At or beyond Max the thumb stays at Max; otherwise it drops onto the tick at or below
// it. A held thumb moves freely.
bool Slide::SnapToTick() {
    if (Slide_.Value() >= Slide_.Max()) {
        Slide_.Value(Slide_.Max());
        return true;
    }
    if (mblnMouseDown) return true;
    const int32_t below = IntegerDivide(Slide_.Value(), Spacing());
    if (below > mintNumTicks) return false;
    Slide_.Value(PositionOf(below + 1));
    return true;
}

// The tick under the thumb offers its help text, or withdraws any help shown. The track's
// own Visible flag decides, not whether the page shows it.
void Slide::SettleTick() {
    if (!SnapToTick()) return;
    const int32_t tick = TickAtThumb();
    const std::string& help = mstrHelp[size_t(tick)];
    if (!Slide_.Visible() || help.empty()) return WithdrawHelp(mstrTickCaption[size_t(tick)]);
    PopHelp(tick);
}

// The popup is centred over the tick's share of the track, a gap above it; X and Y in
// the control's twips.
void Slide::PopHelp(int32_t tick) {
    const std::string help = mstrHelp[size_t(tick)];
    const int32_t step = IntegerDivide(ToLong(Slide_.Width()), mintNumTicks);
    const float helpWidth = UserControl.TextWidth(help);
    OfferHelp(help, double(Slide_.Left()) + double(step) * tick - (helpWidth - 200) / 2);
}

// --- Drawing -----------------------------------------------------------------------------

void Slide::Redraw() {
    vseFrame.Refresh();
    Slide_.Refresh();
    wlTickCaption.Reflow();
    UserControl.Refresh();
}

// --- Life cycle --------------------------------------------------------------------------

void Slide::UserControl_Initialize() {
    {
        LayoutGuard guard(mblnLayoutBusy);
        UserControl.Height(kInitialHeight);
        vseFrame.Height(kInitialHeight);
        Slide_.TabStop(false);
        UserControl.Width(vseFrame.Width());
        mlngDesiredWidth = kInitialWidth;
        Slide_.Max(kTrackMax);
        Slide_.Min(0);
        NumTicks(0);
        ResizeTicks(0);
        mstrCommonAction.clear();
        wlTickCaption.Caption({});
        mblnOptionMode = false;
    }
    Paint();
}

void Slide::UserControl_WriteProperties(host::PropertyBag& bag) {
    WriteSize(bag);
    bag.WriteProperty("Caption", wlCaption.Caption(), std::string());
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
}

// Colours are written but not read: a loaded control has its designed colours. The
// caption also becomes the label's full text, which later layouts restore it from.
void Slide::UserControl_ReadProperties(host::PropertyBag& bag) {
    ReadSize(bag);
    const std::string caption = bag.ReadProperty("Caption", std::string()).AsString();
    wlCaption.Caption(caption);
    wlCaption.ToolTipText(caption);
}

}  // namespace panelkit2
