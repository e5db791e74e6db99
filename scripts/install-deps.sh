#!/bin/sh
# Installs the Debian packages the suite needs to build, run and test, when
# any is missing. Runs apt-get as root, or through sudo; when a package is not
# found (a fresh machine has no package lists yet), it updates the lists and
# tries again. libasan8 and libubsan1 are the sanitizer runtimes of GCC 12,
# for make test-sanitize. qt6-svg-dev writes pictures as SVG; xvfb, xauth and
# desktop-file-utils serve the tests that run the suite on a real X server and
# check the installed desktop entry.
set -e
PACKAGES="build-essential cmake qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libxkbcommon-dev libgl-dev \
libgtest-dev libbenchmark-dev ccache libasan8 libubsan1 \
fonts-dejavu-core fonts-liberation2 fonts-comic-neue \
xvfb xauth desktop-file-utils"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y --no-install-recommends $missing || {
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends $missing
}
