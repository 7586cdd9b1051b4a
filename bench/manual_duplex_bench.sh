#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Manual duplex as a user runs it: quillon-scan --duplex manual on a terminal
# (script(1) types "y" when it asks to turn the stack), SHEETS sheets (50)
# from the simulated network scanner, whose pages show their sheet and side;
# beside it the same number of pages one-sided (2 x SHEETS sheets, simplex).
# Both 300 dpi grey Letter into a PDF, alternating, RUNS times (3). Prints
# the medians of time and peak memory, and checks the manual duplex file's
# page order by what each page shows. Run after building.
set -eu
cd "$(dirname "$0")/.."
sheets=${1:-50}
runs=${2:-3}
work=$(mktemp -d)
simulator=""
stop_simulator() { if [ -n "$simulator" ]; then kill "$simulator" 2>/dev/null || true; fi; simulator=""; }
trap 'stop_simulator; rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/sane"
echo airscan > "$work/sane/dll.conf"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" SANE_CONFIG_DIR="$work/sane"
start_simulator() {  # its sheets
  stop_simulator
  rm -f "$work/port"
  python3 tests/sane/escl_simulator.py --sheets "$1" --numbered --turn-over --port-file "$work/port" > /dev/null &
  simulator=$!
  until [ -s "$work/port" ]; do sleep 0.05; done
  printf '[devices]\n"Bench" = http://127.0.0.1:%s/eSCL\n[options]\ndiscovery = disable\n' "$(cat "$work/port")" \
    > "$work/sane/airscan.conf"
}
options="-q -d 'airscan:e0:Bench' --source feeder --mode grey --dpi 300 --paper letter --no-contrast"
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
run=0
while [ "$run" -lt "$runs" ]; do
  run=$((run + 1))
  start_simulator "$sheets"
  printf 'y\n' > "$work/typed"
  /usr/bin/time -f '%e %M' -o "$work/manual.time" \
    script -qec "build/bin/quillon-scan $options --duplex manual $work/manual.pdf" /dev/null < "$work/typed" > /dev/null
  cat "$work/manual.time" >> "$work/manual"
  start_simulator $((2 * sheets))
  /usr/bin/time -f '%e %M' -o "$work/simplex.time" \
    sh -c "build/bin/quillon-scan $options --no-duplex $work/simplex.pdf" < /dev/null
  cat "$work/simplex.time" >> "$work/simplex"
done
# Each page's marks, read from a small rendering: ten bands below a margin of two.
pdftoppm -r 10 -gray "$work/manual.pdf" "$work/page"
order=$(python3 - "$work" <<'PY'
import glob, sys
sides = []
for path in sorted(glob.glob(sys.argv[1] + "/page-*.pgm")):
    data = open(path, "rb").read().split(b"\n", 3)
    width, height = map(int, data[1].split())
    pixels = data[3]
    band = height / 30
    dark = [pixels[int(band * (i + 2) + band / 2) * width + width // 2] < 128 for i in range(10)]
    sides.append("%d%s" % (sum(1 << b for b in range(8) if dark[2 + b]), "b" if dark[1] else "f") if dark[0] else "blank")
print(" ".join(sides))
PY
)
expected=$(i=1; while [ "$i" -le "$sheets" ]; do printf '%sf %sb ' "$i" "$i"; i=$((i + 1)); done)
[ "$order " = "$expected" ] && check="in order" || check="OUT OF ORDER: $order"
printf '%d sheets in manual duplex beside %d one-sided sheets, 300 dpi grey Letter PDF, %d runs (medians)\n' \
  "$sheets" $((2 * sheets)) "$runs"
printf '%-14s %9s %12s\n' "" seconds "peak RSS MB"
for who in manual simplex; do
  printf '%-14s %9.2f %12.1f\n' "$who" "$(cut -d' ' -f1 < "$work/$who" | median)" \
    "$(echo "$(cut -d' ' -f2 < "$work/$who" | median) / 1024" | bc -l)"
done
printf 'manual duplex pages: %s (%d pages)\n' "$check" "$(pdfinfo "$work/manual.pdf" | awk '/^Pages/ { print $2 }')"
echo "manual:  script -qec \"quillon-scan $options --duplex manual OUT.pdf\" (typing y at the question)"
echo "simplex: quillon-scan $options --no-duplex OUT.pdf"
