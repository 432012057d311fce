#!/usr/bin/env bash
# Checks a built Pavonet.exe from the outside: machine, GUI subsystem, only
# system DLLs imported, and its resources (icon, version, own manifest).
# Usage: check_executable.sh EXE MACHINE(i386|x86-64) MANIFEST_SOURCE OBJDUMP
set -uo pipefail
export LC_ALL=C  # tool output is parsed below
exe=$1 machine=$2 manifest_source=$3 objdump=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
grep -q "file format pei-$machine" <<<"$headers" || fail "not a pei-$machine image"
grep -Eq '^Subsystem\s+0+2\s' <<<"$headers" || fail "not a Windows GUI program"

# Statically linked: nothing but DLLs every Windows has.
allowed='^(KERNEL32|USER32|GDI32|SHELL32|COMDLG32|ADVAPI32|msvcrt)\.dll$'
while read -r dll; do
  grep -Eiq "$allowed" <<<"$dll" || fail "imports $dll"
done < <(awk '/DLL Name:/ {print $3}' <<<"$headers")

resources=$(wrestool -l "$exe")
grep -q -- "--type=14 --name='MAINICON' --language=1041" <<<"$resources" || fail "no MAINICON group"
grep -q -- "--type=3 --name=1 --language=1041 .*size=16936" <<<"$resources" || fail "icon is not 64x64 32-bit"
grep -q -- "--type=16 --name=1 --language=1041" <<<"$resources" || fail "no version information"

# The program's own manifest: exactly the document for i386; elsewhere the
# same with "*" for the architecture.
embedded=$(mktemp)
trap 'rm -f "$embedded"' EXIT
wrestool -x --raw --type=24 --name=1 --language=1041 "$exe" >"$embedded"
if [ "$machine" = i386 ]; then
  [ "$(stat -c %s "$embedded")" = 655 ] || fail "manifest is $(stat -c %s "$embedded") bytes, not 655"
  cmp -s "$embedded" "$manifest_source" || fail "manifest differs from $manifest_source"
else
  sed 's/processorArchitecture="X86"/processorArchitecture="*"/' "$manifest_source" |
    cmp -s "$embedded" - || fail "manifest is not the \"*\" form"
  [ "$(stat -c %s "$embedded")" = 651 ] || fail "manifest is $(stat -c %s "$embedded") bytes, not 651"
fi

version=$(strings -el "$exe" | tr -d '\r')
grep -qx '1.21' <<<"$version" || fail "no version 1.21 in the version information"

[ "$failures" = 0 ] && echo "$exe: ok"
[ "$failures" = 0 ]
