#!/usr/bin/env bash
# Usage: deb_package_test.sh <build dir> <work dir> <program built: 1 or 0>
#                            <HTTP core built: 1 or 0>
#
# Builds the Debian package with CPack and checks its name, version, contents and that
# its dependencies cover both the program and the core libraries it carries.
set -euo pipefail

build=$1
work=$2
has_program=$3
has_http_core=$4
app_id=de.example.QuorviV2

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  exit 1
}

arch=$(dpkg --print-architecture)
deb=$work/quorvi-v2_2.0.0.4_$arch.deb
[ -f "$deb" ] || {
  echo "FAIL: no $deb; made: $(ls "$work")" >&2
  exit 1
}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvi-v2 ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = 2.0.0.4 ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"

depends=$(field Depends)
needed=()
[ "$has_http_core" != 1 ] || needed+=(libcurl4 libssl3)
[ "$has_program" != 1 ] || needed+=(libqt6widgets6 libqt6core6)
for package in "${needed[@]}"; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    fail "Depends lacks $package: $depends"
done

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
expected=("./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml"
          "./usr/share/icons/hicolor/[0-9]*x[0-9]*/apps/$app_id.png")
[ "$has_program" != 1 ] || expected+=(./usr/bin/QuorviV2)
for pattern in "${expected[@]}"; do
  grep -qx -- "${pattern//./\\.}" "$work/contents" || fail "package lacks $pattern"
done

[ "$failures" -eq 0 ] || exit 1
echo "deb package: all checks passed; Depends: $depends"
