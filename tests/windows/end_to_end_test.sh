#!/usr/bin/env bash
# The Windows program under wine against the Linux program, on two copies of
# the example project that also list a member in a folder with an accented
# name (written in the ANSI code page in the project file, as Visual Basic
# writes it): the update run leaves every file byte for byte as the Linux
# build leaves it, the settings land in the registry under the product's key
# with the values the Linux settings file holds (and that file, imported,
# gives the same registry), and the analysis prints the same report.
#
# usage: end_to_end_test.sh WINDOWS_EXE LINUX_EXE SOURCE_DIR
# (WINEPREFIX names a prefix made with wineboot)
set -euo pipefail
windows_exe=$1 linux_exe=$2 source=$3
key='HKCU\Software\Oskavel Software\Quillmere'

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-e2e-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The accented folder is "Données" to Windows: wine keeps names in UTF-8 on
# disk, while the Linux program finds the project file's bytes as they are.
accented_utf8=$(printf 'Donn\xc3\xa9es')
accented_ansi=$(printf 'Donn\xe9es')
member_line=$(printf 'Module=Donnees; DONN\xe9ES\\modDonnees.bas\r')
for side in linux windows; do
  mkdir -p "$work/$side/copy" "$work/$side/program" "$work/$side/cwd"
  cp -r "$source/examples/." "$work/$side/copy/"
  folder=$accented_ansi
  [ "$side" = windows ] && folder=$accented_utf8
  mkdir "$work/$side/copy/Billing/$folder"
  cp "$source/tests/data/accented/modDonnees.bas" "$work/$side/copy/Billing/$folder/"
  { head -n 5 "$work/$side/copy/Billing/Billing.vbp"; echo "$member_line"; tail -n +6 "$work/$side/copy/Billing/Billing.vbp"; } \
    >"$work/$side/Billing.vbp" && mv "$work/$side/Billing.vbp" "$work/$side/copy/Billing/Billing.vbp"
done
# Each program in a folder of its own, so both start from the default style.
cp "$linux_exe" "$work/linux/program/"
cp "$windows_exe" "$work/windows/program/"
linux_program="$work/linux/program/$(basename "$linux_exe")"
windows_program=$(winepath -w "$work/windows/program/$(basename "$windows_exe")")
windows_project=$(winepath -w "$work/windows/copy/Billing/Billing.vbp")
linux_project="$work/linux/copy/Billing/Billing.vbp"

# The update run.
(cd "$work/linux/cwd" && XDG_CONFIG_HOME="$work/linux/config" "$linux_program" /p "$linux_project" /a /b /l /v) \
  >"$work/linux/summary" || fail "the Linux run failed"
wine reg delete "$key" /f >/dev/null 2>&1 || true
(cd "$work/windows/cwd" && wine "$windows_program" "/p$windows_project" /a /b /l /v) >"$work/windows/summary" ||
  fail "the Windows run failed: $(cat "$work/windows/summary")"

grep -q "'SS\*\*\*\*\*\*" "$work/windows/copy/Billing/$accented_utf8/modDonnees.bas" ||
  fail "the member in the accented folder was not processed: $(cat "$work/windows/summary")"
# The analysis of the result (before the folders are renamed below).
"$linux_program" --analyse "$linux_project" >"$work/linux.report" || fail "the Linux analysis failed"
wine "$windows_program" --analyse "$windows_project" | tr -d '\r' >"$work/windows.report" ||
  fail "the Windows analysis failed"
diff "$work/linux.report" "$work/windows.report" >&2 || fail "the analyses differ"
LC_ALL=C grep -q "$(printf 'DONN\xe9ES')" "$work/windows.report" || fail "the analysis does not list the accented member"
# Names as wine keeps them: the ANSI names the Linux program made, in UTF-8.
LC_ALL=C find "$work/linux/copy" -depth -name "*$(printf '[\x80-\xff]')*" | while read -r path; do
  mv "$path" "$(dirname "$path")/$(basename "$path" | iconv -f CP1252 -t UTF-8)"
done
# Backup folders are named after the time of the run; their content counts.
for side in linux windows; do
  backups=("$work/$side/copy/Billing/Backup on "*)
  [ ${#backups[@]} -eq 1 ] && [ -d "${backups[0]}" ] || fail "$side: expected one backup folder"
  mv "${backups[0]}" "$work/$side/copy/Billing/Backup"
done
diff -r "$work/linux/copy" "$work/windows/copy" >&2 || fail "the two programs left different files"

# The settings: the registry key exported by wine against the Linux
# settings file, each value under its key, the project's path made neutral.
registry_values() {  # FILE PROJECT_PATH_AS_WRITTEN
  local text
  # reg export writes UTF-16 with a byte-order mark; the settings file is ANSI.
  if [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" = fffe ]; then
    text=$(iconv -f UTF-16 -t CP1252 "$1" | tr -d '\r')
  else
    text=$(tr -d '\r' <"$1")
  fi
  printf '%s\n' "${text//"$2"/PROJECT}" |
    awk '/^\[/ { key = $0; next } /^"/ { print key " " $0 }' | sort
}
wine reg export "$key" "$(winepath -w "$work/windows.reg")" /y >/dev/null || fail "no settings under $key"
windows_escaped=${windows_project//\\/\\\\}
registry_values "$work/windows.reg" "$windows_escaped" >"$work/windows.values"
registry_values "$work/linux/config/Oskavel Software/Quillmere.reg" "$linux_project" >"$work/linux.values"
grep -q 'Previous\] "1"="PROJECT"' "$work/windows.values" || fail "the project is not the first recent one"
diff "$work/linux.values" "$work/windows.values" >&2 || fail "the settings differ"
# The Linux file imported on Windows gives the same registry.
sed "s|$linux_project|${windows_escaped//\\/\\\\}|" "$work/linux/config/Oskavel Software/Quillmere.reg" \
  >"$work/imported.reg"
wine reg delete "$key" /f >/dev/null 2>&1
wine reg import "$(winepath -w "$work/imported.reg")" >/dev/null 2>&1 || fail "the Linux settings file does not import"
wine reg export "$key" "$(winepath -w "$work/reexported.reg")" /y >/dev/null
registry_values "$work/reexported.reg" "$windows_escaped" | diff "$work/linux.values" - >&2 ||
  fail "the imported settings differ"

echo "PASS"
