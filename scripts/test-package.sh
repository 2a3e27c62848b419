#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as a distribution would: lintian on the .deb,
# then the AppStream metainfo and the desktop entry as the package installs them.
# Non-zero on any finding (lintian's informational and pedantic tags included; tags
# overridden in the package, each justified in the README, do not count).
#
#   scripts/test-package.sh [BUILD_DIR]
# With BUILD_DIR (a build configured with the prefix /usr and Debian's hardening flags, as
# the test command's is), the package is made from that build, with no second compile;
# without it, scripts/package.sh builds the release first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh lintian appstream desktop-file-utils dpkg-dev file
if [ $# -ge 1 ]; then
    dir=$1
    rm -f "$dir"/dravex_*.deb
    (cd "$dir" && cpack >/dev/null)
else
    dir=build-release
    scripts/package.sh
fi

debs=("$dir"/dravex_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}"; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "${debs[0]}" "$root"

failed=0
# Runs a check; it fails on a non-zero exit and, for tools that report hints without
# failing (desktop-file-validate), on any output when called as "check_silent".
check() {
    local name=$1 output rc=0
    shift
    output=$("$@" 2>&1) || rc=$?
    if [ $rc -ne 0 ]; then
        echo "FAILED: $name"
        echo "$output"
        failed=1
    else
        echo "passed: $name"
    fi
}
check_silent() {
    local name=$1 output
    shift
    output=$("$@" 2>&1) || true
    if [ -n "$output" ]; then
        echo "FAILED: $name"
        echo "$output"
        failed=1
    else
        check "$name" "$@"
    fi
}

# lintian warns on stderr when run as root (CI containers); that is not a finding.
lintian_quiet() { lintian "$@" 2> >(grep -v 'running with root privileges' >&2); }
check_silent lintian lintian_quiet --display-info --pedantic --fail-on error,warning,info,pedantic "${debs[0]}"
# --strict fails on every issue but the pedantic ones (the application id has capitals by
# the reverse-DNS convention); validate-tree also checks that the launchable names a
# desktop entry the package installs.
check "appstreamcli validate" appstreamcli validate --no-net --strict \
    "$root/usr/share/metainfo/io.github.dravex.Dravex.metainfo.xml"
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net --strict "$root"
for desktop in "$root"/usr/share/applications/*.desktop; do
    check_silent "desktop-file-validate $(basename "$desktop")" desktop-file-validate "$desktop"
done
exit $failed
