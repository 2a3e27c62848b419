#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Dravex with its tests and runs every test: the core and
# window suites (window tests on Qt's offscreen platform, so no display is needed; the
# benchmarks and tools are built too, so they keep compiling), the
# Debian package's checks (lintian, AppStream, desktop entry), then a short run of each
# fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache keys on paths relative to the checkout, so another clone reuses its objects.
export CCACHE_BASEDIR="$PWD"
scripts/setup-debian.sh clang-14 libclang-rt-14-dev clang-format-14 \
  ccache dpkg-dev file lintian appstream desktop-file-utils
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Installed to /usr with Debian's hardening flags, as the release is, so that the package
# checks below make the package from this build instead of compiling the program again.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVEX_BUILD_TESTS=ON -DDRAVEX_BUILD_BENCH=ON \
  -DDRAVEX_BUILD_TOOLS=ON "${launcher[@]}" -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build -j"$(nproc)"
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
# PostgreSQL is installed above: the company store's tests must run here, not skip.
export DRAVEX_REQUIRE_POSTGRESQL=1
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/test-package.sh build
scripts/fuzz.sh 60
