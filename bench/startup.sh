#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of Dravex against a bare Qt Widgets window, alternating the two: time from
# exec to the first paint of the first window, and peak resident memory. Prints each
# run and the medians, and how long the program's first window is then busy loading the
# records module (the log, printing, reports). Usage: bench/startup.sh BUILD_DIR [RUNS] (QT_QPA_PLATFORM as set).
set -euo pipefail
build=${1:?build directory}
runs=${2:-30}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
probe() { "$build/bench/$1" "$(date +%s%N)"; }
# One warm-up each so both start from a warm file cache.
probe startup_probe_dravex >/dev/null; probe startup_probe_bare >/dev/null
runs_file=$(mktemp)
trap 'rm -f "$runs_file"' EXIT
for i in $(seq "$runs"); do
  echo "dravex $(probe startup_probe_dravex 2>/dev/null)" >> "$runs_file"
  echo "bare $(probe startup_probe_bare 2>/dev/null)" >> "$runs_file"
done
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
for what in dravex bare; do
  t=$(awk -v w=$what '$1==w {print $2}' "$runs_file" | median)
  m=$(awk -v w=$what '$1==w {print $4}' "$runs_file" | median)
  echo "$what: median start-up $t ms, median peak memory $m KiB over $runs runs"
  eval "${what}_t=$t; ${what}_m=$m"
done
r=$(awk '$1=="dravex" {print $7}' "$runs_file" | median)
echo "dravex: then loads its records module in a median $r ms"
awk -v a="$dravex_t" -v b="$bare_t" -v c="$dravex_m" -v d="$bare_m" \
  'BEGIN {printf "ratio dravex/bare: time %.3f, memory %.3f\n", a/b, c/d}'
