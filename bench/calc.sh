#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# dravex-calc under load: a batch of 1,000,000 Table 6B rows and a Table 6B page of
# 1000 x 300 cells, each timed with /usr/bin/time -v (elapsed, user time, peak memory).
# Usage: bench/calc.sh BUILD_DIR
set -euo pipefail
build=${1:-build-bench}
calc="$build/dravex-calc"
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT
awk 'BEGIN { print "api,temp,gross"
             for (i = 0; i < 1000000; i++)
               printf "%.1f,%.1f,%d\n", 20 + (i % 400) / 10, 40 + (i % 120) / 2, 1000 + i % 9000 }' > "$rows"

report() {
  grep -E "Elapsed|User time|Maximum resident" "$1" | sed 's/^\s*/  /'
}

echo "batch table6b, 1,000,000 rows:"
/usr/bin/time -v "$calc" batch table6b < "$rows" > /dev/null 2> "$rows.time"
report "$rows.time"
echo "table table6b, 1000 x 300 cells:"
/usr/bin/time -v "$calc" table table6b --api 0.0:99.9:0.1 --temp 0:299:1 --gross 1 --show vcf \
  > /dev/null 2> "$rows.time"
report "$rows.time"
echo "batch table6b, 100,000 rows (memory does not grow with rows):"
head -n 100001 "$rows" | /usr/bin/time -v "$calc" batch table6b > /dev/null 2> "$rows.time"
report "$rows.time"
rm -f "$rows.time"
