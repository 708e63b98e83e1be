#!/bin/sh
# Set-up, build and start the program.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
# Only the program: tests and benchmarks are built by scripts/test.sh.
TAVRELO_TARGET=tavrelo "$here/scripts/setup.sh" build
cd "$here"
exec "$here/build/app/tavrelo" "$@"
