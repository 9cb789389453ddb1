// A page of the assistant: built (controls requested, filled and added), laid out and its
// actions collected; then the page turn, which reuses the controls of the page before.
// Pages of checks, of radios (three options each), of combos (two lists each) and of
// slides (three ticks each), of number fields (two sub-ranges each), of lists (four
// items), of string rows (two rows), of continuous slides, of real number fields, and of
// every kind in turn; a heading of text blocks and lists.

#include <benchmark/benchmark.h>

#include <chrono>
#include <iterator>
#include <memory>
#include <string>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/list.hpp"
#include "panelkit2/choice/multi_list.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/choice/string_box.hpp"
#include "panelkit2/choice/text_area.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/display/heading.hpp"
#include "panelkit2/range/continuous_slide.hpp"
#include "panelkit2/range/num_box.hpp"
#include "panelkit2/range/real_num_box.hpp"
#include "panelkit2/range/slide.hpp"

namespace {

using panelkit2::Check;
using panelkit2::Combo;
using panelkit2::ContinuousSlide;
using panelkit2::ControlPort;
using panelkit2::List;
using panelkit2::MultiList;
using panelkit2::NumBox;
using panelkit2::Radio;
using panelkit2::RealNumBox;
using panelkit2::Slide;
using panelkit2::StringBox;
using panelkit2::TextArea;

// One field per option: a captioned check box with an action for each state.
void AddCheck(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(0);
    auto& check = static_cast<Check&>(*control);
    check.SetCaption("Option " + std::to_string(i));
    check.AddOption("TRUE");
    check.AddAction("on" + std::to_string(i));
    check.AddOption("FALSE");
    port.AddControl(control);
}

// A group caption and three options, each with its action.
void AddRadio(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(7);
    auto& radio = static_cast<Radio&>(*control);
    radio.SetCaption("Level " + std::to_string(i));
    for (const char* level : {"low", "mid", "high"}) {
        radio.AddOption(level);
        radio.AddAction(std::string(level) + std::to_string(i));
    }
    port.AddControl(control);
}

// Two captioned drop-down lists of two entries each, every entry with its action.
void AddCombo(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(1);
    auto& combo = static_cast<Combo&>(*control);
    const std::string n = std::to_string(i);
    combo.Caption(0, "Region " + n);
    combo.AddOption("Europe");
    combo.AddAction("region=eu" + n);
    combo.AddOption("Asia");
    combo.AddAction("region=asia" + n);
    combo.ArrayCount(2);
    combo.Caption(1, "Language " + n);
    combo.AddOption("English");
    combo.AddAction("lang=en" + n);
    combo.AddOption("French");
    combo.AddAction("lang=fr" + n);
    port.AddControl(control);
}

// A captioned track of three named ticks, each with its action, the middle one with help.
void AddSlide(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(9);
    auto& slide = static_cast<Slide&>(*control);
    const std::string n = std::to_string(i);
    slide.SetCaption("Retention " + n);
    for (const char* period : {"day", "week", "month"}) {
        slide.AddTick(period);
        slide.AddAction(std::string("keep=") + period + n);
    }
    slide.AddHelp("Seven copies", 2);
    port.AddControl(control);
}

// A captioned port number: a range, a value and actions over two sub-ranges.
void AddNumBox(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(6);
    auto& box = static_cast<NumBox&>(*control);
    const std::string n = std::to_string(i);
    box.SetCaption("Port " + n);
    box.Min(1);
    box.Max(65535);
    box.SetConditionalAction(1, 1023, "privileged" + n);
    box.SetConditionalAction(1024, 65535, "port" + n);
    box.Value(8080);
    port.AddControl(control);
}

// A captioned list of four time zones, each with its action.
void AddList(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(4);
    auto& list = static_cast<List&>(*control);
    const std::string n = std::to_string(i);
    list.Caption("Time zone " + n);
    for (const char* zone : {"UTC", "Europe/Paris", "Asia/Tokyo", "America/Denver"}) {
        list.AddOption(zone);
        list.AddAction(std::string("tz=") + zone + n);
    }
    port.AddControl(control);
}

// Two captioned rows of text, a name and an address, each with its action.
void AddStringBox(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(10);
    auto& rows = static_cast<StringBox&>(*control);
    const std::string n = std::to_string(i);
    rows.AddOption("Name " + n);
    rows.AddAction("name" + n);
    rows.AddOption("E-mail " + n);
    rows.AddAction("mail" + n);
    port.AddControl(control);
}

// A share from 0 to 1 in hundredths, with actions and help over two sub-ranges.
void AddContinuousSlide(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(3);
    auto& slide = static_cast<ContinuousSlide&>(*control);
    const std::string n = std::to_string(i);
    slide.SetCaption("CPU share " + n);
    slide.SetDecimalPlace(2);
    slide.DefaultMin(0);
    slide.DefaultMax(1);
    slide.SetConditionalAction(0, 0.5f, "share=low" + n);
    slide.SetConditionalAction(0.5f, 1, "share=high" + n);
    slide.SetSlideValue(0.25f);
    port.AddControl(control);
}

// A ratio with two real sub-ranges.
void AddRealNumBox(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(8);
    auto& box = static_cast<RealNumBox&>(*control);
    const std::string n = std::to_string(i);
    box.SetCaption("Ratio " + n);
    box.Min(0);
    box.Max(10);
    box.SetConditionalAction(0, 1, "ratio=small" + n);
    box.SetConditionalAction(1, 10, "ratio=large" + n);
    box.Value(1.5f);
    port.AddControl(control);
}

// A captioned list of three notices, two of them chosen.
void AddMultiList(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(5);
    auto& list = static_cast<MultiList&>(*control);
    const std::string n = std::to_string(i);
    list.Caption("Notify " + n);
    for (const char* event : {"failure", "success", "update"}) {
        list.AddOption(event);
        list.AddAction(std::string("notify=") + event + n);
    }
    list.SetSelectedOption("failure|update");
    port.AddControl(control);
}

// A note in a frame, with its action.
void AddTextArea(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(11);
    auto& area = static_cast<TextArea&>(*control);
    const std::string n = std::to_string(i);
    area.SetCaption("Remarks " + n);
    area.AddAction("remarks" + n);
    area.Text("A line of text\nand another");
    port.AddControl(control);
}

// A push button with its action, in the page's command row.
void AddCommand(ControlPort& port, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(2);
    auto& command = static_cast<panelkit2::Command&>(*control);
    command.SetCaption("Apply " + std::to_string(i));
    command.AddOption("TRUE");
    command.AddAction("apply" + std::to_string(i));
    port.AddControl(control);
}

// Every kind in turn: field i is of kind i modulo twelve.
void AddMixed(ControlPort& port, int64_t i) {
    static constexpr void (*kAdders[])(ControlPort&, int64_t) = {
        AddCheck,  AddCombo, AddCommand,    AddContinuousSlide, AddList,      AddMultiList,
        AddNumBox, AddRadio, AddRealNumBox, AddSlide,           AddStringBox, AddTextArea};
    kAdders[i % std::size(kAdders)](port, i);
}

// A kind of page: how one field is added and about how tall it stands.
struct PageKind {
    void (*add)(ControlPort&, int64_t);
    float twipsPerField;
};
constexpr PageKind kChecks{AddCheck, 500};
constexpr PageKind kRadios{AddRadio, 1400};
constexpr PageKind kCombos{AddCombo, 900};
constexpr PageKind kSlides{AddSlide, 1500};
constexpr PageKind kNumBoxes{AddNumBox, 400};
constexpr PageKind kLists{AddList, 2200};
constexpr PageKind kStringBoxes{AddStringBox, 700};
constexpr PageKind kContinuousSlides{AddContinuousSlide, 1500};
constexpr PageKind kRealNumBoxes{AddRealNumBox, 400};
constexpr PageKind kMixed{AddMixed, 1600};

void FillPage(ControlPort& port, const PageKind& kind, int64_t fields) {
    for (int64_t i = 0; i < fields; ++i) kind.add(port, i);
}

// The scroll bar's range is an Integer: a page more than about 32,000 twips taller than its
// container cannot scroll (error 6). The container is made as tall as the page instead.
std::unique_ptr<ControlPort> NewPort(const PageKind& kind, int64_t fields) {
    auto port = std::make_unique<ControlPort>();
    port->Surface().Height(kind.twipsPerField * static_cast<float>(fields) + 1000);
    return port;
}

void ShowPage(ControlPort& port) {
    port.Position();
    benchmark::DoNotOptimize(port.GetSelectedActions());
}

// A new container: every control is created. Timed by hand so that tearing the page down
// between iterations stays outside the measurement.
void BM_BuildLayOutCollect(benchmark::State& state, const PageKind& kind) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto port = NewPort(kind, state.range(0));
        FillPage(*port, kind, state.range(0));
        ShowPage(*port);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
    state.SetComplexityN(state.range(0));
}

