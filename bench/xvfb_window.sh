# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the window benchmarks: a private X server on $DISPLAY (its
# process in $server), and find_window, which waits for a visible window by
# title. Windows come and go under xdotool's search (the progress dialog),
# which then fails: the search is asked again until the window is there.
# The server takes the first free display itself and says which: a number
# picked here may still be held by a server of an earlier run on its way out,
# which the first X client then reaches and the program no longer can.
unset QT_QPA_PLATFORM
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 3> "$display_file" > /dev/null 2>&1 &
server=$!
until [ -s "$display_file" ]; do
  kill -0 "$server" 2> /dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
DISPLAY=:$(head -n 1 "$display_file")
export DISPLAY
rm -f "$display_file"
until xdotool getdisplaygeometry > /dev/null 2>&1; do sleep 0.1; done
# A window that has not come within a minute is said by its title, and the
# script ends, rather than waiting for whoever runs it to give up.
find_window() {
  deadline=$(($(date +%s) + 60))
  until found=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1) && [ -n "$found" ]; do
    if [ "$(date +%s)" -ge "$deadline" ]; then
      echo "no window titled '$1' appeared within 60 s" >&2
      exit 1
    fi
    sleep 0.02
  done
  echo "$found"
}
