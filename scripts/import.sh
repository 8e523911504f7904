#!/usr/bin/env bash
# Usage: scripts/import.sh BOOKMARKS.html
# Merges a browser's bookmark export into your per-user Quillet list, the one scripts/run.sh
# runs Quillet with:
#   ${QUILLET_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/quillet}/myQuillet.txt
# First the list is kept as run.sh keeps it, as myQuillet-YYYYMMDD-HHMMSS.txt beside it; then
# quillet-bookmarks (built natively in $QUILLET_BUILD/native, default build/native) adds the
# websites the list lacks at its end, making the list when there is none, and prints what it
# did. When the list did not change (nothing to add, or the file is no bookmark export) the copy
# is not needed and is removed again. Exits with quillet-bookmarks' exit code: 0 done, 1 the
# export or the list is not what it should be, 2 wrong usage.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}
source "$root/scripts/user-list.sh"

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "Usage: scripts/import.sh BOOKMARKS.html (a browser's bookmark export)" >&2
  exit 2
fi

cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/native" -j"$(nproc)" --target quillet-bookmarks >/dev/null

mkdir -p "$home"
keep_list import
status=0
"$build/native/src/bookmarks/quillet-bookmarks" import "$1" "$list" || status=$?
if [ -n "$kept" ] && cmp -s "$list" "$kept"; then
  rm -f "$kept"
elif [ -n "$kept" ]; then
  echo "import: your previous list was kept as $kept"
fi
if [ "$status" -eq 0 ]; then echo "import: Quillet's list is $list; scripts/run.sh runs Quillet with it"; fi
exit "$status"
