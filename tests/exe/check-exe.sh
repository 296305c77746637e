#!/usr/bin/env bash
# Checks that read the exe without running it.
#   check-exe.sh Imports|Header|Resources|Manifest|Size|Version <objdump> <i686|x86_64> <exe> [version]
check="$1" objdump="$2" arch="$3" exe="$4" version="${5:-}"
set -o pipefail
dump="$("$objdump" -p "$exe")" || { echo "cannot read $exe"; exit 1; }
fail() { echo "$exe: $*"; exit 1; }

# Statically imported libraries must be the system's Known DLLs (found nowhere but the system folder),
# or comctl32, which the manifest binds to the system's side-by-side copy. The file dialogs' comdlg32
# and version are loaded when first used, so that start-up does not wait for them.
imports() {
  local allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll advapi32.dll shell32.dll msvcrt.dll ole32.dll shlwapi.dll "
  local dll status=0
  for dll in $(awk '/DLL Name:/ {print tolower($3)}' <<<"$dump"); do
    if [[ "$allowed" == *" $dll "* ]]; then echo "ok: $dll"
    elif [ "$dll" = comdlg32.dll ] || [ "$dll" = version.dll ]; then echo "loaded at start, not on first use: $dll"; status=1
    else echo "not a Known DLL: $dll"; status=1; fi
  done
  return $status
}

header() {
  local magic machine
  case "$arch" in
    i686) magic="010b" machine="pei-i386" ;;
    x86_64) magic="020b" machine="pei-x86-64" ;;
    *) fail "unknown architecture $arch" ;;
  esac
  grep -q "file format $machine" <<<"$dump" || fail "not a $machine image"
  grep -Eq "^Magic[[:space:]]+$magic" <<<"$dump" || fail "optional header magic is not $magic"
  grep -Eq "^Subsystem[[:space:]].*\(Windows GUI\)" <<<"$dump" || fail "not a GUI program"
  echo "ok: $machine, magic $magic, Windows GUI"
}

# Top-level resource types: 2 bitmap, 3 icon, 14 icon group, 16 version, 24 manifest.
resources() {
  local types want
  types="$(sed -n '/Resource Directory section/,$p' <<<"$dump" | awk '/^[0-9a-f]+   Entry: ID:/ {sub(/,$/, "", $4); print $4}')"
  for want in 2 3 14 16 24; do
    grep -qix "$(printf '0x%06x' "$want")" <<<"$types" || fail "no resource of type $want"
  done
  echo "ok: bitmaps, icon, version and manifest"
}

# Every assembly the embedded manifest names (the program's own, the common controls) is of the exe's
# architecture or of any: a 64-bit process handed the 32-bit common controls does not start.
manifest() {
  local want=x86 names
  [ "$arch" = x86_64 ] && want=amd64
  names="$(grep -ao 'processorArchitecture="[^"]*"' "$exe" | cut -d'"' -f2 | sort -u | tr '\n' ' ')"
  [ -n "$names" ] || fail "no manifest naming an architecture"
  [ -z "$(tr ' ' '\n' <<<"$names" | grep -vx -e "$want" -e '\*' -e '')" ] || fail "the manifest asks for $names; this is $want"
  echo "ok: $names"
}

size() {
  local bytes limit=500000
  bytes=$(stat -c %s "$exe")
  [ "$bytes" -le "$limit" ] || fail "$bytes bytes, more than $limit"
  echo "ok: $bytes bytes"
}

# The fixed part of the version resource (VS_FIXEDFILEINFO, after its signature 0xFEEF04BD and its
# structure version) holds the file version as major, minor, release, build in two little-endian
# DWORDs: minor and major, then build and release, as 16-bit words.
version_resource() {
  local at words
  at="$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$exe" | head -1 | cut -d: -f1)"
  [ -n "$at" ] || fail "no version resource"
  read -r -a words <<<"$(od -An -tu2 -j $((at + 8)) -N 8 "$exe")"
  local found="${words[1]}.${words[0]}.${words[3]}.${words[2]}"
  [ "$found" = "$version" ] || fail "the version resource says $found; project() says $version"
  echo "ok: version $found"
}

case "$check" in
  Imports) imports ;;
  Header) header ;;
  Resources) resources ;;
  Manifest) manifest ;;
  Size) size ;;
  Version) version_resource ;;
  *) fail "unknown check $check" ;;
esac
