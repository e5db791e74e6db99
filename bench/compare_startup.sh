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

# Milliseconds taken by one run of the given command.
time_once() {
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
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

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }
bare=$(median "$dir/bare")
suite=$(median "$dir/suite")
echo "bare Qt main window with an MDI area: median $bare ms over $RUNS runs"
echo "orrinvale to its shown main window:   median $suite ms over $RUNS runs"
awk -v s="$suite" -v b="$bare" 'BEGIN { printf "ratio: %.2f (at most 1.50 wanted)\n", s / b }'
