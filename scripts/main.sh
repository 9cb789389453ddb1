#!/usr/bin/env bash
# The main job: builds the console and runs the example script, printing what the page holds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target panelkit-console
./build/release/tools/console/panelkit-console examples/page.pnk
