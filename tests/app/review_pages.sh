#!/bin/sh
# The review of a feeder's batch in the real window under Xvfb, driven from
# the keyboard as a user would: page 1 turned right, page 2 deleted, the last
# page moved first, saved with Ctrl+S. The file has the pages as arranged.
# With a third argument, a picture of the review window is left there.
# Usage: review_pages.sh PROGRAM SOURCE-DIR [SCREENSHOT.png]
set -eu
program=$1
source=$2
shot=${3:-}
work=$(mktemp -d)
window="" server=""
cleanup() {
  [ -z "$window" ] || kill -9 "$window" 2>/dev/null || true
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/sane" "$work/out"
echo test > "$work/sane/dll.conf"
cp "$source/tests/sane/test.conf" "$work/sane/test.conf"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work"
export SANE_CONFIG_DIR="$work/sane"
db="$work/config/Quillon/registry.sqlite3"
cd "$source"
. bench/xvfb_window.sh

# A first start stores the defaults; the review is then switched on in the store.
"$program" > "$work/said" 2>&1 &
window=$!
find_window '^Quillon$' > /dev/null
until [ "$(sqlite3 "$db" "SELECT count(*) FROM named_values WHERE name = 'ReviewPages'" 2>/dev/null || echo 0)" = 1 ]; do sleep 0.05; done
kill "$window"; wait "$window" 2>/dev/null || true
sqlite3 "$db" "UPDATE named_values SET data = X'203100' WHERE name = 'ReviewPages'"

"$program" >> "$work/said" 2>&1 &
window=$!
main=$(find_window "^Quillon$")
xdotool windowfocus --sync "$main" key Return
save=$(find_window '^Save File$')
xdotool windowfocus --sync "$save" type --delay 0 "$work/out/scan.pdf"
xdotool key Return
list=$(find_window '^Select Scanner$')
xdotool windowfocus --sync "$list" key Return
review=$(find_window "^Review Pages$")
xdotool windowfocus --sync "$review"
sleep 0.5  # drawn before the picture is taken
[ -z "$shot" ] || xwd -root -silent | convert xwd:- "$shot"
# Page 1 is selected: turned right; then page 2 deleted; then the last page moved to the front.
xdotool key bracketright Right Delete End
for _ in 1 2 3 4 5 6 7 8 9 10; do xdotool key ctrl+Left; done
xdotool key ctrl+s
done_box=$(find_window '^Quillon Successful$')
xdotool windowfocus --sync "$done_box" key Return
python3 "$source/tests/app/close_window.py" "$main"
wait "$window" 2>/dev/null || true
window=""

pages=$(pdfinfo "$work/out/scan.pdf" | sed -n 's/^Pages: *//p')
rotations=$(pdfinfo -f 1 -l 99 "$work/out/scan.pdf" | sed -n 's/^Page *\([0-9]*\) rot: *\([0-9]*\)/\1:\2/p' | tr '\n' ' ')
qpdf --check "$work/out/scan.pdf" > /dev/null
echo "pages: $pages; rotations: $rotations"
# Ten pages from the test feeder, one deleted; the turned page is second now.
[ "$pages" = 9 ] || { echo "expected 9 pages"; exit 1; }
[ "$rotations" = "1:0 2:90 3:0 4:0 5:0 6:0 7:0 8:0 9:0 " ] || { echo "expected page 2 turned"; exit 1; }
