#!/usr/bin/env bash
# Fails when the exe imports a library that is not part of the system.
objdump="$1" exe="$2"
allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll advapi32.dll shell32.dll version.dll msvcrt.dll "
status=0
for dll in $("$objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}'); do
  if [[ "$allowed" != *" $dll "* ]]; then echo "not a system library: $dll"; status=1; else echo "ok: $dll"; fi
done
exit $status
