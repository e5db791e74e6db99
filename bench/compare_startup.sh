#!/bin/sh
# Start-up as whole processes: a bare Qt main window with an MDI area against
# the suite reaching its shown main window with the contents loaded
# (`orrinvale --bench-startup` quits right after that first show). Runs the
# two alternately RUNS times each and prints the medians and their ratio.
# Without a display both run on the offscreen platform.
# Usage: bench/compare_startup.sh [build folder] [runs]
set -eu
BUILD=${1:-build}
RUNS=${2:-15}
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Two runs of the given command: wall-clock microseconds of the plain run and
# CPU microseconds of a run under perf's task clock (0 without perf), on one
# line. On a busy machine the CPU time is the steadier figure of the two.
time_once() {
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    : >"$dir/cpu"
    if command -v perf >/dev/null; then
        perf stat -x, -e task-clock -o "$dir/cpu" "$@" >/dev/null 2>&1
    fi
    awk -F, -v wall=$(( (end - start) / 1000 )) '/task-clock/ { cpu = $1 * 1000 } END { printf "%d %d\n", wall, cpu }' "$dir/cpu"
}

# One warm-up run of each, so both start with the libraries in the page cache.
time_once "$BUILD/bench/startup_bare" >/dev/null
time_once "$BUILD/orrinvale" --bench-startup >/dev/null
i=0
while [ "$i" -lt "$RUNS" ]; do
    time_once "$BUILD/bench/startup_bare" >>"$dir/bare"
    time_once "$BUILD/orrinvale" --bench-startup >>"$dir/suite"
    i=$((i + 1))
done

# Median of column C of a file, in milliseconds.
median() { awk -v c="$2" '{ print $c }' "$1" | sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }
for c in 1 2; do
    [ "$c" = 1 ] && what="wall-clock" || what="CPU time"
    bare=$(median "$dir/bare" $c)
    suite=$(median "$dir/suite" $c)
    echo "$what, median of $RUNS runs: bare Qt main window with an MDI area $bare ms, orrinvale $suite ms," \
         "ratio $(awk -v s="$suite" -v b="$bare" 'BEGIN { printf "%.2f", s / b }') (at most 1.50 wanted)"
done
