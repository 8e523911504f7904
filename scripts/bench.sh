#!/usr/bin/env bash
# Measures Quillet at scale and prints the tables that BENCHMARKS.md holds:
#   1. natively: parsing and normalising list files of 1k, 10k, 100k and 1M entries;
#   2. under Wine, on the program's own main dialog: LoadListFile (file read to selection set),
#      ListToText (the text of "Change List") and SaveEditedText (normalise, write, reload) at
#      the same sizes, with the growth factor from each size to the next;
#   3. under Wine, the real quillet.exe started from outside: start-up with a 1k-entry list
#      against a minimal Win32 program; the time until the main list shows every entry of a
#      100k- and a 1M-entry default list, against a 1-entry one; peak memory with the 1M list;
#   4. under Wine, the real quillet.exe driven from outside: opening the list editor on the same
#      100k- and 1M-entry lists (the click on "Change List" to the editor shown, and to the first
#      typed character taken);
#   5. natively: quillet-bookmarks importing Chrome-shaped exports of the same sizes into a
#      missing list and again into the list it made, and exporting that list;
#   6. the size of quillet.exe and quillet-bookmarks.exe;
#   7. under Wine, on the program's own main dialog: finding a website as the user types in
#      lists of 5k and 100k entries (each keystroke timed until the list is drawn, the find
#      opened and closed), against the load of the same list.
# Usage: scripts/bench.sh [--quick]
#   --quick measures up to 100k entries, with big lists, memory and the editor at 100k and fewer
#   start-up runs.
# On a fresh Debian 12 machine (as root) it installs what is missing first. The builds go to
# $QUILLET_BUILD/native and $QUILLET_BUILD/win, or win64 where the 64-bit Windows build runs
# (scripts/windows-target.sh; the report names the build), default build/; the report is also written to
# $QUILLET_BUILD/benchmarks.md. Timings follow the load of the machine: run it on a quiet one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}
jobs=$(nproc)
source "$root/scripts/windows-target.sh"

sizes=(1000 10000 100000 1000000)
startup_runs=15
big_lists=(100000 1000000)
if [ "${1:-}" = "--quick" ]; then
  sizes=(1000 10000 100000)
  startup_runs=5
  big_lists=(100000)
fi

bash "$root/scripts/install-deps.sh"

echo "== building" >&2
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Release -DQUILLET_BENCH=ON >/dev/null
cmake --build "$build/native" -j"$jobs" --target core_scaling bookmarks_scaling >/dev/null
cmake -S "$root" -B "$build/$win_dir" -DCMAKE_BUILD_TYPE=Release -DQUILLET_BENCH=ON \
  -DCMAKE_TOOLCHAIN_FILE="$win_toolchain" >/dev/null
cmake --build "$build/$win_dir" -j"$jobs" --target quillet quillet-bookmarks list_bench startup_bench \
  editor_bench find_bench >/dev/null

report="$build/benchmarks.md"
quillet="$build/$win_dir/src/main_dialog/quillet.exe"
{
  echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'),"
  echo "$(wine --version), $(date -u +%Y-%m-%d); the $win_bits-bit Windows build, since $win_why."
  echo
  echo "### Parsing and normalising (native, portable core)"
  echo
  "$build/native/bench/core_scaling" "${sizes[@]}"
  echo
  echo "### Loading, listing and saving on the main dialog (Wine)"
  echo
  "$root/scripts/with-wine.sh" "$build/$win_dir" \
    wine "$build/$win_dir/bench/list_bench.exe" "${sizes[@]}" 2>/dev/null | tr -d '\r'
  echo
  echo "### Start-up and memory (Wine, quillet.exe started from outside)"
  echo
  "$root/scripts/with-wine.sh" "$build/$win_dir" \
    wine "$build/$win_dir/bench/startup_bench.exe" "$startup_runs" "${big_lists[@]}" | tr -d '\r'
  echo
  echo "### Opening the list editor (Wine, quillet.exe driven from outside)"
  echo
  "$root/scripts/with-wine.sh" "$build/$win_dir" \
    wine "$build/$win_dir/bench/editor_bench.exe" "${big_lists[@]}" | tr -d '\r'
  echo
  echo "### Importing and exporting bookmarks (native, quillet-bookmarks)"
  echo
  "$build/native/bench/bookmarks_scaling" "${sizes[@]}"
  echo
  echo "### Finding as you type on the main dialog (Wine)"
  echo
  "$root/scripts/with-wine.sh" "$build/$win_dir" \
    wine "$build/$win_dir/bench/find_bench.exe" 5000 100000 2>/dev/null | tr -d '\r'
  echo
  echo "### Program files"
  echo
  for program in "$quillet" "$build/$win_dir/src/bookmarks/quillet-bookmarks.exe"; do
    size=$(stat -c %s "$program")
    echo "$(basename "$program") (Release): $size bytes = $((size / 1024)) KiB"
  done
} | tee "$report"
echo "report written to $report" >&2
