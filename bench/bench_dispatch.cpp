// One member call made directly (plain and virtual), late-bound by name and late-bound by
// dispatch identifier.

#include <benchmark/benchmark.h>

#include "panelkit2/choice/check.hpp"

namespace {

using panelkit2::CallKind;

void DirectCall(benchmark::State& state) {
    panelkit2::Check check;
    for (auto _ : state) benchmark::DoNotOptimize(check.CtlID());
}
BENCHMARK(DirectCall);

// The reference a late-bound call is measured against: a virtual member through the base.
void DirectVirtualCall(benchmark::State& state) {
    panelkit2::Check check;
    panelkit2::OptionControl* control = &check;
    for (auto _ : state) {
        benchmark::DoNotOptimize(control);
        benchmark::DoNotOptimize(control->Show());
    }
}
BENCHMARK(DirectVirtualCall);

void LateBoundByName(benchmark::State& state) {
    panelkit2::Check check;
    for (auto _ : state)
        benchmark::DoNotOptimize(panelkit2::CallByName(check, "CtlID", CallKind::GetOrMethod, {}));
}
BENCHMARK(LateBoundByName);

void LateBoundByDispId(benchmark::State& state) {
    panelkit2::Check check;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            panelkit2::CallByDispId(check, 0x68030009, CallKind::GetOrMethod, {}));
}
BENCHMARK(LateBoundByDispId);

// A call with a by-reference string argument, the common shape of the filling members.
void LateBoundByNameWithArgument(benchmark::State& state) {
    panelkit2::Check check;
    panelkit2::Variant args[] = {panelkit2::Variant("TRUE")};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            panelkit2::CallByName(check, "AddOption", CallKind::GetOrMethod, args));
}
BENCHMARK(LateBoundByNameWithArgument);

}  // namespace
