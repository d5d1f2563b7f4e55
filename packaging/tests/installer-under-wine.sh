#!/usr/bin/env bash
# Usage: installer-under-wine.sh <program exe> <work dir>
#
# Builds the Windows installer for the program with NSIS, installs it silently under Wine
# in a fresh prefix inside <work dir>, checks the program, the Start-menu shortcut, the
# uninstaller and the uninstall registry key, then runs the registered uninstaller
# silently and checks that all of it is gone. A 32-bit program on a kernel that runs no
# 32-bit programs (Wine's 32-bit loader fails) is skipped with exit code 77.
set -euo pipefail

program=$1
work=$2
packaging=$(cd "$(dirname "$0")/.." && pwd)
wine_dir=/usr/lib/wine

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

pe_machine() {
  "$packaging/../scripts/pe-machine" "$1"
}

[ -f "$program" ] || {
  echo "FAIL: no program $program" >&2
  exit 1
}
command -v makensis >/dev/null || {
  echo "FAIL: makensis not found; run scripts/setup-deps" >&2
  exit 1
}
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)

version=$(sed -n 's/^project(QuorviV2 VERSION \([0-9.]*\).*/\1/p' "$packaging/../CMakeLists.txt")
machine=$(pe_machine "$program")
# A 32-bit program goes to the 32-bit Program Files and the 32-bit registry view.
case $machine in
  014c) arch=x86 loader=$wine_dir/wine programs="Program Files (x86)" view=/reg:32 ;;
  8664) arch=x64 loader=$wine_dir/wine64 programs="Program Files" view=/reg:64 ;;
  *) echo "FAIL: $program is no x86 or x64 Windows program" >&2; exit 1 ;;
esac

setup=$work/QuorviV2-$version-setup.exe
makensis -V2 -DARCH="$arch" -DPROGRAM="$program" -DOUTFILE="$setup" \
  "$packaging/windows/QuorviV2.nsi" >"$work/makensis.log" 2>&1 || {
  cat "$work/makensis.log" >&2
  exit 1
}
[ "$(pe_machine "$setup")" = "$machine" ] || {
  echo "FAIL: the installer's machine type is '$(pe_machine "$setup")', the program's $machine" >&2
  exit 1
}

if [ "$arch" = x86 ] && ! "$wine_dir/wine" --version >/dev/null 2>&1; then
  echo "SKIP: this kernel runs no 32-bit programs, so the 32-bit installer cannot run" \
       "under Wine here (built: $setup)"
  exit 77
fi

export WINEPREFIX=$work/wine
export WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries of the shortcut in the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap '"$wine_dir/wineserver" -k >/dev/null 2>&1 || true' EXIT
WINEARCH=win64 "$wine_dir/wine64" wineboot -i >"$work/wineboot.log" 2>&1 || true
"$wine_dir/wineserver" -w
[ -d "$WINEPREFIX/drive_c/windows" ] || {
  echo "FAIL: no Wine prefix made: $(cat "$work/wineboot.log")" >&2
  exit 1
}

drive_c=$WINEPREFIX/drive_c
instdir=$drive_c/$programs/QuorviV2
instdir_win="C:\\$programs\\QuorviV2"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/QuorviV2.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuorviV2'

# reg is a 64-bit built-in, so it runs wherever Wine does; the view is the program's.
query_key() {
  "$wine_dir/wine64" reg query "$key" "$view" 2>/dev/null | tr -d '\r'
}
reg_value() {
  sed -n "s/^ *$1 \{2,\}REG_[A-Z_]* \{2,\}//p" "$work/key.txt"
}
expect_value() {
  local actual
  actual=$(reg_value "$1")
  [ "$actual" = "$2" ] || fail "$1 is '$actual', expected '$2'"
}

"$loader" "$setup" /S >"$work/install.log" 2>&1 || fail "the installer exited with $?"
"$wine_dir/wineserver" -w

cmp -s "$program" "$instdir/QuorviV2.exe" || fail "$instdir/QuorviV2.exe is not the program"
[ -f "$instdir/Uninstall.exe" ] || fail "no $instdir/Uninstall.exe"
if [ -f "$shortcut" ]; then
  grep -qaF "$instdir_win\\QuorviV2.exe" "$shortcut" ||
    fail "the shortcut does not point at $instdir_win\\QuorviV2.exe"
else
  fail "no Start-menu shortcut $shortcut"
fi

uninstaller=
if query_key >"$work/key.txt"; then
  expect_value DisplayName QuorviV2
  expect_value DisplayVersion "$version"
  expect_value Publisher "Sorbeno Analytik GmbH"
  expect_value UninstallString "\"$instdir_win\\Uninstall.exe\""
  expect_value DisplayIcon "$instdir_win\\QuorviV2.exe,0"
  uninstaller=$(reg_value UninstallString | tr -d '"')
else
  fail "no registry key $key ($view)"
fi

# Uninstalled the way Windows does it, by the registered command. The uninstaller copies
# itself to the temp folder and returns at once; wineserver -w waits until every process
# of the prefix, that copy too, has ended. (_?= would wait as well but keep the
# uninstaller and its folder, whose removal is checked here.)
if [ -n "$uninstaller" ] && [ -f "$instdir/Uninstall.exe" ]; then
  "$loader" "$uninstaller" /S >"$work/uninstall.log" 2>&1 || fail "the uninstaller exited with $?"
  "$wine_dir/wineserver" -w

  [ ! -e "$instdir/QuorviV2.exe" ] || fail "uninstalling left $instdir/QuorviV2.exe"
  [ ! -e "$instdir/Uninstall.exe" ] || fail "uninstalling left $instdir/Uninstall.exe"
  [ ! -d "$instdir" ] || fail "uninstalling left the folder $instdir"
  [ ! -e "$shortcut" ] || fail "uninstalling left the shortcut $shortcut"
  ! query_key >/dev/null || fail "uninstalling left the registry key $key ($view)"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installer under Wine: all checks passed ($arch, $instdir_win)"
