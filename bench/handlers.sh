#!/bin/sh
# Handler benchmark in one command: builds it with the test data folder it copies
# from, and prints every screen's slowest clicks and timer ticks.
#   bench/handlers.sh [ROUNDS]
set -eu
cd "$(dirname "$0")/.."
build=${M6_BUILD_DIR:-build}
launcher=
command -v ccache >/dev/null 2>&1 && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake -S . -B "$build" -G Ninja $launcher >/dev/null
cmake --build "$build" --target handlers_bench testdata >/dev/null
QT_QPA_PLATFORM=offscreen exec "$build/handlers_bench" "$@"
