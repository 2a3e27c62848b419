#!/usr/bin/env bash
# Installs what is missing, builds Dravex with its tests and runs every test: the core and
# window suites (window tests on Qt's offscreen platform, so no display is needed), the
# Debian package's checks (lintian, AppStream, desktop entry), then a short run of each
# fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh clang-14 libclang-rt-14-dev \
  ccache dpkg-dev file lintian appstream desktop-file-utils
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVEX_BUILD_TESTS=ON
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/test-package.sh
scripts/fuzz.sh 60
