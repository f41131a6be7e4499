#!/usr/bin/env bash
# Seeds the fuzz targets from real files and runs each for a number of inputs.
#   fuzz/run.sh FUZZ_BUILD DATA_FOLDER RUNS [LOGS_FOLDER]
# DATA_FOLDER: a rendered data folder (its task files and file names seed the
# targets); LOGS_FOLDER: a data folder whose logs hold real lines (a soak run's),
# besides the lines in fuzz/seeds. A crash input is left in FUZZ_BUILD/found/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
data=$(cd "$2" && pwd)
runs=$3
logs=${4:-}
corpus=$build/corpus
found=$build/found
rm -rf "$corpus"
mkdir -p "$corpus" "$found"

# One byte that picks the task (or the log folder), then the file itself.
prefixed() {  # INDEX FILE OUT
    { printf "\\$(printf '%03o' "$1")"; cat "$2"; } > "$3"
}

mkdir -p "$corpus/windows1251" "$corpus/data_path" "$corpus/log_parser"
for work in 1:n9:v 2:n5:v 3:n8:_v; do
    IFS=: read -r n folder join <<< "$work"
    mkdir -p "$corpus/work${n}_tasks"
    for f in "$data/$folder"/t*"$join"*.txt; do
        base=$(basename "$f" .txt)
        task=${base#t}
        task=${task%%"$join"*}
        prefixed $((task - 1)) "$f" "$corpus/work${n}_tasks/$base"
        cp "$f" "$corpus/windows1251/$folder-$base"
    done
done
# Every name in the data folder, written as the program writes names.
i=0
(cd "$data" && find . -type f ! -name '.*' -printf '%P\n') | while IFS= read -r name; do
    i=$((i + 1))
    printf '%s' "${name//\//\\}" > "$corpus/data_path/$i"
done

folders=("" deli NDD OZ Add dd z1 z2 z3 z4 z5 z6 z7 z8 zcircle vch GTM)
index_of() {
    local k
    for k in "${!folders[@]}"; do
        [ "${folders[$k],,}" = "${1,,}" ] && { echo "$k"; return; }
    done
    echo -1
}
n=0
while IFS=$'\t' read -r folder line; do
    n=$((n + 1))
    printf '%s\r\n' "$line" | iconv -f UTF-8 -t WINDOWS-1251 > "$corpus/log_parser/line$n.txt"
    prefixed "$(index_of "$folder")" "$corpus/log_parser/line$n.txt" "$corpus/log_parser/seed$n"
    rm "$corpus/log_parser/line$n.txt"
done < "$here/seeds/log_lines.tsv"
if [ -n "$logs" ]; then
    while IFS= read -r log; do
        rel=${log#"$logs"/}
        folder=$(dirname "$rel")
        [ "$folder" = . ] && folder=""
        k=$(index_of "$folder")
        [ "$k" -lt 0 ] && continue
        [ -s "$log" ] || continue
        # A few whole lines from the end: the newest attempts.
        tail -n 12 "$log" > "$corpus/log_parser/tail.txt"
        prefixed "$k" "$corpus/log_parser/tail.txt" "$corpus/log_parser/soak-${folder:-tests}"
        cp "$corpus/log_parser/tail.txt" "$corpus/windows1251/soak-${folder:-tests}"
        rm "$corpus/log_parser/tail.txt"
    done < <(find "$logs" -iname stat.txt)
fi

# A long run may pass lighter options (malloc_context_size=0 keeps no stack per
# allocation); a crash input it finds is replayed as a test with the full ones.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
# The targets' scratch folders go on tmpfs when there is one: a work screen syncs
# every answer it logs to the disk, and those waits, not the reading, would set
# the pace (work 3 ran half as fast on a disk).
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
status=0
for target in windows1251 data_path log_parser work1_tasks work2_tasks work3_tasks; do
    seeds=$(ls "$corpus/$target" | wc -l)
    start=$(date +%s)
    if "$build/fuzz/fuzz_$target" -runs="$runs" -max_len=4096 -timeout=5 -detect_leaks=0 -print_final_stats=1 \
        -artifact_prefix="$found/$target-" "$corpus/$target" > "$build/fuzz_$target.log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
        tail -n 40 "$build/fuzz_$target.log"
    fi
    done_runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz_$target.log" | grep -o '[0-9]*$' || echo "?")
    echo "fuzz_$target: $result, $done_runs inputs from $seeds seeds in $(( $(date +%s) - start )) s"
done
exit $status
