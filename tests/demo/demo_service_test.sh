#!/usr/bin/env bash
# Starts the demo service on a free port, asks it for every kind of document the program
# requests, at the addresses the program composes, checks the demo documents themselves,
# and stops the service again.
#
# Environment: QUORVI_PKI_DIR and QUORVI_DEMO_RUNTIME_DIR as for scripts/demo-service.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
www=$repo/demo/www
data="Dropbox (Veltranik-Sorbeno)/Quorvi"
data_url="Dropbox%20(Veltranik-Sorbeno)/Quorvi/"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

QUORVI_DEMO_PORT=$(python3 -c 'import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])')
export QUORVI_DEMO_PORT
export QUORVI_PKI_DIR=${QUORVI_PKI_DIR:-$repo/build/dev/pki}
export QUORVI_DEMO_RUNTIME_DIR=${QUORVI_DEMO_RUNTIME_DIR:-$repo/build/demo-service-test}
base="https://localhost:$QUORVI_DEMO_PORT/"
scratch=$QUORVI_DEMO_RUNTIME_DIR/scratch
mkdir -p "$scratch"
trap '"$repo/scripts/demo-service" stop >/dev/null || true' EXIT

"$repo/scripts/demo-service" start

# fetch <url> <body file> [curl options]: prints "<status> <content type>".
fetch() {
  local url=$1 body=$2
  shift 2
  curl -sS --globoff --path-as-is --cacert "$QUORVI_PKI_DIR/ca.pem" \
    -o "$body" -D "$scratch/headers" -w '%{http_code} %{content_type}' "$@" "$url"
}

# expect <what> <actual> <expected>
expect() {
  [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}

# The service probe.
expect "HEAD of the root" "$(fetch "$base" /dev/null -I)" "200 text/html"

# A sample document at its double-slash address, as the stored Windows-1252 bytes.
code=TW-2026-0815
expect "sample document" "$(fetch "$base$data_url/JSON/$code.json" "$scratch/sample")" \
  "200 application/json"
cmp -s "$scratch/sample" "$www/$data/JSON/$code.json" || fail "sample document differs from file"
if iconv -f UTF-8 -t UTF-8 "$scratch/sample" >/dev/null 2>&1; then
  fail "sample document is valid UTF-8, expected Windows-1252"
fi
customer=$(iconv -f CP1252 -t UTF-8 "$scratch/sample" |
  python3 -c 'import json, sys; print(json.load(sys.stdin)["CustomerName"])')
expect "customer name read as Windows-1252" "$customer" "Jürgen Müller"

# JSON comes gzip-compressed to a client that accepts it.
expect "interpreter document, compressed" \
  "$(fetch "${base}interpreter/Trinkwasser.json" "$scratch/interpreter" --compressed)" \
  "200 application/json"
grep -qi '^content-encoding: gzip' "$scratch/headers" ||
  fail "interpreter document not gzip-encoded"
cmp -s "$scratch/interpreter" "$www/interpreter/Trinkwasser.json" ||
  fail "decompressed interpreter document differs from file"

# A sample type with a space and an umlaut, percent-encoded as UTF-8.
expect "interpreter document of 'Warmwasser Großanlage'" \
  "$(fetch "${base}interpreter/Warmwasser%20Gro%C3%9Fanlage.json" "$scratch/ww")" \
  "200 application/json"
cmp -s "$scratch/ww" "$www/interpreter/Warmwasser Großanlage.json" ||
  fail "interpreter document 'Warmwasser Großanlage' differs from file"

# The report probe, and the report itself.
report_url="$base$data_url/reports/$code.pdf"
expect "report probe" "$(fetch "$report_url" /dev/null -I)" "200 application/pdf"
fetch "$report_url" "$scratch/report" >/dev/null
[ "$(head -c 5 "$scratch/report")" = "%PDF-" ] || fail "report is not a PDF"

# What the server does not have.
expect "missing report" "$(fetch "$base$data_url/reports/TW-2026-0817.pdf" /dev/null -I)" \
  "404 text/html"
expect "missing interpreter document" \
  "$(fetch "${base}interpreter/Abwasser.json" /dev/null)" "404 text/html"
expect "missing sample document" \
  "$(fetch "$base$data_url/JSON/XX-0000-0000.json" /dev/null)" "404 text/html"

# Every sample's type names an interpreter document, except the one sample meant to lack it.
samples=("$www/$data/JSON/"*.json)
typed=0
while read -r sample type; do
  typed=$((typed + 1))
  expected=200
  [ "$sample" != AW-2026-0099.json ] || expected=404
  status=$(fetch "${base}interpreter/$type.json" /dev/null -I)
  expect "interpreter document for $sample" "${status%% *}" "$expected"
done < <(python3 - "${samples[@]}" <<'EOF_PY'
import json, pathlib, sys, urllib.parse
for path in map(pathlib.Path, sys.argv[1:]):
    sample_type = json.loads(path.read_text(encoding="cp1252"))["SampleType"]
    print(path.name, urllib.parse.quote(sample_type, safe=""))
EOF_PY
)
expect "samples with a type" "$typed" "${#samples[@]}"

# Every document is valid JSON; sample documents are read as Windows-1252.
for sample in "${samples[@]}"; do
  iconv -f CP1252 -t UTF-8 "$sample" | python3 -m json.tool >/dev/null ||
    fail "$(basename "$sample") is not valid JSON"
done
for document in "$www/interpreter/"*.json; do
  python3 -m json.tool "$document" >/dev/null || fail "$(basename "$document") is not valid JSON"
done

# Interpreter documents: the entries first, then Params (entries + 1), then Introtext.
for document in "$www/interpreter/"*.json; do
  problem=$(python3 - "$document" <<'EOF_PY'
import json, sys
fields = ["Param", "MCL", "MCLLevel1", "MCLOK", "SpecialComment", "Unit"]
members = json.load(open(sys.argv[1], encoding="utf-8"), object_pairs_hook=list)
keys = [key for key, _ in members]
entries = members[:-2]
if keys[-2:] != ["Params", "Introtext"]:
    print("the last two members are", keys[-2:])
elif str(members[-2][1]) != str(len(entries) + 1):
    print("Params is", members[-2][1], "for", len(entries), "entries")
for key, entry in entries:
    if not isinstance(entry, list) or sorted(k for k, _ in entry) != sorted(fields):
        print("entry", key, "does not hold exactly", fields)
    elif not all(isinstance(value, str) for _, value in entry):
        print("entry", key, "has a value that is not text")
EOF_PY
  )
  [ -z "$problem" ] || fail "$(basename "$document"): $problem"
done

"$repo/scripts/demo-service" stop
if "$repo/scripts/demo-service" status >/dev/null; then
  fail "service still running after stop"
fi

[ "$failures" -eq 0 ] || exit 1
echo "demo service: all checks passed"
