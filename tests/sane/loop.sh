#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every SANE test (the test backend, injected statuses, the network
# scanner simulator) N times (50 by default) in one process each, and counts
# the runs that failed or hung (a run over two minutes is taken for a hang).
# Not part of the suite: it takes minutes. Run after building.
set -u
cd "$(dirname "$0")/../.."
runs=${1:-50}
filter='SaneScanTest.*:Statuses/*:Simulator/*:ScannerLogTest.*'
failed=0 hung=0 i=0
while [ "$i" -lt "$runs" ]; do
  i=$((i + 1))
  timeout 120 build/bin/quillon_tests --gtest_filter="$filter" > /tmp/quillon-sane-loop.log 2>&1
  status=$?
  if [ "$status" -eq 124 ]; then hung=$((hung + 1)); echo "run $i hung"
  elif [ "$status" -ne 0 ]; then failed=$((failed + 1)); echo "run $i failed"; grep -E "^\[  FAILED" /tmp/quillon-sane-loop.log; fi
done
echo "$runs runs of the SANE tests: $failed failed, $hung hung"
[ "$failed" -eq 0 ] && [ "$hung" -eq 0 ]
