#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of a build with CPack, checks the licence, changelog
# and manual page in it, and has lintian judge it as a packager would: no
# error and no warning. Exits 77 (skipped) where lintian cannot be had.
# Usage: check_package.sh BUILD_DIR CPACK VERSION
set -euo pipefail
build="$(cd "$1" && pwd)"
cpack="$2"
version="$3"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in lintian dpkg-deb dpkg-parsechangelog; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool is not installed; tools/install-deps.sh test installs it"
        exit 77
    }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Into a folder of its own, so that a package built by hand in the build
# folder is neither used nor replaced.
"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/hexacle_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { cat "$work/cpack.log"; fail "no $(basename "$deb")"; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
doc="$work/root/usr/share/doc/hexacle"

# Compressed as Debian does: gzip's header holds no time stamp (bytes 4 to 7)
# and no file name (flag 8 of byte 3), and byte 8 says maximal compression.
for gz in "$doc/changelog.gz" "$work/root/usr/share/man/man1/hexacle.1.gz"; do
    [ -f "$gz" ] || fail "${gz#"$work/root"} is not in the package"
    read -r magic1 magic2 method flags t1 t2 t3 t4 extra _ < <(od -An -tu1 -N10 "$gz")
    [ "$magic1 $magic2 $method" = "31 139 8" ] || fail "${gz#"$work/root"} is not gzip"
    [ $((flags & 8)) -eq 0 ] || fail "${gz#"$work/root"} names its source file"
    [ "$t1$t2$t3$t4" = 0000 ] || fail "${gz#"$work/root"} carries a time stamp"
    [ "$extra" -eq 2 ] || fail "${gz#"$work/root"} is not compressed with -9"
done

# The newest changelog entry is this version.
gzip -dc "$doc/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the newest changelog entry is not $version"
# The manual page names the same version.
gzip -dc "$work/root/usr/share/man/man1/hexacle.1.gz" | grep -q '^\.TH HEXACLE 1 .*"Hexacle '"$version"'"' ||
    fail "the manual page's title line does not name Hexacle $version"

# Machine-readable copyright: the format, and MIT for everything but the
# AppStream data.
head -n1 "$doc/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in the machine-readable format"
awk 'BEGIN { RS = "" } /^Files: \*\n/ && /\nLicense: MIT(\n|$)/ { found = 1 } END { exit !found }' \
    "$doc/copyright" ||
    fail "copyright does not give MIT for all files"

# --fail-on makes lintian's exit status count warnings too; the tag lines are
# checked as well, in case a lintian without that option ignored it.
status=0
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 || status=$?
cat "$work/lintian.log"
if [ "$status" -ne 0 ] || grep -qE '^[EW]: ' "$work/lintian.log"; then
    fail "lintian finds errors or warnings (status $status)"
fi
echo "lintian passes $(basename "$deb"): no errors, no warnings"
