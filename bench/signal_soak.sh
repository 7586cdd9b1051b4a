#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Ends quillon-scan with SIGINT, SIGTERM, SIGHUP or SIGKILL at a random
# moment of each of N scans (100) over an older file, and counts what a user
# must never see: an older file lost or replaced by a document written after
# the signal (the program said 128+N, yet the file changed), a new file that
# is not whole (qpdf --check), temporary files left beside it, runs that did
# not end. The same runs again (SIGINT, SIGTERM and SIGHUP) where the file
# system makes no unnamed files, as on some network and FAT file systems: a
# small library loaded before the program refuses O_TMPFILE. Not part of the
# suite: it takes several minutes. Run after building.
set -u
cd "$(dirname "$0")/.."
runs=${1:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/sane"
echo test > "$work/sane/dll.conf"
# Pages that take about 0.6 s each (a scan of about 6 s), so a signal lands in
# every phase of a scan.
{ cat tests/sane/test.conf; printf 'read-delay true\nread-delay-duration 20000\nread-limit true\nread-limit-size 65536\n'; } \
  > "$work/sane/test.conf"
export SANE_CONFIG_DIR="$work/sane" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" HOME="$work"
cat > "$work/no_tmpfile.c" <<'C'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
/* The file system has no unnamed files: open(O_TMPFILE) is refused. */
static int refuse(int flags) { return (flags & O_TMPFILE) == O_TMPFILE; }
#define WRAP(name) \
  int name(const char* path, int flags, ...) { \
    static int (*real)(const char*, int, ...); \
    va_list args; va_start(args, flags); int mode = va_arg(args, int); va_end(args); \
    if (refuse(flags)) { errno = EOPNOTSUPP; return -1; } \
    if (!real) real = (int (*)(const char*, int, ...))dlsym(RTLD_NEXT, #name); \
    return real(path, flags, mode); \
  }
WRAP(open)
WRAP(open64)
C
cc -shared -fPIC -o "$work/no_tmpfile.so" "$work/no_tmpfile.c" -ldl || { echo "the shim could not be built"; exit 1; }
older="$work/older.pdf"
build/bin/quillon-scan -q -d test --dpi 75 "$older" 2> /dev/null || { echo "the older file could not be scanned"; exit 1; }

# One pass: $1 names it, $2 the signals to choose from, $3 a library to preload.
soak() {
  lost=0 broken=0 left=0 hung=0 whole=0 kept=0 i=0
  while [ "$i" -lt "$runs" ]; do
    i=$((i + 1))
    cp "$older" "$work/out.pdf"
    signal=$(shuf -n 1 -e $2)
    delay=$(shuf -i 0-6000 -n 1)
    LD_PRELOAD="$3" build/bin/quillon-scan -q -d test --dpi 150 "$work/out.pdf" 2> /dev/null &
    pid=$!
    sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
    kill -s "$signal" "$pid" 2> /dev/null
    waited=0
    while kill -0 "$pid" 2> /dev/null && [ "$waited" -lt 50 ]; do sleep 0.1; waited=$((waited + 1)); done
    if kill -0 "$pid" 2> /dev/null; then hung=$((hung + 1)); echo "$1 run $i ($signal after $delay ms) hung"; kill -9 "$pid"; fi
    wait "$pid" 2> /dev/null
    status=$?
    if cmp -s "$older" "$work/out.pdf"; then
      kept=$((kept + 1))
    elif [ ! -e "$work/out.pdf" ]; then
      lost=$((lost + 1)); echo "$1 run $i ($signal after $delay ms): no file at all"
    elif [ "$status" -gt 128 ] && [ "$signal" != KILL ]; then
      # Told to end, it said so, yet the file changed: a document written after the signal.
      lost=$((lost + 1)); echo "$1 run $i ($signal after $delay ms): exit $status, but the older file was replaced"
    elif qpdf --check "$work/out.pdf" > /dev/null 2>&1; then
      whole=$((whole + 1))  # saved before the signal came (exit 0), or before SIGKILL
    else
      broken=$((broken + 1)); echo "$1 run $i ($signal after $delay ms): the file is neither the older one nor whole"
    fi
    extra=$(find "$work" -maxdepth 1 -name '.quillon-*' | wc -l)
    [ "$extra" -eq 0 ] || { left=$((left + extra)); echo "$1 run $i ($signal after $delay ms): $extra temporary file(s) left"; rm -f "$work"/.quillon-*; }
  done
  printf '%-28s %5d %5d %5d %5d %5d %5d %5d\n' "$1" "$runs" "$kept" "$whole" "$lost" "$broken" "$left" "$hung"
  [ "$lost" -eq 0 ] && [ "$broken" -eq 0 ] && [ "$left" -eq 0 ] && [ "$hung" -eq 0 ]
}

printf '%-28s %5s %5s %5s %5s %5s %5s %5s\n' "" runs kept whole lost broken left hung
# Not "status": each run's exit status is kept in that name.
failed=0
soak "unnamed temporary files" "INT TERM HUP KILL" "" || failed=1
soak "named temporary files" "INT TERM HUP" "$work/no_tmpfile.so" || failed=1
echo "kept: the older file as it was; whole: a new file saved before the signal (exit 0) or before SIGKILL;"
echo "lost: the older file gone or replaced after the program was told to end"
exit "$failed"
