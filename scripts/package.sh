#!/usr/bin/env bash
# Builds the two Windows packages of Quillet and copies them into one folder:
#   quillet-<version>-setup.exe     installer: Program Files, Start menu, uninstall entry
#   quillet-<version>-portable.zip  quillet.exe and README.txt, runs from any folder
#   SHA256SUMS                      their SHA-256 checksums, for "sha256sum -c SHA256SUMS"
# <version> is the one in project(... VERSION ...) of CMakeLists.txt. The packages are
# reproducible: the same commit gives the same bytes, whoever builds it, wherever, whenever.
# Installs what is missing first (scripts/install-deps.sh), builds the Windows program in
# $QUILLET_BUILD/win (default build/win) and writes the packages into $QUILLET_DIST
# (default: build/dist, that is $QUILLET_BUILD/dist). Prints the path of each package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}
dist=${QUILLET_DIST:-$build/dist}

bash "$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" >/dev/null
cmake --build "$build/win" -j"$(nproc)" --target quillet_checksums

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/win/CMakeCache.txt")
mkdir -p "$dist"
for package in "quillet-$version-setup.exe" "quillet-$version-portable.zip" SHA256SUMS; do
  cp "$build/win/dist/$package" "$dist/"
  echo "$dist/$package"
done
