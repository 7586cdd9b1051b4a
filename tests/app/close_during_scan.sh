#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The window closed while a feeder scan runs, by the close box (the window
# manager's WM_DELETE_WINDOW) and by SIGTERM, over an older file: the program
# has ended within 2 s, the older file is as it was, and nothing else is left
# in its folder. The real program under Xvfb, driven by xdotool.
# Usage: close_during_scan.sh PROGRAM SOURCE-DIR
set -eu
program=$1
source=$2
work=$(mktemp -d)
window="" server=""
# Only a process still ours is killed: a number already waited for may be
# another program's by now, and an empty one would mean the whole group.
cleanup() {
  [ -z "$window" ] || kill -9 "$window" 2>/dev/null || true
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/sane" "$work/out"
echo test > "$work/sane/dll.conf"
# Pages that take about 0.6 s each, so the close lands in the middle of the batch.
{ cat "$source/tests/sane/test.conf"; printf 'read-delay true\nread-delay-duration 20000\nread-limit true\nread-limit-size 65536\n'; } \
  > "$work/sane/test.conf"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work"
export SANE_CONFIG_DIR="$work/sane"
cd "$source"
. bench/xvfb_window.sh
now() { date +%s%N; }
failures=0

# One scan, ended by $1 (close-box or TERM) once its second page is under way.
close_during_scan() {
  printf 'the older file' > "$work/out/scan.pdf"
  "$program" > "$work/said" 2>&1 &
  window=$!
  main=$(find_window '^Quillon$')
  xdotool windowfocus --sync "$main" key Return
  save=$(find_window '^Save File$')
  xdotool windowfocus --sync "$save" type --delay 0 "$work/out/scan.pdf"
  xdotool key Return
  list=$(find_window '^Select Scanner$')
  xdotool windowfocus --sync "$list" key Return
  # The first page is in once the scanner log says so: the second is under way.
  until grep -q 'TWAIN_Acquire page' "$work/state/Quillon/scanner.log" 2> /dev/null; do
    kill -0 "$window" 2> /dev/null || break
    sleep 0.05
  done
  started=$(now)
  if [ "$1" = close-box ]; then python3 "$source/tests/app/close_window.py" "$main"; else kill -TERM "$window"; fi
  while kill -0 "$window" 2> /dev/null && [ $(( ($(now) - started) / 1000000 )) -lt 10000 ]; do sleep 0.02; done
  took=$(( ($(now) - started) / 1000000 ))
  if kill -0 "$window" 2> /dev/null; then
    echo "$1: the program was still running 10 s after the close"; failures=$((failures + 1)); xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed "s/^/  window: /"; kill -9 "$window"
  elif [ "$took" -gt 2000 ]; then
    echo "$1: the program ended $took ms after the close, more than 2 s"; failures=$((failures + 1))
  else
    echo "$1: the program ended $took ms after the close"
  fi
  wait "$window" 2> /dev/null || true
  window=""
  [ "$(cat "$work/out/scan.pdf")" = "the older file" ] || { echo "$1: the older file was replaced"; failures=$((failures + 1)); }
  left=$(ls -A "$work/out" | grep -v -x scan.pdf || true)
  [ -z "$left" ] || { echo "$1: left beside it: $left"; failures=$((failures + 1)); }
}

close_during_scan close-box
close_during_scan TERM
[ "$failures" -eq 0 ]
