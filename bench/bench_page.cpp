// A page of the assistant: built (controls requested, filled and added), laid out and its
// actions collected; then the page turn, which reuses the controls of the page before.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/container/control_port.hpp"

namespace {

using panelkit2::Check;
using panelkit2::ControlPort;

// One field per option: a captioned check box with an action for each state.
void FillPage(ControlPort& port, int64_t fields) {
    for (int64_t i = 0; i < fields; ++i) {
        panelkit2::ObjectRef control = port.GetNewControl(0);
        auto& check = static_cast<Check&>(*control);
        check.SetCaption("Option " + std::to_string(i));
        check.AddOption("TRUE");
        check.AddAction("on" + std::to_string(i));
        check.AddOption("FALSE");
        port.AddControl(control);
    }
}

// The scroll bar's range is an Integer: a page more than about 32,000 twips taller than its
// container cannot scroll (error 6). The container is made as tall as the page instead.
std::unique_ptr<ControlPort> NewPort(int64_t fields) {
    auto port = std::make_unique<ControlPort>();
    port->Surface().Height(static_cast<float>(500 * fields + 1000));
    return port;
}

void ShowPage(ControlPort& port) {
    port.Position();
    benchmark::DoNotOptimize(port.GetSelectedActions());
}

// A new container: every control is created. Timed by hand so that tearing the page down
// between iterations stays outside the measurement.
void BM_BuildLayOutCollect(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto port = NewPort(state.range(0));
        FillPage(*port, state.range(0));
        ShowPage(*port);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BuildLayOutCollect)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// NewCanvas and the next page of the same size: the controls are reused.
void BM_PageTurn(benchmark::State& state) {
    auto port = NewPort(state.range(0));
    FillPage(*port, state.range(0));
    ShowPage(*port);
    for (auto _ : state) {
        port->NewCanvas();
        FillPage(*port, state.range(0));
        ShowPage(*port);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PageTurn)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The layout alone, run again on a filled page (as a resize does).
void BM_Position(benchmark::State& state) {
    auto port = NewPort(state.range(0));
    FillPage(*port, state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(port->Position());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Position)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
