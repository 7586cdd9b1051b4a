#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# "Compact - Text Pages" as a user runs it: quillon-scan, 300 dpi Letter PDFs.
#  - PAGES (60) grey pages of real text (paperless_qr_p1_300dpi.png, drawn by the
#    simulated network scanner through airscan) with --quality compact, beside
#    the same scan at the default quality;
#  - 100 colour pages of the same text with --quality compact, from a scanner
#    paced at 0.15 s a page: peak memory. Unpaced, airscan keeps the pages the
#    simulator sends ahead of the scan in its own queue, and the peak measures
#    that queue;
#  - SANE's test feeder, 10 jobs of 10 grey pages, compact beside default (its
#    pages are a grid: they are kept as JPEG, as the log says);
#  - the peer a user would pick for a small PDF, in the same run, from the same
#    simulated scanner: scanimage --format=jpeg (quality 75), img2pdf, then
#    ocrmypdf --skip-text -O3; its CPU per page against quillon-scan's.
# Prints pages per second, CPU per page, bytes and what the pages became.
# Run after building.
set -eu
cd "$(dirname "$0")/.."
pages=${1:-60}
text_page=${QUILLON_TEXT_PAGE:-../shared/data/scans/paperless_qr_p1_300dpi.png}
work=$(mktemp -d)
simulator=""
stop_simulator() { if [ -n "$simulator" ]; then kill "$simulator" 2>/dev/null || true; fi; simulator=""; }
trap 'stop_simulator; rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/sane"
printf 'airscan\ntest\n' > "$work/sane/dll.conf"
cp tests/sane/test.conf "$work/sane/"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" SANE_CONFIG_DIR="$work/sane"
log="$work/state/Quillon/scanner.log"
start_simulator() {  # its sheets, then the seconds each page takes
  stop_simulator
  rm -f "$work/port"
  python3 tests/sane/escl_simulator.py --sheets "$1" --pace "${2:-0}" --text-page "$text_page" --port-file "$work/port" \
    > /dev/null &
  simulator=$!
  until [ -s "$work/port" ]; do sleep 0.05; done
  printf '[devices]\n"Bench" = http://127.0.0.1:%s/eSCL\n[options]\ndiscovery = disable\n' "$(cat "$work/port")" \
    > "$work/sane/airscan.conf"
}
common="-q --source feeder --dpi 300 --paper letter --no-contrast --no-duplex"
network="-d airscan:e0:Bench $common"
# name, pages, then the command: one line "name pages seconds cpu-seconds peak-KB bytes"
timed() {
  name=$1 count=$2
  shift 2
  rm -f "$log"
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" < /dev/null
  out=$(eval echo "\${$#}")
  set -- $(cat "$work/time")
  echo "$name $count $1 $(echo "$2 + $3" | bc) $4 $(stat -c %s "$out")" >> "$work/results"
  # What the pages became, from the scanner's log.
  became=$(grep -o 'page [0-9]*: [A-Za-z0-9]* ([^)]*)' "$log" 2>/dev/null | sed 's/^page [0-9]*: //' | sort | uniq -c |
    awk '{ n = $1; $1 = ""; printf "%s%d x%s", sep, n, $0; sep = "; " }')
  echo "$name: ${became:-(nothing logged)}" >> "$work/became"
}
: > "$work/results"
: > "$work/became"
start_simulator "$pages"
timed "text-grey-compact" "$pages" build/bin/quillon-scan $network --mode grey --quality compact "$work/compact.pdf"
start_simulator "$pages"
timed "text-grey-default" "$pages" build/bin/quillon-scan $network --mode grey --quality 3 "$work/default.pdf"
start_simulator 100 0.15
timed "text-colour-compact-paced" 100 build/bin/quillon-scan $network --mode colour --quality compact "$work/colour.pdf"
stop_simulator
for quality in compact 3; do
  rm -f "$log"
  start=$(date +%s.%N)
  cpu=0 peak=0 job=0
  while [ "$job" -lt 10 ]; do
    job=$((job + 1))
    /usr/bin/time -f '%U %S %M' -o "$work/time" build/bin/quillon-scan -d test $common --mode grey --quality "$quality" \
      "$work/test-$quality.pdf" < /dev/null
    set -- $(cat "$work/time")
    cpu=$(echo "$cpu + $1 + $2" | bc)
    [ "$3" -le "$peak" ] || peak=$3
  done
  echo "test-feeder-grey-$quality 100 $(echo "$(date +%s.%N) - $start" | bc) $cpu $peak $(stat -c %s "$work/test-$quality.pdf")" \
    >> "$work/results"
  [ "$quality" = 3 ] || echo "test-feeder-grey-$quality: $(grep -c 'JPEG (mostly picture)' "$log") of 100 pages kept as \
JPEG (mostly picture)" >> "$work/became"
done
# The peer on the same pages from the same scanner, each step timed: seconds
# and CPU add up, the peak is the largest step's.
start_simulator "$pages"
mkdir -p "$work/peer"
seconds=0 cpu=0 peak=0
peer_step() {  # its name, then the command
  step=$1
  shift
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" < /dev/null > /dev/null 2>&1 || true
  set -- $(cat "$work/time" | tail -1)
  seconds=$(echo "$seconds + $1" | bc) cpu=$(echo "$cpu + $2 + $3" | bc)
  [ "$4" -le "$peak" ] || peak=$4
  [ "$step" != ocrmypdf ] || ocrmypdf_cpu=$(echo "$2 + $3" | bc)
}
peer_step scanimage scanimage -d airscan:e0:Bench --source ADF --mode Gray --resolution 300 -x 215.9 -y 279.4 \
  --format=jpeg "--batch=$work/peer/p%04d.jpg"
