#!/bin/sh
# Start-up benchmark in one command: builds the trainer, its data folder and the
# bare Qt window beside it, then under a virtual 1280x1024 display launches both
# in turns to their first complete paint and prints the medians and ratios.
#   bench/startup.sh [RUNS]        (default 9 runs after 2 warm-up pairs)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-9}
build=${M6_BUILD_DIR:-build}
launcher=
command -v ccache >/dev/null 2>&1 && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake -S . -B "$build" -G Ninja $launcher >/dev/null
cmake --build "$build" --target matematyka6 datagen >/dev/null
cmake -S bench/launch -B "$build/launch" -G Ninja $launcher >/dev/null
cmake --build "$build/launch" >/dev/null
if [ ! -f "$build/data/.matematyka6-data" ]; then
  QT_QPA_PLATFORM=offscreen "$build/datagen" "$build/data" >/dev/null
fi
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/launch/launch_bench" "$runs" 2 "$build/data" "$build/matematyka6" "$build/launch/bare_window"
