#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core's fuzz targets with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each of them; the seconds given (default 60)
# are shared among the targets. Corpora grow in build-fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
total=${1:-60}
scripts/setup-debian.sh clang-14 libclang-rt-14-dev
cmake -S . -B build-fuzz -DDRAVEX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
targets=(build-fuzz/tests/fuzz/fuzz_*)
per=$(( total / ${#targets[@]} ))
[ "$per" -ge 1 ] || per=1
for t in "${targets[@]}"; do
  [ -x "$t" ] || continue
  name=$(basename "$t")
  mkdir -p "build-fuzz/corpus/$name"
  echo "fuzzing $name for ${per}s"
  "$t" -max_total_time="$per" -print_final_stats=0 "build-fuzz/corpus/$name" 2>&1 | tail -n 1
done
echo "fuzz: no crash in ${#targets[@]} targets"
