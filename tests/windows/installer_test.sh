#!/usr/bin/env bash
# The installer under wine: a silent install with the PATH option puts the
# program, its user guide and its README into Program Files, on the user's PATH and in the
# list of installed programs; the installed program updates a copy of the
# example project; the silent uninstall takes all of it away again and
# leaves no file in the install folder.
#
# usage: installer_test.sh SETUP_EXE SOURCE_DIR   (WINEPREFIX names a prefix made with wineboot)
set -euo pipefail
setup=$1 source=$2
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmere'

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-setup-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

wine "$(winepath -w "$setup")" /S /PATH || fail "the silent install failed"
folder_windows=$(wine reg query "$uninstall_key" /v InstallLocation | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
[ -n "$folder_windows" ] || fail "the uninstaller is not registered"
folder=$(winepath -u "$folder_windows")
for file in quillmere.exe README.txt uninstall.exe "QMR Help.chm"; do
  [ -f "$folder/$file" ] || fail "$file is not installed in $folder_windows"
done
wine reg query 'HKCU\Environment' /v Path | tr -d '\r' | grep -qF "$folder_windows" ||
  fail "the install folder is not on the user's PATH"

cp -r "$source/examples/." "$work/"
(cd "$work" && wine "$folder_windows\\quillmere.exe" "/p$(winepath -w "$work/Billing/Billing.vbp")" /a /b /l /v) \
  >"$work/summary" || fail "the installed program failed: $(cat "$work/summary")"
grep -q "'SS\*\*\*\*\*\*" "$work/Billing/modUtil.bas" || fail "the installed program changed nothing"

wine "$folder_windows\\uninstall.exe" /S || fail "the silent uninstall failed"
# The uninstaller finishes from a copy of itself that it started elsewhere.
for _ in $(seq 60); do
  [ -e "$folder" ] || break
  sleep 0.5
done
[ ! -e "$folder" ] || fail "left behind in $folder_windows: $(ls -A "$folder")"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller is still registered"
! wine reg query 'HKCU\Environment' /v Path 2>/dev/null | tr -d '\r' | grep -qF "$folder_windows" ||
  fail "the install folder is still on the PATH"
echo "PASS"
