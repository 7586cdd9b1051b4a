#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on a fresh home folder, as a first-time user would, and
# checks the settings it leaves in its store file.
set -eu
program=$1
home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME="$home" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home"
unset XDG_CONFIG_HOME
"$program" &
pid=$!
db="$home/.config/Quillon/registry.sqlite3"
query="SELECT name || '=' || quote(CAST(substr(data, 1, length(data) - 1) AS TEXT)) FROM named_values ORDER BY name"
# Wait (at most 30 s) until the window has loaded its twelve first-run values.
tries=0
until [ "$(sqlite3 "$db" 'SELECT count(*) FROM named_values' 2>/dev/null || echo 0)" = 12 ]; do
  kill -0 "$pid" 2>/dev/null || { echo "the program ended early"; exit 1; }
  tries=$((tries + 1)); [ "$tries" -le 300 ] || { echo "no first-run values after 30 s"; exit 1; }
  sleep 0.1
done
kill -0 "$pid" || { echo "the program is not running"; exit 1; }
actual=$(sqlite3 "$db" "$query" | tr '\n' ' ')
expected="AutoCrop=' 0' AutoDeskew=' 0' DPI=' 3' DuplexSetting=' 1' Format=' 1' PageRejectionCoverage=' 0' PaperSize=' 0' Quality=' 3' ReviewPages=' 0' ScanType=' 1' SplitDocuments=' 0' WIA=' 0' "
[ "$actual" = "$expected" ] || { echo "stored: $actual"; echo "wanted: $expected"; exit 1; }
mode=$(stat -c %a "$db")
[ "$mode" = 600 ] || { echo "store file mode $mode"; exit 1; }
echo "first start stored: $actual"
