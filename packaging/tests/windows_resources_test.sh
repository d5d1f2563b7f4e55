#!/usr/bin/env bash
# Usage: windows_resources_test.sh <windres> <work dir>
#
# Compiles the Windows resource script with the MinGW resource compiler, reads the
# compiled resources back and checks the version record, the manifest and that the icon
# holds the current application PNGs.
set -euo pipefail

windres=$1
work=$2
packaging=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$work"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Without the MinGW C compiler, the host's preprocessor does: the script includes nothing.
preprocessor=()
command -v i686-w64-mingw32-gcc >/dev/null || preprocessor=(--preprocessor=cpp)
"$windres" "${preprocessor[@]}" -i "$packaging/windows/QuorviV2.rc" -o "$work/QuorviV2.res"
"$windres" -i "$work/QuorviV2.res" -O rc -o "$work/decompiled.rc"

while IFS= read -r line; do
  grep -qF -- "$line" "$work/decompiled.rc" || fail "compiled resources lack: $line"
done <<'EOF_LINES'
1 VERSIONINFO
FILEVERSION 2, 0, 0, 4
PRODUCTVERSION 2, 0, 0, 0
FILETYPE 0x1
VALUE "FileDescription", "QuorviV2"
VALUE "FileVersion", "2.0.0.4"
VALUE "InternalName", "QuorviV2"
VALUE "ProgramID", "QuorviV2"
VALUE "ProductName", "QuorviV2"
VALUE "ProductVersion", "2.0.0.0"
VALUE "Translation", 0x407, 1252
1 24 /* RT_MANIFEST */
1 14 /* RT_GROUP_ICON */
EOF_LINES

problem=$(python3 - "$packaging/windows/QuorviV2.manifest" <<'EOF_PY'
import sys
import xml.etree.ElementTree as tree

v1, v3 = "{urn:schemas-microsoft-com:asm.v1}", "{urn:schemas-microsoft-com:asm.v3}"
compat = "{urn:schemas-microsoft-com:compatibility.v1}"
settings = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
root = tree.parse(sys.argv[1]).getroot()
found = {
    "dpiAware": root.findtext(f".//{v3}windowsSettings/{settings}dpiAware"),
    "executionLevel": root.find(f".//{v3}requestedExecutionLevel").attrib,
    "commonControls": root.find(f"{v1}dependency/{v1}dependentAssembly/{v1}assemblyIdentity")
                          .attrib,
    "supportedOS": [e.get("Id") for e in root.iter(f"{compat}supportedOS")],
}
expected = {
    "dpiAware": "True/PM",
    "executionLevel": {"level": "asInvoker", "uiAccess": "false"},
    "commonControls": {"type": "win32", "name": "Microsoft.Windows.Common-Controls",
                       "version": "6.0.0.0", "processorArchitecture": "*",
                       "publicKeyToken": "6595b64144ccf1df", "language": "*"},
    "supportedOS": ["{e2011457-1546-43c5-a5fe-008deee3d3f0}",   # Vista
                    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",   # 7
                    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",   # 8
                    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",   # 8.1
                    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"],  # 10
}
for key in expected:
    if found[key] != expected[key]:
        print(f"manifest {key} is {found[key]}, expected {expected[key]}")
EOF_PY
)
[ -z "$problem" ] || fail "$problem"

ico=$packaging/windows/QuorviV2.ico
sizes=$(identify -format '%wx%h ' "$ico")
[ "$sizes" = "16x16 24x24 32x32 48x48 256x256 " ] || fail "icon sizes are '$sizes'"
frame=0
for size in 16 24 32 48 256; do
  png=$packaging/icons/app-$size.png
  if [ -f "$png" ]; then
    differing=$(compare -metric AE "$ico[$frame]" "$png" null: 2>&1 || true)
    [ "$differing" = 0 ] ||
      fail "icon image $size differs from app-$size.png ($differing): run packaging/icons/render"
  fi
  frame=$((frame + 1))
done

[ "$failures" -eq 0 ] || exit 1
echo "windows resources: all checks passed"
