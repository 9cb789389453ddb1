#!/usr/bin/env bash
# The main job: lays out a page in the console and prints it, then runs the demo assistant,
# in a window when a display is available, otherwise offscreen, writing a screenshot
# (build/demo.png) and printing the page's actions.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --qt
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target panelkit-console panelkit-demo

echo "== a page in the console (examples/page.pnk)"
./build/release/tools/console/panelkit-console examples/page.pnk

demo=./build/release/examples/panelkit-demo/panelkit-demo
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "== the demo assistant in a window (Next prints the page's actions)"
    "$demo"
else
    echo "== the demo assistant offscreen: screenshot in build/demo.png, the first page's actions"
    "$demo" --screenshot build/demo.png
fi
