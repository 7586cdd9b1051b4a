#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What splitting at separator sheets costs a scan: 100 grey pages at 300 dpi
# Letter from SANE's test feeder through quillon-scan (a process per 10
# pages, the feeder's load) with --split beside --no-split, alternating,
# ROUNDS times (3); the medians of the whole 100 pages. Every page is read for
# separator codes on the page workers, none is one. Run after building.
set -eu
cd "$(dirname "$0")/.."
rounds=${1:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/sane"
echo test > "$work/sane/dll.conf"
cp tests/sane/test.conf "$work/sane/"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" SANE_CONFIG_DIR="$work/sane"
options="-q -d test --source feeder --mode grey --dpi 300 --paper letter --no-contrast --no-duplex"
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
hundred() {  # --split or --no-split: seconds for 10 jobs of 10 pages
  start=$(date +%s.%N)
  job=0
  while [ "$job" -lt 10 ]; do
    job=$((job + 1))
    # shellcheck disable=SC2086
    build/bin/quillon-scan $options "$1" "$work/out-$job.pdf" < /dev/null
  done
  echo "$(date +%s.%N) - $start" | bc
}
round=0
while [ "$round" -lt "$rounds" ]; do
  round=$((round + 1))
  hundred --split >> "$work/split"
  [ "$(ls "$work"/out-*.pdf | wc -l)" -eq 10 ] || { echo "a split run made other files than one a job"; exit 1; }
  rm -f "$work"/out-*.pdf
  hundred --no-split >> "$work/plain"
  rm -f "$work"/out-*.pdf
done
split=$(median < "$work/split") plain=$(median < "$work/plain")
printf '100 grey pages, 300 dpi Letter, SANE test feeder, %d rounds (medians), %d cores\n' "$rounds" "$(nproc)"
printf '%-10s %8.2f s\n' "--split" "$split" "--no-split" "$plain"
printf 'splitting costs %+.1f %%\n' "$(echo "($split / $plain - 1) * 100" | bc -l)"
echo "command: quillon-scan $options [--split|--no-split] OUT.pdf, ten times"
