#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills a writer of the settings store with SIGKILL at random moments, N times
# (500 by default). After every kill the window is started on what the kill
# left (a hot journal, often), and then each acknowledged value must read back:
# neither the crash nor the window's loading may have lost one.
# Not part of the test suite: it takes minutes. Run from the build folder's
# parent after building: bench/store_kill_soak.sh [N]
set -eu
cd "$(dirname "$0")/.."
rounds=${1:-500}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# Copies, so a rebuild meanwhile does not pull the programs away.
cp build/bin/store_soak build/bin/quillon "$home/"
soak=$home/store_soak
quillon=$home/quillon
export HOME="$home" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home"
unset XDG_CONFIG_HOME
db="$home/.config/Quillon/registry.sqlite3"
mkdir -p "$(dirname "$db")"
journals=0 failures=0
i=0
while [ "$i" -lt "$rounds" ]; do
  i=$((i + 1))
  "$soak" write "$db" >> "$home/log" &
  writer=$!
  # Up to 40 ms of writing, so kills land in every phase of a write.
  sleep "0.0$(shuf -i 10-49 -n 1)"
  kill -9 "$writer"
  wait "$writer" 2>/dev/null || true
  if [ -e "$db-journal" ]; then journals=$((journals + 1)); fi
  # The window loads what the kill left, and stores each value it shows.
  "$quillon" & window=$!
  sleep 0.7
  kill "$window" 2>/dev/null || true; wait "$window" 2>/dev/null || true
  if ! "$soak" check "$db" "$home/log"; then failures=$((failures + 1)); echo "round $i: a value was lost"; fi
done
echo "$rounds kills; $journals left a journal behind; after $failures of them an acknowledged value was lost"
[ "$failures" -eq 0 ]
