#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# quillon-scan -d test:0, ten feeder pages into a PDF, with Debian's full list
# of SANE backends (/etc/sane.d/dll.conf) beside a list of the test backend
# alone: a scanner named is opened without asking every backend for its
# scanners, so the full list should cost nothing. The same pair with
# scanimage -d test:0 (the peer a user scripts) for comparison, and
# quillon-scan -L, which must search, to show what the search costs.
# Runs JOBS (5) of each, alternating, and prints the medians. Run after building.
set -u
cd "$(dirname "$0")/.."
jobs=${1:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/full" "$work/alone"
{ grep -v -E '^[[:space:]]*(#|$)' /etc/sane.d/dll.conf; echo test; } > "$work/full/dll.conf"
echo test > "$work/alone/dll.conf"
for dir in full alone; do cp tests/sane/test.conf "$work/$dir/test.conf"; done
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" HOME="$work"
now() { date +%s.%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
run() {  # label, config folder, command...
  label=$1 dir=$2; shift 2
  start=$(now)
  SANE_CONFIG_DIR="$work/$dir:/etc/sane.d" "$@" > /dev/null 2>&1 || echo "$label failed" >&2
  echo "$(now) - $start" | bc >> "$work/$label"
}
i=0
while [ "$i" -lt "$jobs" ]; do
  i=$((i + 1))
  for dir in full alone; do
    run "quillon-$dir" "$dir" build/bin/quillon-scan -q -d test:0 --source feeder --mode grey --dpi 150 "$work/q.pdf"
    run "scanimage-$dir" "$dir" sh -c "scanimage -d test:0 --source 'Automatic Document Feeder' --mode Gray \
      --resolution 150 --format=jpeg --batch='$work/p%d.jpg' && img2pdf $work/p*.jpg -o $work/s.pdf; rm -f $work/p*.jpg"
    run "search-$dir" "$dir" build/bin/quillon-scan -L
  done
done
printf '%s runs each; seconds (median) with %s backends listed / test alone\n' "$jobs" \
  "$(grep -c . "$work/full/dll.conf")"
for what in quillon scanimage search; do
  full=$(median < "$work/$what-full") alone=$(median < "$work/$what-alone")
  printf '%-10s %6.3f / %6.3f  (%+.0f %%)\n' "$what" "$full" "$alone" "$(echo "($full / $alone - 1) * 100" | bc -l)"
done
echo "quillon:   build/bin/quillon-scan -q -d test:0 --source feeder --mode grey --dpi 150 OUT.pdf"
echo "scanimage: scanimage -d test:0 --source 'Automatic Document Feeder' --mode Gray --resolution 150 --format=jpeg --batch=p%d.jpg && img2pdf p*.jpg -o OUT.pdf"
echo "search:    build/bin/quillon-scan -L (always asks every backend)"
