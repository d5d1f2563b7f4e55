#!/usr/bin/env bash
# Usage: e2e_test.sh <program> <cmake> <RunProbeCheck.cmake>
#
# The program built with WindowPass against the demo service on QUORVI_DEMO_PORT: first
# with the service down (the start-up probe refuses), then with it running, one pass per
# run. Each run's output must be exactly what a user would have seen.
# Environment: QUORVI_DEMO_PORT, QUORVI_PKI_DIR, QUORVI_DEMO_RUNTIME_DIR as for
# scripts/demo-service; QT_QPA_PLATFORM=offscreen.
set -euo pipefail

program=$1 cmake=$2 probe_check=$3
service=$(cd "$(dirname "$0")/../.." && pwd)/scripts/demo-service

failures=0
trap '"$service" stop >/dev/null || true' EXIT
"$service" stop

echo "== service down"
"$cmake" -DPROGRAM="$program" -P "$probe_check" || failures=$((failures + 1))

"$service" start

# check <name> <pass> <expected output>
check() {
  local output errors
  echo "== $1"
  errors=$(mktemp)
  output=$(QUORVI_PASS=$2 timeout 120 "$program" 2>"$errors") || {
    echo "FAIL: exit code $?"
    failures=$((failures + 1))
  }
  if [ "$output" != "$3" ]; then
    echo "FAIL: the program showed:"
    echo "$output"
    echo "with errors:"
    cat "$errors"
    echo "expected:"
    echo "$3"
    failures=$((failures + 1))
  fi
  rm -f "$errors"
}

shown='main window shown'
nitrat_note='Nitrat gelangt vor allem durch Düngung aus der Landwirtschaft ins Grundwasser. Im Körper kann daraus Nitrit entstehen, das besonders für Säuglinge gefährlich ist. Erhöhte Werte findet man häufig in Hausbrunnen in landwirtschaftlich genutzten Gebieten.'
blei_note='Blei stammt im Trinkwasser fast immer aus alten Bleirohren der Hausinstallation. Ab dem 12. Januar 2028 gilt ein Grenzwert von 5 µg/L.'

check "within the limit" 'TW-2026-0815|Nitrat|keins|12,5|mg/L' "$shown
interpretation: Der gemessene Wert von 12.5mg/L für Nitrat hält den Grenzwert der Trinkwasserverordnung von 50000 µg/L (50 mg/L) ein.\\n$nitrat_note\\n
interpretation area: visible enabled lime"

check "limit exceeded" 'TW-2026-0815|Blei|keins|12,5|µg/L' "$shown
interpretation: Der gemessene Wert von 12.5µg/L für Blei überschreitet den Grenzwert der Trinkwasserverordnung von 10 µg/L. Schwangere, Säuglinge und Kleinkinder sollten dieses Wasser nicht trinken. Lassen Sie die Hausinstallation auf Bleirohre prüfen.\\n$blei_note\\n
interpretation area: visible enabled yellow"

check "no report" 'TW-2026-0817' "$shown
message box \"QuorviV2\", no icon, one OK button, application modal: Fehler: Die Probenaktivierung existiert, jedoch liegt kein Prüfbericht auf dem Server."

check "unsupported sample type" 'AW-2026-0099' "$shown
message box \"QuorviV2\", no icon, one OK button, application modal: Ihre Probenart wird derzeit leider nicht unterstützt"

# The window closed while the slow sample's document is on its way: the program ends with
# nothing shown.
check "closed during a slow load" 'TW-2026-0818|close' "$shown"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all passes as expected"