// NewCanvas and the next page of the same size: the controls are reused.
void BM_PageTurn(benchmark::State& state, const PageKind& kind) {
    auto port = NewPort(kind, state.range(0));
    FillPage(*port, kind, state.range(0));
    ShowPage(*port);
    for (auto _ : state) {
        port->NewCanvas();
        FillPage(*port, kind, state.range(0));
        ShowPage(*port);
    }
    state.SetComplexityN(state.range(0));
}

// The layout alone, run again on a filled page (as a resize does).
void BM_Position(benchmark::State& state, const PageKind& kind) {
    auto port = NewPort(kind, state.range(0));
    FillPage(*port, kind, state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(port->Position());
    state.SetComplexityN(state.range(0));
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(BM_BuildLayOutCollect, checks, kChecks)->Apply(Sizes)->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, checks, kChecks)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Position, checks, kChecks)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, radios, kRadios)->Apply(Sizes)->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, radios, kRadios)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, combos, kCombos)->Apply(Sizes)->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, combos, kCombos)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, slides, kSlides)->Apply(Sizes)->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, slides, kSlides)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, numboxes, kNumBoxes)->Apply(Sizes)->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, numboxes, kNumBoxes)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, lists, kLists)->Apply(Sizes)->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, lists, kLists)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, stringboxes, kStringBoxes)->Apply(Sizes)->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, stringboxes, kStringBoxes)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, continuousslides, kContinuousSlides)
    ->Apply(Sizes)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, continuousslides, kContinuousSlides)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, realnumboxes, kRealNumBoxes)
    ->Apply(Sizes)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, realnumboxes, kRealNumBoxes)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_BuildLayOutCollect, mixed, kMixed)->Apply(Sizes)->UseManualTime();
BENCHMARK_CAPTURE(BM_PageTurn, mixed, kMixed)->Apply(Sizes);

// A heading of n entries: text blocks and one-line lists in turn, each list followed by a
// new block. The heading is as tall as its content, so it never clears itself.
void BM_Heading(benchmark::State& state) {
    const int64_t entries = state.range(0);
    for (auto _ : state) {
        panelkit2::Heading heading;
        heading.Surface().Move(0, 0, 6000, static_cast<float>(entries) * 1200 + 1000);
        for (int64_t i = 0; i < entries; i += 2) {
            heading.AddText("Step " + std::to_string(i) + " of the assistant");
            heading.AddList();
            heading.AddItem("line " + std::to_string(i));
        }
        benchmark::DoNotOptimize(heading.Reposition());
    }
    state.SetComplexityN(entries);
}
BENCHMARK(BM_Heading)->Apply(Sizes);

}  // namespace
