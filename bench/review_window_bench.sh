#!/bin/sh
# Reviewing a batch in the window as a user works it: the real quillon under
# Xvfb with "Review Pages Before Saving" on, driven by xdotool (SCAN, a file
# name, the scanner, then Ctrl+S in the review), over a batch from the
# simulated network scanner (airscan) at 300 dpi Letter:
#  - GREY pages of grey text (100 by default), unpaced;
#  - COLOUR pages of colour text (300 by default), paced at 0.15 s a page, so
#    airscan's own queue of pages sent ahead does not count in the peak.
# For each: from the last page held (the scanner log) to the review window
# shown; from Ctrl+S to the success box; the program's peak memory (VmHWM) a
# second into the review and at the end. Beside them, the same batches with
# the review off: from the last page written to the success box, and the
# peak, which is what the review adds to. GNOME's Document Scanner, the peer
# with a page review, is not run: it shows pages as they come, and when its
# batch has ended cannot be told from outside it, so no time of it would be
# the same measure.
# Times are found by polling xdotool (about 20 ms). Run after building.
set -eu
cd "$(dirname "$0")/.."
grey=${1:-100}
colour=${2:-300}
text_page=${QUILLON_TEXT_PAGE:-../shared/data/scans/paperless_qr_p1_300dpi.png}
work=$(mktemp -d)
window="" server="" simulator=""
cleanup() {
  for process in "$window" "$simulator" "$server"; do [ -z "$process" ] || kill "$process" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
mkdir -p "$work/sane" "$work/out"
echo airscan > "$work/sane/dll.conf"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work"
export SANE_CONFIG_DIR="$work/sane"
. bench/xvfb_window.sh
db="$XDG_CONFIG_HOME/Quillon/registry.sqlite3"
log="$XDG_STATE_HOME/Quillon/scanner.log"
now() { date +%s.%N; }
# A log line's time as seconds since the epoch.
logged() { date -d "$(echo "$1" | cut -c1-23 | tr T ' ')" +%s.%N; }
wait_for() {  # a window's title: when it was seen
  until xdotool search --onlyvisible --name "$1" > /dev/null 2>&1; do sleep 0.01; done
  now
}
start_simulator() {  # sheets, seconds a page
  [ -z "$simulator" ] || kill "$simulator" 2>/dev/null || true
  rm -f "$work/port"
  python3 tests/sane/escl_simulator.py --sheets "$1" --pace "$2" --text-page "$text_page" --port-file "$work/port" > /dev/null &
  simulator=$!
  until [ -s "$work/port" ]; do sleep 0.05; done
  printf '[devices]\n"Bench" = http://127.0.0.1:%s/eSCL\n[options]\ndiscovery = disable\n' "$(cat "$work/port")" \
    > "$work/sane/airscan.conf"
}
start_window() {  # the stored settings: ScanType ReviewPages
  if [ -f "$db" ]; then
    for setting in DPI=4 ScanType=$1 PaperSize=1 Format=1 DuplexSetting=0 AutoContrast=0 ReviewPages=$2; do
      sqlite3 "$db" "INSERT OR REPLACE INTO named_values (hive, path, name, type, data) SELECT hive, path, '${setting%=*}', \
type, CAST(' ${setting#*=}' AS BLOB) || x'00' FROM named_values WHERE name = 'DPI'"
    done
  fi
  build/bin/quillon > /dev/null 2>&1 &
  window=$!
  main=$(find_window '^Quillon$')
}
stop_window() { kill "$window"; wait "$window" 2>/dev/null || true; window=""; }
# The first start stores the defaults, over which each run's are stored.
start_window 1 0
until [ "$(sqlite3 "$db" "SELECT count(*) FROM named_values WHERE name = 'DPI'" 2>/dev/null || echo 0)" = 1 ]; do sleep 0.1; done
stop_window
press_in() {
  xdotool windowfocus --sync "$(find_window "$1")"
  [ -z "${2:-}" ] || xdotool type --delay 0 "$2"
  xdotool key Return
}
scan() {  # the output file
  rm -f "$log"
  xdotool windowfocus --sync "$main" key Return
  press_in '^Save File$' "$1"
  press_in '^Select Scanner$'
}
peak() { awk '/^VmHWM/ { print $2 }' "/proc/$window/status"; }

# name sheets pace scan-type: one line of results
reviewed() {
  start_simulator "$2" "$3"
  start_window "$4" 1
  scan "$work/out/$1.pdf"
  shown=$(wait_for '^Review Pages$')
  last=$(logged "$(grep 'TWAIN_HoldPage' "$log" | tail -n 1)")
  sleep 1
  reviewing=$(peak)
  xdotool windowfocus --sync "$(find_window '^Review Pages$')"
  saving=$(now)
  xdotool key ctrl+s
  saved=$(wait_for '^Quillon Successful$')
  pages=$(pdfinfo "$work/out/$1.pdf" | sed -n 's/^Pages: *//p')
  printf '%-22s %6s %16.3f %14.3f %10d %10d\n' "$1" "$pages" "$(echo "$shown - $last" | bc)" "$(echo "$saved - $saving" | bc)" \
    "$(( reviewing / 1024 ))" "$(( $(peak) / 1024 ))"
  press_in '^Quillon Successful$'
  stop_window
}
printf 'the window (build/bin/quillon) under Xvfb, the simulated network scanner, 300 dpi Letter; %d cores\n' "$(nproc)"
printf '%-22s %6s %16s %14s %10s %10s\n' batch pages "review shown s" "Ctrl+S→done s" "peak MB" "at the end"
reviewed "grey-reviewed" "$grey" 0 1
reviewed "colour-reviewed" "$colour" 0.15 2
# The same batches, the review off: from the last page written to the
# file's success box, and the peak, which the review adds to.
plain() {  # name sheets pace scan-type
  start_simulator "$2" "$3"
  start_window "$4" 0
  scan "$work/out/$1.pdf"
  saved=$(wait_for '^Quillon Successful$')
  last=$(logged "$(grep 'TWAIN_DibWritePage' "$log" | tail -n 1)")
  printf '%-22s %6s %16s %14.3f %10d\n' "$1" "$(pdfinfo "$work/out/$1.pdf" | sed -n 's/^Pages: *//p')" - \
    "$(echo "$saved - $last" | bc)" "$(( $(peak) / 1024 ))"
  press_in '^Quillon Successful$'
  stop_window
}
echo "without the review (last page written to the success box in the Ctrl+S column):"
plain "grey-plain" "$grey" 0 1
plain "colour-plain" "$colour" 0.15 2
