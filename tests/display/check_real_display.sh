#!/bin/sh
# Runs the suite on a real X server (Xvfb) at scale factor 2, opens a topic
# through the batch driver, saves the main window and the picture, and has
# check_display judge their sizes and sharpness.
# Usage: check_real_display.sh PROGRAM CHECKER OUTDIR
# Exits 77 (the test is skipped) when Xvfb is not installed.
set -u
program=$1 checker=$2 outdir=$3
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIPPED: xvfb-run or Xvfb is not installed; 'make test' installs the xvfb package"
    exit 77
fi
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$outdir" && cd "$outdir" || exit 1
rm -f display_window.png display_picture.png
# This run checks pixels; memory faults are the walk test's concern, so a
# sanitizer build does not count the X libraries' allocations as leaks here.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# The screen is large enough for the batch window's 1600 x 1200 at twice the pixels.
out=$(QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 XDG_CONFIG_HOME="$outdir/config" \
      xvfb-run -a -s "-screen 0 3840x2560x24" "$program" --batch "$here/real_display.batch" 2>display.err)
rc=$?
echo "$out"
if [ $rc -ne 0 ]; then
    cat display.err
    echo "FAIL: the batch run on Xvfb ended with status $rc"
    exit 1
fi
# Output lines: the pixel ratio, then left top width height of the main window and of the picture.
set -- $out
[ $# -eq 9 ] || { echo "FAIL: unexpected batch output"; exit 1; }
exec "$checker" display_window.png display_picture.png "$1" "$4" "$5" "$6" "$7" "$8" "$9"
