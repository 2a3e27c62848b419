#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the benchmarks in release mode and runs them all: the
# core operations (Google Benchmark), start-up against a bare Qt window, and
# Enter-to-results on every screen, the cargo report, and the company store under 50
# inspectors saving at once. Figures and method: bench/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DDRAVEX_BUILD_TESTS=OFF -DDRAVEX_BUILD_BENCH=ON
cmake --build build-bench -j"$(nproc)"
build-bench/bench/dravex_core_bench
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
bench/startup.sh build-bench 30 2>/dev/null
build-bench/bench/response_bench 2000 2>/dev/null
bench/calc.sh build-bench
build-bench/bench/cargo_report_bench 2>/dev/null
# The company store, on a throw-away PostgreSQL server of its own.
bench/store.sh build-bench