stop_simulator
scanned=$(ls "$work"/peer/p*.jpg | wc -l)
peer_step img2pdf sh -c "img2pdf $work/peer/p*.jpg -o $work/peer.pdf"
peer_step ocrmypdf ocrmypdf -q --skip-text --tesseract-timeout 0 --jobs 1 -O3 "$work/peer.pdf" "$work/ocrmypdf.pdf"
echo "peer-scanimage-img2pdf-O3 $scanned $seconds $cpu $peak $(stat -c %s "$work/ocrmypdf.pdf")" >> "$work/results"

printf '300 dpi Letter, %d cores; text page: %s\n\n' "$(nproc)" "$(basename "$text_page")"
printf '%-26s %6s %8s %8s %11s %11s %9s %12s\n' run pages seconds pages/s "cpu ms/page" "peak RSS MB" "KB/page" "file bytes"
while read -r name count seconds cpu peak bytes; do
  printf '%-26s %6d %8.2f %8.2f %11.0f %11.1f %9.1f %12d\n' "$name" "$count" "$seconds" \
    "$(echo "$count / $seconds" | bc -l)" "$(echo "$cpu * 1000 / $count" | bc -l)" "$(echo "$peak / 1024" | bc -l)" \
    "$(echo "$bytes / 1024 / $count" | bc -l)" "$bytes"
done < "$work/results"
echo
cat "$work/became"
compact_cpu=$(awk '$1 == "text-grey-compact" { print $4 / $2 }' "$work/results")
peer_cpu=$(awk '$1 == "peer-scanimage-img2pdf-O3" { print $4 / $2 }' "$work/results")
ocrmypdf_cpu=$(echo "$ocrmypdf_cpu / $scanned" | bc -l)
printf '\nCPU per page: quillon-scan compact (whole scan) %.0f ms; the peer %.0f ms (%.1fx), its ocrmypdf -O3 step alone %.0f ms (%.1fx)\n' \
  "$(echo "$compact_cpu * 1000" | bc -l)" "$(echo "$peer_cpu * 1000" | bc -l)" "$(echo "$peer_cpu / $compact_cpu" | bc -l)" \
  "$(echo "$ocrmypdf_cpu * 1000" | bc -l)" "$(echo "$ocrmypdf_cpu / $compact_cpu" | bc -l)"
echo "(ocrmypdf's bytes are not comparable here: every page of the scan is the same image, which it stores once)"
echo "pages of the compact grey file: $(pdfinfo "$work/compact.pdf" | awk '/^Pages/ { print $2 }'), qpdf --check: $(qpdf --check "$work/compact.pdf" 2>&1 | grep -q 'No syntax or stream encoding errors' && echo passes || echo FAILS)"
echo
echo "quillon-scan $network --mode grey|colour --quality compact|3 OUT.pdf   (simulated network scanner, airscan)"
echo "quillon-scan -d test $common --mode grey --quality compact|3 OUT.pdf   (ten times)"
echo "peer: scanimage -d airscan:e0:Bench --source ADF --mode Gray --resolution 300 -x 215.9 -y 279.4 --format=jpeg --batch=p%04d.jpg"
echo "      img2pdf p*.jpg -o peer.pdf"
echo "      ocrmypdf -q --skip-text --tesseract-timeout 0 --jobs 1 -O3 peer.pdf ocrmypdf.pdf"
