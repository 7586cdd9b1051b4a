#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# How soon Select Scanner appears after the save dialog closes, in the real
# window under Xvfb driven by xdotool, with Debian's full list of SANE
# backends (asking them all takes seconds). The window looks for scanners
# while the save dialog is open: a user who takes PAUSE seconds (4) to name
# the file finds the list ready; one who names it at once waits for the rest
# of the search. The search alone (quillon-scan -L) is timed beside them.
# Needs Xvfb and xdotool (scripts/setup installs them). Run after building.
set -eu
cd "$(dirname "$0")/.."
pause=${1:-4}
work=$(mktemp -d)
window=0 server=0
cleanup() {
  kill "$window" "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
mkdir -p "$work/sane"
cp tests/sane/test.conf "$work/sane/"
{ grep -v -E '^[[:space:]]*(#|$)' /etc/sane.d/dll.conf; echo test; } > "$work/sane/dll.conf"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work"
export SANE_CONFIG_DIR="$work/sane:/etc/sane.d"
. bench/xvfb_window.sh
now() { date +%s.%N; }

started=$(now)
build/bin/quillon-scan -L > /dev/null 2>&1 || true
search=$(echo "$(now) - $started" | bc)

build/bin/quillon > /dev/null 2>&1 &
window=$!
main=$(find_window '^Quillon$')
one_job() {  # seconds in the save dialog
  xdotool windowfocus --sync "$main" key Return
  save=$(find_window '^Save File$')
  sleep "$1"
  xdotool windowfocus --sync "$save" type --delay 0 "$work/out-$1.pdf"
  xdotool key Return
  closed=$(now)
  list=$(find_window '^Select Scanner$')
  shown=$(now)
  xdotool windowfocus --sync "$list" key Escape  # cancels: the job ends
  ok=$(find_window '^Quillon Information$')
  xdotool windowfocus --sync "$ok" key Return
  echo "$shown - $closed" | bc
}
ready=$(one_job "$pause")
hurried=$(one_job 0)
printf '%d SANE backends listed; the search alone (quillon-scan -L): %.2f s\n' "$(grep -c . "$work/sane/dll.conf")" "$search"
printf 'Select Scanner after the save dialog closed, the file named after %s s: %.2f s\n' "$pause" "$ready"
printf 'Select Scanner after the save dialog closed, the file named at once:   %.2f s (the rest of the search, a busy cursor meanwhile)\n' "$hurried"
