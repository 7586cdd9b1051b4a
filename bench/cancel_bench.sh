#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Cancel while a network scanner has stopped answering: the simulated eSCL
# scanner sends its first page, then nothing (the connection stays open).
# The window, as a user works it under Xvfb (SCAN, a file name, the scanner),
# gets Escape on its progress dialog about two seconds into the silence; timed from the
# key to the message that ends the scan. Beside it, the peer a user would
# reach for, scanimage through the same airscan backend, gets Ctrl-C (SIGINT)
# at the same point; timed from the signal to its exit. RUNS of each (5).
# Needs Xvfb, xdotool and SANE's scanimage (scripts/setup installs them).
set -eu
cd "$(dirname "$0")/.."
runs=${1:-5}
work=$(mktemp -d)
display=:$((50 + $$ % 15))
window="" server="" simulator=""
cleanup() {
  for process in "$window" "$simulator" "$server"; do [ -z "$process" ] || kill "$process" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
mkdir -p "$work/sane" "$work/out"
echo airscan > "$work/sane/dll.conf"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work"
export SANE_CONFIG_DIR="$work/sane" DISPLAY="$display"
. bench/xvfb_window.sh
now() { date +%s%N; }
device='airscan:e0:Quillon Simulator'

# A fresh simulator for each run: its silence, once begun, never ends.
start_simulator() {
  [ -z "$simulator" ] || kill "$simulator" 2>/dev/null || true
  rm -f "$work/port"
  python3 tests/sane/escl_simulator.py --sheets 5 --silent-from 2 --port-file "$work/port" > /dev/null 2>&1 &
  simulator=$!
  until [ -s "$work/port" ]; do sleep 0.05; done
  printf '[devices]\n"Quillon Simulator" = http://127.0.0.1:%s/eSCL, eSCL\n[options]\ndiscovery = disable\n' \
    "$(cat "$work/port")" > "$work/sane/airscan.conf"
}

log="$XDG_STATE_HOME/Quillon/scanner.log"
window_ms=""
run=1
while [ "$run" -le "$runs" ]; do
  start_simulator
  rm -f "$log" "$work/out/"*
  build/bin/quillon > /dev/null 2>&1 &
  window=$!
  main=$(find_window '^Quillon$')
  xdotool windowfocus --sync "$main" key Return
  xdotool windowfocus --sync "$(find_window '^Save File$')" type --delay 0 "$work/out/scan.pdf"
  xdotool key Return
  xdotool windowfocus --sync "$(find_window '^Select Scanner$')" key Return
  # The first page comes at once; the look-ahead start of the second is the silence.
  until grep -q 'TWAIN_BeginMultipageFile' "$log" 2> /dev/null; do sleep 0.05; done
  sleep 2
  progress=$(xdotool search --onlyvisible --name '^Quillon$' | grep -v -x "$main" | head -n 1)
  began=$(now)
  xdotool windowfocus --sync "$progress" key Escape
  find_window '^Quillon (Information|Scanning Error|Warning)$' > /dev/null
  window_ms="$window_ms $(( ($(now) - began) / 1000000 ))"
  kill "$window"; wait "$window" 2> /dev/null || true
  window=""
  run=$((run + 1))
done

scanimage_ms=""
run=1
while [ "$run" -le "$runs" ]; do
  start_simulator
  rm -f "$work/out/"*
  scanimage -d "$device" --source ADF --batch="$work/out/page%d.pnm" > /dev/null 2>&1 &
  peer=$!
  until [ -s "$work/out/page1.pnm" ]; do sleep 0.05; done
  sleep 1
  began=$(now)
  kill -INT "$peer"
  # A peer that has not answered in 30 s is counted as 30 s, and stopped.
  while kill -0 "$peer" 2> /dev/null && [ $(( ($(now) - began) / 1000000 )) -lt 30000 ]; do sleep 0.02; done
  scanimage_ms="$scanimage_ms $(( ($(now) - began) / 1000000 ))"
  kill -9 "$peer" 2> /dev/null || true
  wait "$peer" 2> /dev/null || true
  run=$((run + 1))
done

median() { printf '%s\n' $1 | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
printf 'cancel of a scanner that stopped answering, %d runs each (ms, median, then every run)\n' "$runs"
printf '%-34s %6s   %s\n' "quillon (Escape on the progress)" "$(median "$window_ms")" "$window_ms"
printf '%-34s %6s   %s\n' "scanimage (Ctrl-C)" "$(median "$scanimage_ms")" "$scanimage_ms"
echo "peer: scanimage -d '$device' --source ADF --batch=OUT/page%d.pnm, then SIGINT (one Ctrl-C; at most 30 s counted)"
