#!/usr/bin/env bash
# A pupil's first start against a warm start: installs the build into a temporary
# prefix (program and content as the package lays them out), then starts it to the
# main menu and out (--quit-when-shown, offscreen) in turns with a new empty home
# and with a home already used, and prints the medians, their ratio and the size
# of the data folder a first start makes.
#   bench/first_start.sh [RUNS]     (default 15 pairs after one warm-up pair)
# Target: the first start within 1.33x of a warm one, the new data folder under 1 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${M6_BUILD_DIR:-build}
cmake --build "$build" --target matematyka6 content >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
export QT_QPA_PLATFORM=offscreen
mkdir -p "$work/warm"
start() { (cd "$work" && env -u XDG_DATA_HOME HOME="$1" "$work/prefix/bin/matematyka6" --quit-when-shown); }
millis() { local t0 t1; t0=$(date +%s%N); start "$1"; t1=$(date +%s%N); echo $(((t1 - t0) / 1000000)); }
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

start "$work/warm"
mkdir "$work/home0" && start "$work/home0"
size=$(du -sk "$work/home0/.local/share/matematyka6" | cut -f1)
: >"$work/first"
: >"$work/again"
for i in $(seq 1 "$runs"); do
    mkdir "$work/home$i"
    millis "$work/home$i" >>"$work/first"
    millis "$work/warm" >>"$work/again"
done
first=$(median <"$work/first")
again=$(median <"$work/again")
echo "first start (empty home): ${first} ms median of $runs"
echo "warm start:               ${again} ms median of $runs"
echo "ratio: $(awk -v a="$first" -v b="$again" 'BEGIN {printf "%.2f", a / b}')x (target 1.33x)"
echo "new data folder: ${size} KB (target under 1024 KB)"
