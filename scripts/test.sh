#!/bin/sh
# Set-up, build and run every test: a normal build, then one under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
"$here/scripts/setup.sh" build -DTAVRELO_BENCHMARKS=ON
ctest --test-dir "$here/build" --output-on-failure -j4
"$here/scripts/setup.sh" build-asan -DTAVRELO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$here/build-asan" --output-on-failure -j4
# Every fuzz target over its seed corpus for a fixed number of runs (clang, libFuzzer, sanitizers).
"$here/scripts/fuzz.sh" 5000
