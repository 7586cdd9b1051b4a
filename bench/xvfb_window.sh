# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the window benchmarks: a private X server on $DISPLAY (its
# process in $server), and find_window, which waits for a visible window by
# title. Windows come and go under xdotool's search (the progress dialog),
# which then fails: the search is asked again until the window is there.
unset QT_QPA_PLATFORM
Xvfb "$DISPLAY" -screen 0 1280x800x24 > /dev/null 2>&1 &
server=$!
until xdotool getdisplaygeometry > /dev/null 2>&1; do sleep 0.1; done
find_window() {
  until found=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1) && [ -n "$found" ]; do
    sleep 0.02
  done
  echo "$found"
}
