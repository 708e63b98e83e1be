#!/bin/sh
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz, and runs each target over its seed corpus in fuzz/corpus for a fixed number of runs.
# Usage: scripts/fuzz.sh [runs per target, default 5000] [target ...]
# New inputs the runs find go to a scratch folder, so the corpora in the repo stay as they are.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5000}
if [ $# -gt 0 ]; then shift; fi
targets=${*:-"template_stream template_build prepared_report rtf payroll_document settings_archive expression script numbers_dates"}
"$here/scripts/setup.sh" build-fuzz -DTAVRELO_FUZZ=ON -DTAVRELO_TESTS=OFF \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for t in $targets; do
    echo "== $t: $runs runs"
    mkdir -p "$scratch/$t"
    # -seed fixed: the same inputs every run, so that a failure here repeats
    if ! "$here/build-fuzz/fuzz/${t}_fuzz" -runs="$runs" -seed=1 -max_len=65536 -timeout=60 \
        -artifact_prefix="$scratch/$t-" "$scratch/$t" "$here/fuzz/corpus/$t" >"$scratch/$t.log" 2>&1; then
        grep -v '^#' "$scratch/$t.log" | tail -n 60
        echo "$t found a fault; the input that shows it:"
        for f in "$scratch/$t"-*; do od -A d -t x1 "$f" | head -n 40; done
        exit 1
    fi
    grep -E '^Done|^INFO: Loaded' "$scratch/$t.log" | tail -n 1
done
