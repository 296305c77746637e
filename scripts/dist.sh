#!/usr/bin/env bash
# Builds the release from the committed tree, twice, in two folders, and leaves in dist/:
#   Brimlow-<version>-win32.zip  Brimlow.exe (i686), README.txt, LICENSE.txt, CHANGES.txt
#   SHA256SUMS                   for the zip and the exe
# Both builds must give the same bytes: every time in them is the commit's (SOURCE_DATE_EPOCH), no
# folder is in them, and the zip holds its files in a fixed order.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
die() { echo "make dist: $*" >&2; exit 1; }

[ -z "$(git status --porcelain)" ] || die "the tree has changes that are not committed; a release is built from a commit"
version="$(sed -nE 's/^project\(Brimlow VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || die "no version in project() of CMakeLists.txt"
top="$(grep -m1 -E '^## ' CHANGES.md | sed -E 's/^## ([^ ]+).*/\1/')"
[ "$top" = "$version" ] || die "CHANGES.md's top entry is '$top'; project() says $version: name the release in CHANGES.md"
commit="$(git rev-parse HEAD)"
export SOURCE_DATE_EPOCH="$(git log -1 --format=%ct)"
export TZ=UTC

# One build of the commit in its own folder: its exe and zip in $1/out.
build_once() {
  local work="$1"
  rm -rf "$work"
  mkdir -p "$work/src" "$work/out/Brimlow-$version"
  git archive "$commit" | tar -x -C "$work/src"
  cmake -S "$work/src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
        -DBRIMLOW_TESTS=OFF >/dev/null
  cmake --build "$work/build" -j "$(nproc)" >/dev/null
  local staged="$work/out/Brimlow-$version"
  cp "$work/build/Brimlow.exe" "$staged/Brimlow.exe"
  crlf < "$work/src/README.md" | sed '/^!\[/d' > "$staged/README.txt"
  crlf < "$work/src/LICENSE" > "$staged/LICENSE.txt"
  crlf < "$work/src/CHANGES.md" > "$staged/CHANGES.txt"
  python3 "$work/src/scripts/zip-release.py" "$work/out/Brimlow-$version-win32.zip" "$staged" \
    Brimlow.exe README.txt LICENSE.txt CHANGES.txt
}
crlf() { sed 's/\r$//; s/$/\r/'; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
echo "Building Brimlow $version (commit ${commit:0:12}) in $tmp/first"
build_once "$tmp/first"
sleep 1
echo "Building it again in $tmp/second, to compare"
build_once "$tmp/second"
for file in "Brimlow-$version/Brimlow.exe" "Brimlow-$version-win32.zip"; do
  cmp -s "$tmp/first/out/$file" "$tmp/second/out/$file" || die "the two builds differ in $(basename "$file"): not reproducible"
done
echo "The two builds are byte for byte the same"

rm -rf dist
mkdir dist
cp "$tmp/first/out/Brimlow-$version-win32.zip" dist/
cp "$tmp/first/out/Brimlow-$version/Brimlow.exe" dist/
(cd dist && sha256sum "Brimlow-$version-win32.zip" Brimlow.exe > SHA256SUMS)
echo "dist/:"
ls -l dist
cat dist/SHA256SUMS
