#!/bin/sh
# The review of a duplex batch in the real window under Xvfb, worked over
# AT-SPI as a screen-reader user would: three sheets of text with empty backs
# from the simulated network scanner (airscan), so the blank test leaves the
# backs out. Page 1 is turned right, page 3 deleted, the first back kept after
# all, the last front moved first, and the pages saved. The file has the
# pages as arranged. Told to end during a review, the program keeps the older
# file and leaves nothing behind. With a third argument, a picture of the review window
# is left there (needs ImageMagick).
# Usage: review_pages.sh PROGRAM SOURCE-DIR [SCREENSHOT.png]
set -eu
program=$1
source=$(cd "$2" && pwd)
shot=${3:-}
if [ -z "${QUILLON_ON_OWN_BUS:-}" ]; then
  # Its own session and accessibility buses.
  QUILLON_ON_OWN_BUS=1 exec dbus-run-session -- "$0" "$program" "$source" $shot
fi
work=$(mktemp -d)
window="" server="" simulator="" bus=""
cleanup() {
  for process in "$window" "$simulator" "$bus" "$server"; do [ -z "$process" ] || kill "$process" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/sane" "$work/out"
echo airscan > "$work/sane/dll.conf"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work"
export SANE_CONFIG_DIR="$work/sane" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
db="$work/config/Quillon/registry.sqlite3"
cd "$source"
. bench/xvfb_window.sh
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
bus=$!
python3 tests/sane/escl_simulator.py --sheets 3 --refill --text-page "$source/tests/data/scans/lept_lion-page.00013.png" \
  --port-file "$work/port" > /dev/null &
simulator=$!
until [ -s "$work/port" ]; do sleep 0.05; done
printf '[devices]\n"Rig" = http://127.0.0.1:%s/eSCL\n[options]\ndiscovery = disable\n' "$(cat "$work/port")" \
  > "$work/sane/airscan.conf"

# A scan through SCAN, a file name and the scanner, up to the review window.
scan_to_review() {
  main=$(find_window '^Quillon$')
  xdotool windowfocus --sync "$main" key Return
  save=$(find_window '^Save File$')
  xdotool windowfocus --sync "$save" type --delay 0 "$1"
  xdotool key Return
  list=$(find_window '^Select Scanner$')
  xdotool windowfocus --sync "$list" key Return
  find_window '^Review Pages$' > /dev/null
}

# A first start stores the defaults (both sides); the review is then switched on in the store.
"$program" > "$work/said" 2>&1 &
window=$!
find_window '^Quillon$' > /dev/null
until [ "$(sqlite3 "$db" "SELECT count(*) FROM named_values WHERE name = 'ReviewPages'" 2>/dev/null || echo 0)" = 1 ]; do sleep 0.05; done
kill "$window"; wait "$window" 2>/dev/null || true
sqlite3 "$db" "UPDATE named_values SET data = X'203100' WHERE name = 'ReviewPages'"

# Told to end during the review, over an older file: it ends, the older file
# is as it was, and nothing is left beside it or in the cache folder.
printf 'the older file' > "$work/out/older.pdf"
"$program" >> "$work/said" 2>&1 &
window=$!
scan_to_review "$work/out/older.pdf"
kill -TERM "$window"
wait "$window" 2>/dev/null || true
window=""
[ "$(cat "$work/out/older.pdf")" = "the older file" ] || { echo "the older file was replaced"; exit 1; }
left=$(ls -A "$work/out" | grep -v -x older.pdf || true)
[ -z "$left" ] || { echo "left beside it: $left"; exit 1; }
cached=$(find "$work/.cache" -type f 2>/dev/null || true)
[ -z "$cached" ] || { echo "left in the cache: $cached"; exit 1; }
echo "ended during the review: the older file kept, nothing left"

"$program" >> "$work/said" 2>&1 &
window=$!
scan_to_review "$work/out/scan.pdf"
if [ -n "$shot" ]; then sleep 0.5; xwd -root -silent | convert xwd:- "$shot"; fi
/usr/bin/python3 tests/app/review_atspi.py \
  "expect 1 Page 1" "expect 2 Page 2, left out: blank" "expect 6 Page 6, left out: blank" \
  "select 1" "press Rotate Right" "select 3" "press Delete" \
  "select 2" "press Keep" "expect 2 Page 2" \
  "select 4" "press Move Earlier" "press Move Earlier" "press Move Earlier" "press Save"
done_box=$(find_window '^Quillon Successful$')
xdotool windowfocus --sync "$done_box" key Return
python3 "$source/tests/app/close_window.py" "$main"
wait "$window" 2>/dev/null || true
window=""

pages=$(pdfinfo "$work/out/scan.pdf" | sed -n 's/^Pages: *//p')
rotations=$(pdfinfo -f 1 -l 99 "$work/out/scan.pdf" | sed -n 's/^Page *\([0-9]*\) rot: *\([0-9]*\)/\1:\2/p' | tr '\n' ' ')
qpdf --check "$work/out/scan.pdf" > /dev/null
echo "pages: $pages; rotations: $rotations"
# The third front, the first front turned, the first back kept.
[ "$pages" = 3 ] || { echo "expected 3 pages"; exit 1; }
[ "$rotations" = "1:0 2:90 3:0 " ] || { echo "expected page 2 turned"; exit 1; }
