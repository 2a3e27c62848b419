#!/usr/bin/env bash
# Builds a release of Dravex and its Debian package (build-release/dravex_*.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh dpkg-dev file
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DDRAVEX_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-release -j"$(nproc)"
(cd build-release && cpack)
