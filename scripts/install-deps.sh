#!/usr/bin/env bash
# Installs the build and test tools from Debian's packages when any is missing.
# --qt adds what the Qt view, its offscreen tests and its demo need; other arguments are
# further package names.
set -euo pipefail

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v ninja >/dev/null || need+=(ninja-build)
command -v g++ >/dev/null || need+=(g++)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
# panelkit-run: assistant files, answers and results, its command line.
[ -f /usr/include/toml++/toml.h ] || need+=(libtomlplusplus-dev)
[ -f /usr/include/nlohmann/json.hpp ] || need+=(nlohmann-json3-dev)
[ -f /usr/include/CLI/CLI.hpp ] || need+=(libcli11-dev)
# The assistant runner reads TOML, writes JSON and parses its command line with these.
[ -f /usr/include/toml++/toml.h ] || need+=(libtomlplusplus-dev)
[ -f /usr/include/nlohmann/json.hpp ] || need+=(nlohmann-json3-dev)
[ -f /usr/include/CLI/CLI.hpp ] || need+=(libcli11-dev)
extras=()
for arg in "$@"; do
    if [ "$arg" = "--qt" ]; then
        extras+=(qt6-base-dev xvfb xauth fonts-dejavu-core fontconfig)
    else
        extras+=("$arg")
    fi
done
for extra in "${extras[@]}"; do
    dpkg -s "$extra" >/dev/null 2>&1 || need+=("$extra")
done

if [ ${#need[@]} -gt 0 ]; then
    echo "installing: ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
