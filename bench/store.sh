#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The company store under load: starts a throw-away PostgreSQL server in a temporary folder,
# creates the store in it with store/setup.sql (as an administrator would), runs
# BUILD_DIR/bench/store_bench against it and stops the server afterwards, also when the
# benchmark fails. Figures and method: bench/README.md.
# Usage: bench/store.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build-bench}" && pwd)
bench="$build/bench/store_bench"
[ -x "$bench" ] || {
  echo "$bench is not built (cmake --build $build --target store_bench)" >&2
  exit 2
}
dir=$(mktemp -d /tmp/dravex-store-bench.XXXXXX)
trap '"$root/scripts/pg-test-cluster.sh" stop "$dir"; rm -rf "$dir"' EXIT
conninfo=$("$root/scripts/pg-test-cluster.sh" start "$dir" "${DRAVEX_BENCH_PG_PORT:-57432}")
psql=psql
for candidate in /usr/lib/postgresql/*/bin/psql; do
  [ -x "$candidate" ] && psql=$candidate
done
"$psql" -X -q -v ON_ERROR_STOP=1 -f "$root/store/setup.sql" "$conninfo" >/dev/null
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) before the run"
DRAVEX_BENCH_PG=$conninfo "$bench"
echo "load average $(cut -d' ' -f1-3 /proc/loadavg) after the run"
