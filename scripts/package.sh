#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a release of Dravex and its Debian package (build-release/dravex_*.deb), with
# Debian's hardening flags and through ccache when it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache keys on paths relative to the checkout, so another clone reuses its objects.
export CCACHE_BASEDIR="$PWD"
scripts/setup-debian.sh dpkg-dev file
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DDRAVEX_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-release -j"$(nproc)"
rm -f build-release/dravex_*.deb
(cd build-release && cpack)
