#!/bin/sh
# Set-up, build and start the program.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" build
cd "$here"
exec "$here/build/app/tavrelo" "$@"
