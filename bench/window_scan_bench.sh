#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's path beside quillon-scan, on the same pages: the real quillon
# under Xvfb, driven by xdotool as a user would work it (SCAN, a file name,
# the scanner, OK), and quillon-scan a process per job, both from SANE's test
# feeder at 300 dpi grey Letter, JOBS jobs of 10 pages (10 by default).
#
# Each program's scan is timed by its own scanner log, from the options it
# sets to the end of the job; the dialogs' waits for the user are outside
# that span. The wall time of the window's jobs, dialogs and xdotool's
# half-second searches included, is printed beside it.
# Needs Xvfb, xdotool and sqlite3 (scripts/setup installs them). Run after building.
# QUILLON_BIN names another build's programs (an earlier one, to see whether
# a change cost speed); build/bin by default.
set -eu
cd "$(dirname "$0")/.."
jobs=${1:-10}
bin=$(realpath "${QUILLON_BIN:-build/bin}")
work=$(mktemp -d)
cleanup() {
  kill "$window" "$server" 2>/dev/null || true
  rm -rf "$work"
}
window=0 server=0
trap cleanup EXIT INT TERM
mkdir -p "$work/sane" "$work/out"
cp tests/sane/test.conf "$work/sane/"
echo test > "$work/sane/dll.conf"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work"
export SANE_CONFIG_DIR="$work/sane"
. bench/xvfb_window.sh
start_window() {
  "$bin/quillon" > /dev/null 2>&1 &
  window=$!
  main=$(find_window '^Quillon$')
}
# The first start stores the defaults; 300 dpi grey Letter PDF is stored
# over them, and the window started again loads it.
start_window
db="$XDG_CONFIG_HOME/Quillon/registry.sqlite3"
until [ "$(sqlite3 "$db" 'SELECT count(*) FROM named_values' 2>/dev/null || echo 0)" -ge 10 ]; do sleep 0.1; done
kill "$window"; wait "$window" 2>/dev/null || true
for setting in DPI=4 ScanType=1 PaperSize=1 Format=1 DuplexSetting=0; do
  sqlite3 "$db" "UPDATE named_values SET data = CAST(' ${setting#*=}' AS BLOB) || x'00' WHERE name = '${setting%=*}'"
done
start_window

press_in() {
  target=${3:-$(find_window "$1")}
  xdotool windowfocus --sync "$target"
  [ -z "${2:-}" ] || xdotool type --delay 0 "$2"
  xdotool key Return
}
# One job as a user works it: SCAN has the focus; the save dialog takes a
# name; the scanner list has the test scanner chosen; the last box is OK'd.
log="$XDG_STATE_HOME/Quillon/scanner.log"
began=$(date +%s.%N)
job=1
while [ "$job" -le "$jobs" ]; do
  press_in Quillon "" "$main"
  press_in 'Save File' "$work/out/window-$job.pdf"
  press_in 'Select Scanner'
  press_in 'Quillon Successful'
  job=$((job + 1))
done
ended=$(date +%s.%N)
cp "$log" "$work/window.log"
rm -f "$log"
job=1
while [ "$job" -le "$jobs" ]; do
  "$bin/quillon-scan" -q -d test "$work/out/scan-$job.pdf" 2> /dev/null
  job=$((job + 1))
done

# The seconds inside each job: from the log switched on to the source manager unloaded.
spans() {
  awk '{ split($1, t, "T"); split(t[2], c, ":"); s = c[1] * 3600 + c[2] * 60 + c[3] }
       / TWAIN_LogFile/ { start = s } / TWAIN_UnloadSourceManager/ { if (start) total += s - start; start = 0 }
       / TWAIN_Acquire page/ { pages++ }
       END { printf "%d %.3f\n", pages, total }' "$1"
}
set -- $(spans "$work/window.log"); window_pages=$1 window_seconds=$2
set -- $(spans "$log"); cli_pages=$1 cli_seconds=$2
printf 'SANE test feeder, 300 dpi grey Letter, %d jobs of 10 pages; %d cores\n' "$jobs" "$(nproc)"
printf 'the window: %s/quillon under Xvfb, each job: SCAN, a file name, Select, OK (xdotool)\n' "$bin"
printf 'quillon-scan: %s/quillon-scan -q -d test OUT.pdf, a process per job, the same stored options\n' "$bin"
printf '%-14s %6s %14s %8s\n' who pages "scan seconds" pages/s
printf '%-14s %6d %14.2f %8.1f\n' window "$window_pages" "$window_seconds" "$(echo "$window_pages / $window_seconds" | bc -l)"
printf '%-14s %6d %14.2f %8.1f\n' quillon-scan "$cli_pages" "$cli_seconds" "$(echo "$cli_pages / $cli_seconds" | bc -l)"
printf 'the window takes %.2fx quillon-scan'"'"'s time; wall time of the window'"'"'s jobs with their dialogs: %.1f s\n' \
  "$(echo "$window_seconds / $cli_seconds" | bc -l)" "$(echo "$ended - $began" | bc -l)"
