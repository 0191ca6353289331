#!/usr/bin/env bash
# The program must run on a bare system: every DLL it imports is the system's.
set -euo pipefail
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|msimg32|msvcrt|advapi32)\.dll$'
status=0
while read -r dll; do
  if ! printf '%s\n' "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
    echo "imports $dll, which is not a system DLL"
    status=1
  fi
done < <(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p')
exit $status
