#!/usr/bin/env bash
# Installs what is missing, builds Dravex and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target dravex -j"$(nproc)"
exec build/dravex "$@"
