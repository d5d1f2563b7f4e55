#!/usr/bin/env bash
# Usage: install_test.sh <build dir> <work dir>
#
# Installs the build tree into <work dir>/usr and checks that the desktop integration is
# complete and consistent: desktop file, metainfo, one icon per size, and the program.
set -euo pipefail

build=$1
work=$2
packaging=$(cd "$(dirname "$0")/.." && pwd)
app_id=de.example.QuorviV2
root=$work/usr

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rm -rf "$work"
cmake --install "$build" --prefix "$root" >"$work.log" 2>&1 || {
  cat "$work.log" >&2
  exit 1
}

desktop=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
cmp -s "$desktop" "$packaging/$app_id.desktop" || fail "desktop file not installed"
cmp -s "$metainfo" "$packaging/$app_id.metainfo.xml" || fail "metainfo not installed"

icon_name=$(sed -n 's/^Icon=//p' "$packaging/$app_id.desktop")
icons=0
for png in "$packaging"/icons/app-*.png; do
  [ -e "$png" ] || continue
  size=${png##*/app-}
  size=${size%.png}
  installed=$root/share/icons/hicolor/${size}x$size/apps/$icon_name.png
  cmp -s "$png" "$installed" || fail "$installed is not app-$size.png"
  actual=$(identify -format '%wx%h' "$png")
  [ "$actual" = "${size}x$size" ] || fail "app-$size.png is $actual pixels"
  icons=$((icons + 1))
done
[ "$icons" -gt 0 ] || fail "no icon installed"

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$packaging/$app_id.desktop")
[ -x "$root/bin/$program" ] || fail "program $program of the desktop file not installed"

launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$app_id.desktop" ] || fail "metainfo launches '$launchable'"
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
[ "$id" = "$app_id" ] || fail "metainfo id is '$id'"

[ "$failures" -eq 0 ] || exit 1
echo "install: all checks passed ($icons icons)"
