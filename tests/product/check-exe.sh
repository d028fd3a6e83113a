#!/usr/bin/env bash
# Checks the product file itself: a 32-bit Windows GUI program (PE32, i386),
# importing nothing but Windows' own DLLs (everything else is linked in),
# carrying the program icon and a version record of 1.1.0.0 that names
# Tarvolin.  usage: check-exe.sh Tarvolin.exe
set -uo pipefail
exe=$1
failures=0
fail() { echo "check-exe: $*" >&2; failures=$((failures + 1)); }

headers=$(objdump -p "$exe") || { echo "check-exe: cannot read $exe" >&2; exit 1; }
grep -q 'file format pei-i386' <<<"$headers" || fail "not a PE32 (i386) file"
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" || fail "not a GUI-subsystem program"

# Windows' own DLLs only: no C++ runtime, GCC support or threading DLL.
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|msvcrt|uuid|api-ms-win-.*)\.dll$'
while read -r dll; do
  grep -Eiq "$allowed" <<<"$dll" || fail "imports $dll"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

resources=$(wrestool -l "$exe" 2>/dev/null)
grep -q -- '--type=14 ' <<<"$resources" || fail "no icon group"
grep -q -- '--type=3 ' <<<"$resources" || fail "no icon"
grep -q -- '--type=16 ' <<<"$resources" || fail "no version record"

# The version record's strings are UTF-16; read them as such.
version=$(wrestool -x --raw --type=16 "$exe" 2>/dev/null | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr -c '[:print:]' '\n')
for field in FileVersion ProductVersion; do
  grep -A2 -x "$field" <<<"$version" | grep -qx '1.1.0.0' || fail "$field is not 1.1.0.0"
done
for field in FileDescription ProductName CompanyName LegalCopyright Comments; do
  grep -A2 -x "$field" <<<"$version" | grep -qx 'Tarvolin' || fail "$field is not Tarvolin"
done
# The fixed part: file and product version 1.1.0.0 as numbers (0x00010001, 0).
wrestool -x --raw --type=16 "$exe" | od -An -tx1 -v | tr -d ' \n' |
  grep -q 'bd04effe0000010001000100000000000100010000000000' || fail "fixed version numbers are not 1.1.0.0"

[ "$failures" -eq 0 ] && echo "check-exe: $exe is a PE32 GUI program with icon and version 1.1.0.0"
exit $((failures > 0))
