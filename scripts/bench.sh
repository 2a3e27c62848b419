#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in release mode and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DDRAVEX_BUILD_TESTS=OFF -DDRAVEX_BUILD_BENCH=ON
cmake --build build-bench -j"$(nproc)"
build-bench/bench/dravex_core_bench "$@"
