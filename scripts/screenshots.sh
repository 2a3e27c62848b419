#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the main window and two screens for the README, taken under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh xvfb xauth
cmake -S . -B build -DDRAVEX_BUILD_TOOLS=ON
cmake --build build --target dravex_screenshots -j"$(nproc)"
xvfb-run -a -s "-screen 0 1366x768x24" build/dravex_screenshots docs
