#!/usr/bin/env bash
# Usage: tests/run/run_command_test.sh BUILD_DIR SUITE_COMMAND [ARGS...]
# Tests scripts/run.sh, building into BUILD_DIR, with HOME and XDG_DATA_HOME pointed at a
# scratch folder, around a run of SUITE_COMMAND (the Windows suite) in the same surroundings:
#   1. a first run with LIST_FILE puts the list into the per-user folder, beside the program;
#   2. a run with the same list keeps no backup; a run with a different list keeps the first
#      list byte for byte as a dated backup and says so;
#   3. with a display, "ShowIt" (Enter) goes through Wine's browser launcher to xdg-open;
#   4. with the build folder gone (a new, empty one), the next run uses the same list;
#   5. SUITE_COMMAND leaves the run prefix's browser setting as it was: the default one;
#   6. scripts/import.sh keeps the list as run.sh does and merges a bookmark export into it, and
#      keeps no copy when the file is no export.
# Exits non-zero when SUITE_COMMAND fails or any check fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/windows-target.sh"
source "$root/scripts/private-display.sh"

build=$(cd "$1" && pwd)
shift
scratch=$(mktemp -d /tmp/quillet-run-test.XXXXXX)
export HOME="$scratch/home" XDG_DATA_HOME="$scratch/data"
export QUILLET_BUILD="$build" QUILLET_SHOT="$scratch/shot.png"
unset QUILLET_HOME WINEPREFIX
mkdir -p "$HOME" "$scratch/bin"
quillet_home="$XDG_DATA_HOME/quillet"
list_file="$quillet_home/myQuillet.txt"
prefix="$quillet_home/wineprefix"
run_pid=""

cleanup() {
  if [ -n "$run_pid" ]; then kill "$run_pid" 2>/dev/null || true; fi
  stop_private_display
  if [ -d "$prefix" ]; then WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
  echo "run_command_test: FAIL: $*" >&2
  failures=$((failures + 1))
}

# Runs scripts/run.sh without a display; its output goes to $scratch/out.
run_headless() {
  env -u DISPLAY bash "$root/scripts/run.sh" "$@" >"$scratch/out" 2>&1 ||
    { cat "$scratch/out" >&2; fail "run.sh $* failed"; }
}

backups() {
  find "$quillet_home" -maxdepth 1 -name 'myQuillet-*.txt' | sort
}

# The prefix's WineBrowser key as saved in its registry file (empty when it has none).
browser_setting() {
  sed -n '/^\[Software\\\\Wine\\\\WineBrowser\]/,/^$/p' "$prefix/user.reg"
}

printf 'http://first.example, First\r\nwww.other.example, Other\r\n' >"$scratch/first.txt"
printf 'http://second.example, Second\r\n' >"$scratch/second.txt"

echo "-- first run with a list"
run_headless "$scratch/first.txt"
cmp -s "$scratch/first.txt" "$quillet_home/myQuillet.txt" || fail "the list is not in $quillet_home"
cmp -s "$QUILLET_BUILD/$win_dir/src/main_dialog/quillet.exe" "$quillet_home/quillet.exe" ||
  fail "the program is not beside the list"
[ -s "$QUILLET_SHOT" ] || fail "no screenshot"
[ -f "$prefix/user.reg" ] || fail "the run has no prefix of its own in $prefix"

echo "-- the same list again, then a different one"
run_headless "$scratch/first.txt"
[ -z "$(backups)" ] || fail "an identical list was backed up: $(backups)"
run_headless "$scratch/second.txt"
backup=$(backups)
if [ "$(echo "$backup" | grep -c .)" != 1 ]; then
  fail "expected one backup, found: $backup"
else
  cmp -s "$scratch/first.txt" "$backup" || fail "the backup is not the first list byte for byte"
  grep -qF "kept as $backup" "$scratch/out" || fail "the terminal did not name the backup"
fi
cmp -s "$scratch/second.txt" "$quillet_home/myQuillet.txt" || fail "the second list is not used"

echo "-- with a display, ShowIt opens the desktop's browser"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' "$scratch/xdg-open.log" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
start_private_display
PATH="$scratch/bin:$PATH" bash "$root/scripts/run.sh" >"$scratch/out" 2>&1 &
run_pid=$!
# The caption names the project's version, as the earlier runs configured the build.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/$win_dir/CMakeCache.txt")
if ! window=$(wait_for_window "Quillet - ver $version"); then
  cat "$scratch/out" >&2
  fail "the main dialog did not appear on the display"
else
  timeout 20 xdotool windowfocus --sync "$window" key Return || fail "the main dialog took no key"
  for _ in $(seq 1 300); do
    [ -s "$scratch/xdg-open.log" ] && break
    sleep 0.1
  done
  grep -qx 'http://second.example/' "$scratch/xdg-open.log" 2>/dev/null ||
    fail "xdg-open did not get http://second.example/ (got: $(cat "$scratch/xdg-open.log" 2>/dev/null))"
fi
kill "$run_pid" 2>/dev/null || true
run_pid=""
stop_private_display
WINEPREFIX="$prefix" wineserver -w

echo "-- no build folder"
export QUILLET_BUILD="$scratch/build"
run_headless
cmp -s "$scratch/second.txt" "$quillet_home/myQuillet.txt" || fail "the list was lost"
grep -qF "list is $quillet_home/myQuillet.txt" "$scratch/out" || fail "the run used another list"
[ "$(backups)" = "$backup" ] || fail "backups changed: $(backups)"

echo "-- import.sh keeps the list, then merges a bookmark export into it"
printf '<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><A HREF="http://second.example">S</A>\n<DT><A HREF="https://third.example/">Third</A>\n</DL><p>\n' >"$scratch/bookmarks.html"
QUILLET_BUILD="$build" bash "$root/scripts/import.sh" "$scratch/bookmarks.html" >"$scratch/out" 2>&1 ||
  { cat "$scratch/out" >&2; fail "import.sh failed"; }
kept=$(backups | grep -vxF "$backup" || true)
cmp -s "$scratch/second.txt" "$kept" || fail "import.sh did not keep the list byte for byte: $kept"
grep -qF "kept as $kept" "$scratch/out" || fail "import.sh did not name the copy"
grep -qF "1 website added, 1 already in the list" "$scratch/out" || fail "no summary: $(cat "$scratch/out")"
printf 'http://second.example, Second\r\nhttps://third.example/, Third\r\n' >"$scratch/merged.txt"
cmp -s "$scratch/merged.txt" "$list_file" || fail "the export was not merged into the list"
status=0
QUILLET_BUILD="$build" bash "$root/scripts/import.sh" "$scratch/second.txt" >"$scratch/out" 2>&1 || status=$?
[ "$status" = 1 ] || fail "import.sh of a list, no export, ended with $status"
[ "$(backups | grep -c .)" = 2 ] || fail "a copy was kept of a list that did not change: $(backups)"
cmp -s "$scratch/merged.txt" "$list_file" || fail "a file that is no export changed the list"

echo "-- the Windows suite leaves the run prefix's browser setting alone"
before=$(browser_setting)
[ -z "$before" ] || fail "the run prefix's browser setting is not the default one: $before"
suite_status=0
"$@" || suite_status=$?
[ "$(browser_setting)" = "$before" ] || fail "the suite changed the run prefix's browser setting"

[ "$failures" -eq 0 ] || { echo "run_command_test: $failures check(s) failed" >&2; exit 1; }
echo "run_command_test: passed"
exit "$suite_status"
