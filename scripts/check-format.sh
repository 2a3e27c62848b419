#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the tree is not laid out as .clang-format says, naming it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh clang-format-14
status=0
while IFS= read -r file; do
  if ! clang-format-14 --dry-run -Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file (clang-format-14 -i $file)"
    status=1
  fi
done < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find core cli screens records shell tests bench scripts -name '*.cpp' -o -name '*.h')
exit $status
