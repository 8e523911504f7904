#!/usr/bin/env bash
# Usage: scripts/check-reproducible.sh [WORK_FOLDER]
# Proves that the Windows programs and their packages are reproducible: builds the Release
# quillet.exe and quillet-bookmarks.exe, the installer, the portable zip and SHA256SUMS twice
# from this source tree and compares them byte for byte. The second build reads the source
# through another path (a symbolic link), builds in a folder of another name and length, starts
# after the first has ended, and runs with another time zone and file-creation mask, so that
# build paths, build times, the time zone and file modes would all show up as differences.
# Also checks that the packages are named after the project's version and that SHA256SUMS
# matches them. WORK_FOLDER (default: build/reproducible, that is $QUILLET_BUILD/reproducible)
# holds the two build folders; both are made afresh. Exits 0 when everything is identical.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-${QUILLET_BUILD:-$root/build}/reproducible}

bash "$root/scripts/install-deps.sh"
mkdir -p "$work"
work=$(cd "$work" && pwd)

# build SOURCE BUILD_FOLDER: a fresh Release build of the program and the packages.
build() {
  local source=$1 folder=$2
  rm -rf "$folder"
  echo "== build in $folder (source: $source)"
  cmake -S "$source" -B "$folder" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-i686.cmake" >/dev/null
  cmake --build "$folder" -j"$(nproc)" --target quillet_checksums >/dev/null
}

first=$work/one
second=$work/second-build-in-a-folder-with-a-longer-name
other_source=$work/source-seen-through-a-link
build "$root" "$first"
ln -sfn "$root" "$other_source"
(umask 0077 && TZ=XYZ-14 build "$other_source" "$second")

failed=0
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$first/CMakeCache.txt")
expected="SHA256SUMS quillet-$version-portable.zip quillet-$version-setup.exe"
for folder in "$first" "$second"; do
  found=$(cd "$folder/dist" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')
  if [ "$found" != "$expected" ]; then
    echo "FAILED: $folder/dist holds \"$found\", not \"$expected\""
    failed=1
  fi
  (cd "$folder/dist" && sha256sum --quiet -c SHA256SUMS) || failed=1
done

for file in src/main_dialog/quillet.exe src/bookmarks/quillet-bookmarks.exe \
  dist/quillet-$version-setup.exe dist/quillet-$version-portable.zip dist/SHA256SUMS; do
  if cmp -s "$first/$file" "$second/$file"; then
    echo "identical: $file  $(sha256sum <"$first/$file" | cut -d' ' -f1)"
  else
    echo "FAILED: $file differs between the two builds:"
    cmp "$first/$file" "$second/$file" || true
    failed=1
  fi
done
exit "$failed"
