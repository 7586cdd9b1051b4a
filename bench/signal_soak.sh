#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Ends quillon-scan with SIGINT, SIGTERM, SIGHUP or SIGKILL at a random
# moment of each of N scans (40) over an older file, and counts what a user
# must never see: an older file lost or a new one broken (qpdf --check),
# temporary files left beside it, runs that did not end. Not part of the
# suite: it takes a minute or two. Run after building.
set -u
cd "$(dirname "$0")/.."
runs=${1:-40}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/sane"
echo test > "$work/sane/dll.conf"
# Pages that take a while, so a signal lands in every phase of a scan.
{ cat tests/sane/test.conf; printf 'read-delay true\nread-delay-duration 2000\nread-limit true\nread-limit-size 65536\n'; } \
  > "$work/sane/test.conf"
export SANE_CONFIG_DIR="$work/sane" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" HOME="$work"
older="$work/older.pdf"
build/bin/quillon-scan -q -d test --dpi 75 "$older" 2> /dev/null || { echo "the older file could not be scanned"; exit 1; }
lost=0 broken=0 left=0 hung=0 whole=0 kept=0 i=0
while [ "$i" -lt "$runs" ]; do
  i=$((i + 1))
  cp "$older" "$work/out.pdf"
  signal=$(shuf -n 1 -e INT TERM HUP KILL)
  delay=$(shuf -i 0-1500 -n 1)
  build/bin/quillon-scan -q -d test --dpi 150 "$work/out.pdf" 2> /dev/null &
  pid=$!
  sleep "$(printf '0.%03d' "$delay")" 2> /dev/null || sleep 1
  kill -s "$signal" "$pid" 2> /dev/null
  waited=0
  while kill -0 "$pid" 2> /dev/null && [ "$waited" -lt 50 ]; do sleep 0.1; waited=$((waited + 1)); done
  if kill -0 "$pid" 2> /dev/null; then hung=$((hung + 1)); echo "run $i ($signal after $delay ms) hung"; kill -9 "$pid"; fi
  wait "$pid" 2> /dev/null
  if cmp -s "$older" "$work/out.pdf"; then
    kept=$((kept + 1))
  elif qpdf --check "$work/out.pdf" > /dev/null 2>&1; then
    whole=$((whole + 1))
  else
    broken=$((broken + 1)); echo "run $i ($signal after $delay ms): the file is neither the older one nor whole"
  fi
  [ -e "$work/out.pdf" ] || { lost=$((lost + 1)); echo "run $i ($signal after $delay ms): no file at all"; }
  extra=$(find "$work" -maxdepth 1 -name '.quillon-*' | wc -l)
  [ "$extra" -eq 0 ] || { left=$((left + extra)); echo "run $i ($signal after $delay ms): $extra temporary file(s) left"; rm -f "$work"/.quillon-*; }
done
echo "$runs scans, each ended by a signal: older file kept $kept, new file whole $whole; lost $lost, broken $broken, temporary files left $left, hung $hung"
[ "$lost" -eq 0 ] && [ "$broken" -eq 0 ] && [ "$left" -eq 0 ] && [ "$hung" -eq 0 ]
