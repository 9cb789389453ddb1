#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
# --sanitize: the same with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANELKIT2_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build=build/sanitize
    flags=(-DCMAKE_BUILD_TYPE=Debug -DPANELKIT2_WERROR=ON -DPANELKIT2_SANITIZE=ON -DPANELKIT2_BENCH=OFF)
fi

bash scripts/install-deps.sh --qt
cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
# The Qt view's tests draw offscreen: no display is needed.
export QT_QPA_PLATFORM=offscreen
[ -n "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR="$(mktemp -d)"  # made with mode 0700
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
