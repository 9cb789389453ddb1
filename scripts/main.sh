#!/usr/bin/env bash
# The main job: lays out a page in the console and prints it, then runs an example
# assistant from its file (examples/assistants/web-service.toml) with panelkit-run: in a
# window when a display is available (Finish prints the actions), otherwise unattended with
# its answers file, printing the actions and the structured result and drawing every page
# into build/assistant-pages/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --qt
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target panelkit-console panelkit-run

echo "== a page in the console (examples/page.pnk)"
./build/release/tools/console/panelkit-console examples/page.pnk

run=./build/release/tools/panelkit-run/panelkit-run
assistant=examples/assistants/web-service.toml
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "== the web service assistant in a window (Finish prints the actions; Escape cancels)"
    "$run" "$assistant" --result build/assistant-result.json
else
    echo "== the web service assistant unattended, from its answers: the actions, the result,"
    echo "   and every page drawn into build/assistant-pages/"
    "$run" "$assistant" --answers examples/assistants/web-service.answers.json \
        --result - --screenshot-dir build/assistant-pages
fi
