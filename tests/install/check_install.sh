#!/bin/sh
# Installs a build into a fresh prefix and checks the result is a working
# desktop application: the files in their places, a desktop entry the
# freedesktop validator accepts, and an installed program that finds its
# contents index and starts the way the desktop entry starts it.
# Usage: check_install.sh BUILD_DIR
set -u
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/orr-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
# The program run from the prefix keeps its settings here, never in the user's home.
export XDG_CONFIG_HOME="$prefix/config" QT_QPA_PLATFORM=offscreen
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"; rm -f "$prefix.log"
    echo "FAIL: cmake --install"; exit 1
fi
rm -f "$prefix.log"

for f in bin/orrinvale share/orrinvale/ComputingIndex.txt share/applications/orrinvale.desktop \
         share/icons/hicolor/scalable/apps/orrinvale.svg; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/orrinvale" ] || fail "bin/orrinvale is not executable"
[ ! -e "$prefix/bin/ComputingIndex.txt" ] || fail "the index is installed beside the program as well"

desktop="$prefix/share/applications/orrinvale.desktop"
if command -v desktop-file-validate >/dev/null 2>&1; then
    report=$(desktop-file-validate "$desktop" 2>&1)
    [ -z "$report" ] || fail "desktop-file-validate: $report"
else
    echo "desktop-file-validate is not installed: the desktop entry is not validated"
fi
grep -qx 'Icon=orrinvale' "$desktop" || fail "the desktop entry does not name the installed icon"

# The installed program finds the index in share/orrinvale: a search lists its entries.
listed=$(printf 'search address bus\nlist\n' | "$prefix/bin/orrinvale" --batch - 2>&1)
tab=$(printf '\t')
case "$listed" in
*"197${tab}Microprocessor Address Bus"*) ;;
*) fail "search in the installed index gave: $listed" ;;
esac

# Started as the desktop entry's Exec line starts it, the suite is still
# running three seconds later (it has not stopped on an error).
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
program=$(printf '%s' "$exec_line" | sed 's/^"\(.*\)"$/\1/')
[ "$program" = "$prefix/bin/orrinvale" ] || fail "Exec names $exec_line"
"$program" >"$prefix/run.log" 2>&1 &
pid=$!
sleep 3
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null
else
    wait "$pid"
    fail "the program started from the desktop entry stopped with status $?: $(cat "$prefix/run.log")"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed and started from $prefix"
