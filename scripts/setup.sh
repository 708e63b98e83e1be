#!/bin/sh
# Installs the Debian packages of packages.txt that are missing, then configures and builds.
# Usage: scripts/setup.sh <build-dir> [extra cmake arguments]
# TAVRELO_TARGET names the one target to build; all of them are built without it.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
missing=""
for p in $(grep -v '^#' "$here/packages.txt"); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update
    # Through env: sudo drops the caller's environment.
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
build=${1:-build}
# dash stops the script on a shift with nothing left, even behind || true.
if [ $# -gt 0 ]; then shift; fi
cmake -S "$here" -B "$here/$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$here/$build" ${TAVRELO_TARGET:+--target "$TAVRELO_TARGET"}
