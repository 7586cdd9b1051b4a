#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as a screen reader finds it: the program under Xvfb, on its own
# session and accessibility buses, its tree walked over AT-SPI.
# Usage: screen_reader.sh PROGRAM
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cat > "$home/run.sh" <<SCRIPT
set -eu
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=\$!
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=xcb \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
app=\$!
status=0
/usr/bin/python3 "$here/atspi_walk.py" Quillon || status=\$?
kill \$app \$bus 2>/dev/null || true
exit \$status
SCRIPT
status=0
xvfb-run -a -e "$home/xvfb.log" dbus-run-session -- sh "$home/run.sh" > "$home/said" 2>&1 || status=$?
grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' "$home/said" || true
[ "$status" -eq 0 ] || sed 's/^/X server: /' "$home/xvfb.log"
exit "$status"
