#!/bin/sh
# Times the same three programs run by `orrinvale --script` and by python3, as
# whole processes, and prints wall-clock and CPU (user + system) seconds side by
# side. The Python programs run inside a function, where CPython is fastest
# (module-level string joining is quadratic there).
# Usage: bench/compare_python.sh [path/to/orrinvale]
set -eu
ORR=${1:-build/orrinvale}
PY=${PYTHON:-python3}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

cat > "$dir/loop.vbs" <<'VBS'
For i = 1 To 10000000: s = s + i * 2 Mod 7: Next
WScript.Echo s
VBS
cat > "$dir/loop.py" <<'PY'
def main():
    s = 0
    for i in range(1, 10000001): s = s + i * 2 % 7
    print(s)
main()
PY

cat > "$dir/strings.vbs" <<'VBS'
s = ""
For i = 1 To 1000000: s = s & CStr(i Mod 10): Next
WScript.Echo Len(s)
VBS
cat > "$dir/strings.py" <<'PY'
def main():
    s = ""
    for i in range(1, 1000001): s = s + str(i % 10)
    print(len(s))
main()
PY

cat > "$dir/calls.vbs" <<'VBS'
Function Add(a, b)
    Add = a + b
End Function
s = 0
For i = 1 To 3000000: s = Add(s, i): Next
WScript.Echo s
VBS
cat > "$dir/calls.py" <<'PY'
def add(a, b):
    return a + b
def main():
    s = 0
    for i in range(1, 3000001): s = add(s, i)
    print(s)
main()
PY

# Prints "wall cpu" in seconds for one command; its output goes to $dir/out.
seconds() {
    python3 - "$dir/out" "$@" <<'PY'
import os, subprocess, sys, time
out = open(sys.argv[1], "w")
before = os.times()
start = time.monotonic()
code = subprocess.call(sys.argv[2:], stdout=out, stderr=subprocess.STDOUT)
wall = time.monotonic() - start
after = os.times()
cpu = (after.children_user - before.children_user) + (after.children_system - before.children_system)
if code != 0:
    sys.exit("failed: " + " ".join(sys.argv[2:]))
print(f"{wall:.3f} {cpu:.3f}")
PY
}

printf '%-10s %22s %22s   %s\n' program "orrinvale wall/cpu" "python3 wall/cpu" "output (orrinvale / python3)"
for p in loop strings calls; do
    t1=$(seconds "$ORR" --script "$dir/$p.vbs" --timeout 600000)
    o1=$(cat "$dir/out")
    t2=$(seconds "$PY" "$dir/$p.py")
    o2=$(cat "$dir/out")
    printf '%-10s %22s %22s   %s / %s\n' "$p" "$(echo $t1 | sed 's/ /s \/ /')s" "$(echo $t2 | sed 's/ /s \/ /')s" "$o1" "$o2"
done
