#!/usr/bin/env bash
# Usage: deb_package_test.sh <build dir> <work dir>
#
# Builds the Debian package with CPack and checks its name, version, contents and that
# its dependencies cover both the program and the core libraries it carries.
set -euo pipefail

build=$1
work=$2
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
for package in libcurl4 libssl3 libqt6widgets6 libqt6core6; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    fail "Depends lacks $package: $depends"
done

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
expected=("./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml"
          "./usr/share/icons/hicolor/[0-9]*x[0-9]*/apps/$app_id.png" ./usr/bin/QuorviV2)
for pattern in "${expected[@]}"; do
  grep -qx -- "${pattern//./\\.}" "$work/contents" || fail "package lacks $pattern"
done

# As root (CI), the package is really installed and the program started: it must still
# be running after a few seconds (waiting in its window or in the probe's message box),
# then it is stopped and the package removed again.
if [ "$(id -u)" -eq 0 ] && ! dpkg -s quorvi-v2 >/dev/null 2>&1; then
  trap 'dpkg -r quorvi-v2 >/dev/null 2>&1 || true' EXIT
  if dpkg -i "$deb" >"$work/dpkg.log" 2>&1; then
    QT_QPA_PLATFORM=offscreen /usr/bin/QuorviV2 >"$work/run.log" 2>&1 &
    pid=$!
    sleep 3
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid"
      wait "$pid" 2>/dev/null || true
    else
      wait "$pid" && status=0 || status=$?
      fail "the installed program ended at once (status $status): $(cat "$work/run.log")"
    fi
  else
    fail "dpkg -i failed: $(cat "$work/dpkg.log")"
  fi
fi

[ "$failures" -eq 0 ] || exit 1
echo "deb package: all checks passed; Depends: $depends"
