#!/usr/bin/env bash
# Usage: run-under-wine.sh <driver.exe> <QuorviV2.exe>
#
# Runs the end-to-end driver under Wine on a virtual X display: first with the demo
# service stopped (the start-up probe refuses), then with it running, at last with the
# screen at 144 dpi.
# Environment: QUORVI_DEMO_PORT, QUORVI_PKI_DIR, QUORVI_DEMO_RUNTIME_DIR as for
# scripts/demo-service; WINEPREFIX, a prefix of this test's own.
set -euo pipefail

driver=$1 program=$2
root=$(cd "$(dirname "$0")/../../.." && pwd)
service=$root/scripts/demo-service

cleanup() {
  "$service" stop >/dev/null 2>&1 || true
  WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
"$service" stop >/dev/null

# Wine sees the Linux file system as drive Z:.
QUORVI_PROGRAM="Z:$(realpath "$program" | tr / '\\')"
export QUORVI_PROGRAM ROOT="$root" DRIVER="$driver" SERVICE="$service"
export DESKTOP='HKCU\Control Panel\Desktop'

xvfb-run -a -s "-screen 0 1800x1200x24" bash -c '
  set -euo pipefail
  "$ROOT/scripts/wine-run" "$DRIVER" --gtest_filter="ServiceDown.*:InProcessWindow.*"
  "$SERVICE" start
  "$ROOT/scripts/wine-run" "$DRIVER" --gtest_filter="Program.*"
  "$ROOT/scripts/wine-run" reg add "$DESKTOP" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
  # The setting is read when Wine starts: a new server, once the old one has gone.
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  status=0
  "$ROOT/scripts/wine-run" "$DRIVER" --gtest_filter="HighDpi.*" || status=$?
  "$ROOT/scripts/wine-run" reg delete "$DESKTOP" /v LogPixels /f >/dev/null
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  exit $status
'
