#!/bin/sh
# Set-up, build and run every test: a normal build under the Turkish locale with a CUPS server and its
# PDF queue present, as on a user's desktop, then one under AddressSanitizer and
# UndefinedBehaviorSanitizer in C.UTF-8, so that both locales run.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
"$here/scripts/setup.sh" build -DTAVRELO_BENCHMARKS=ON

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

# The Turkish locale, generated when the machine lacks it.
if ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
    $SUDO sed -i 's/^# *\(tr_TR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^tr_TR\.UTF-8 UTF-8' /etc/locale.gen || echo 'tr_TR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen
fi

# A CUPS server with the PDF queue. One that already runs (another run, the desktop's) is used and left
# running; one started here is stopped on the way out.
cupsd_pid=""
stop_cups() {
    if [ -n "$cupsd_pid" ]; then
        $SUDO kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
        cupsd_pid=""
    fi
}
trap stop_cups EXIT
trap 'stop_cups; exit 130' INT TERM
cups_runs() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
# A scheduler that has just started or restarted may still turn a request away: a few tries, 0.2 s apart.
retry() {
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 50 ]; then
            echo "CUPS komutu başarısız: $*" >&2
            exit 1
        fi
        sleep 0.2
    done
}
if ! cups_runs; then
    $SUDO mkdir -p /run/cups
    $SUDO /usr/sbin/cupsd -f &
    cupsd_pid=$!
    retry cups_runs
    retry $SUDO cupsctl Browsing=No
fi
# The tests read what a job sent from its spool file. Changing the setting restarts the scheduler.
retry $SUDO cupsctl PreserveJobFiles=Yes
retry cups_runs
# Two queues: PDF on A4, PDF2 on Letter for a change of printer.
for queue in PDF PDF2; do
    if ! lpstat -p "$queue" >/dev/null 2>&1; then
        paper=A4
        [ "$queue" = PDF ] || paper=Letter
        retry $SUDO lpadmin -p "$queue" -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=$paper
    fi
    retry $SUDO cupsenable "$queue"
    retry $SUDO cupsaccept "$queue"
done

# The printing tests fail instead of skipping when they find no printer here.
export TAVRELO_REQUIRE_PRINTER=PDF
LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 ctest --test-dir "$here/build" --output-on-failure -j4

"$here/scripts/setup.sh" build-asan -DTAVRELO_SANITIZE=ON
LANG=C.UTF-8 LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$here/build-asan" --output-on-failure -j4
# Every fuzz target over its seed corpus for a fixed number of runs (clang, libFuzzer, sanitizers).
"$here/scripts/fuzz.sh" 5000
