#!/usr/bin/env bash
# Builds the Debian package from a build folder, has lintian check it, unpacks it into a scratch
# root and checks what it installs: the desktop entry and metainfo validate, the file type is well-formed XML, the manual
# pages render, both programs run (the desktop program opens a board given to it), and the
# package's dependencies resolve on this system.
set -euo pipefail
build=${1:-build/default}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top/$build"

rm -f ./*.deb
cpack -G DEB
deb=$(ls ./*.deb)
echo "Built $deb"
dpkg-deb --field "$deb" Package Version Depends
# Debian's own checks: any error or warning fails the package.
lintian --fail-on error,warning "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"

desktop-file-validate "$share/applications/com.vantrelinc.Orvandel.desktop"
appstreamcli validate --no-net "$share/metainfo/com.vantrelinc.Orvandel.metainfo.xml"
xmllint --noout "$share/mime/packages/com.vantrelinc.Orvandel.xml"
for size in 16 32 48 64 128 256; do
    test -s "$share/icons/hicolor/${size}x${size}/apps/com.vantrelinc.Orvandel.png"
done
test -s "$share/icons/hicolor/scalable/apps/com.vantrelinc.Orvandel.svg"
for page in "$share/man/man1/orvandel-solve.1"* "$share/man/man6/orvandel.6"*; do
    MANWIDTH=80 man -l "$page" > /dev/null
done
test -x "$root/usr/games/orvandel"
test -x "$root/usr/games/orvandel-solve"

# One version everywhere: the package, the metainfo and both programs.
version=$(dpkg-deb --field "$deb" Version)
grep -q "<release version=\"$version\"" "$share/metainfo/com.vantrelinc.Orvandel.metainfo.xml"
test "$("$root/usr/games/orvandel-solve" --version)" = "orvandel-solve $version"
"$root/usr/games/orvandel" --version | grep -q " $version\$"

# The command-line solver runs from the unpacked package.
"$root/usr/games/orvandel-solve" --json "$top/data/sample.sdf" | grep -q '"result":"solved"'

# The installed program starts with a saved board and shows it in its grid.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" python3 "$top/tests/installed/board_in_window.py" \
    "$root/usr/games/orvandel" "$top/data/sample.sdf"

# Every dependency the package declares can be installed here.
apt-get install --simulate --no-install-recommends "$(pwd)/$deb" > /dev/null
echo "Package checks passed."
