#!/usr/bin/env bash
# Usage: scripts/run.sh [LIST_FILE]
# Builds the Windows program (build/win, or $QUILLET_BUILD/win), installing what is missing
# first (scripts/install-deps.sh), and runs Quillet under Wine from its per-user folder. On a
# machine that cannot execute 32-bit programs (or with QUILLET_WIN64=1) it builds and runs the
# 64-bit program instead (build/win64), and says so (scripts/windows-target.sh). The folder:
#   ${QUILLET_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/quillet}
# quillet.exe is refreshed there on every run and the list, myQuillet.txt, lives beside it, so
# the list survives rebuilds and a deleted build folder. The folder also holds the run's own
# Wine prefix (wineprefix/), unless WINEPREFIX names one; no test ever uses it.
#
# LIST_FILE, when given, is copied into that folder as the list. An identical list is simply
# used; a different list already there is first kept beside it as
# myQuillet-YYYYMMDD-HHMMSS.txt, and the terminal says so. Quillet saves edits to its own list,
# not to LIST_FILE.
#   - With a display (DISPLAY names a running X server) Quillet runs normally until you close
#     it, and "ShowIt" opens the desktop's default browser (Wine's winebrowser tries xdg-open
#     first).
#   - Without one, it runs on a private Xvfb display inside a Wine virtual desktop, a
#     screenshot of the main dialog is taken once it has appeared, and the program is ended;
#     the screenshot goes to $QUILLET_SHOT (default: build/quillet-main-dialog.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}
# The main dialog's caption as a pattern for xdotool: whatever version follows the text.
caption="Quillet - ver [0-9.]*"
source "$root/scripts/windows-target.sh"
source "$root/scripts/user-list.sh"
source "$root/scripts/wine-prefix.sh"
source "$root/scripts/private-display.sh"

# Copies the freshly built program into the per-user folder. The new file replaces the old one
# by a rename, so a copy that is still running keeps its own file.
refresh_program() {
  mkdir -p "$home"
  cp "$build/$win_dir/src/main_dialog/quillet.exe" "$home/quillet.exe.new"
  mv -f "$home/quillet.exe.new" "$home/quillet.exe"
}

# Makes LIST_FILE the list; a different list already there is kept as a dated backup first.
use_list_file() {
  local source=$1
  if [ -f "$list" ] && cmp -s "$source" "$list"; then return; fi
  keep_list run
  if [ -n "$kept" ]; then echo "run: your previous list was kept as $kept"; fi
  cp "$source" "$list.new"
  mv -f "$list.new" "$list"
  echo "run: $source copied to $list; Quillet saves your edits there, not to $source"
}

# Wine opens websites with the programs named in this value; without it (the default) it tries
# xdg-open, the desktop's default browser, first.
check_browser_setting() {
  local setting
  setting=$(wine reg query 'HKCU\Software\Wine\WineBrowser' /v Browsers </dev/null 2>/dev/null |
    tr -d '\r' | grep -i 'Browsers' || true)
  if [ -n "$setting" ]; then
    echo "run: this Wine prefix ($WINEPREFIX) opens websites with:" >&2
    echo "     $setting" >&2
    echo "     instead of the desktop's default browser. To go back to it:" >&2
    echo "     WINEPREFIX='$WINEPREFIX' wine reg delete 'HKCU\\Software\\Wine\\WineBrowser' /v Browsers /f" >&2
  fi
  if ! command -v xdg-open >/dev/null; then
    echo "run: xdg-open is missing (Debian package xdg-utils); Wine then tries firefox and others" >&2
  fi
}

# Starts the program in a virtual desktop on the private display, waits for the main dialog,
# takes the screenshot and ends the program.
take_screenshot() {
  local shot=$1 wine_pid window
  (cd "$home" && exec wine explorer /desktop=quillet,1024x768 "$home/quillet.exe") >/dev/null 2>&1 &
  wine_pid=$!
  if ! window=$(wait_for_window "$caption"); then
    echo "run: the main dialog did not appear within 60 s" >&2
    kill "$wine_pid" 2>/dev/null || true
    return 1
  fi
  sleep 1  # let the dialog paint its list and status bar after it is mapped
  # The main dialog's frame starts at (2, 2); the picture keeps that margin on every side.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "$((WIDTH + 4))x$((HEIGHT + 4))+0+0" +repage "$shot"
  kill "$wine_pid" 2>/dev/null || true
  echo "Screenshot of the main dialog: $shot"
}

list_file=${1:-}
if [ -n "$list_file" ] && [ ! -f "$list_file" ]; then
  echo "run: $list_file is not a file" >&2
  exit 2
fi

bash "$root/scripts/install-deps.sh"
if [ "$win_bits" = 64 ]; then echo "run: the 64-bit Quillet, since $win_why"; fi
cmake -S "$root" -B "$build/$win_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$win_toolchain" >/dev/null
cmake --build "$build/$win_dir" -j"$(nproc)" --target quillet
refresh_program
if [ -n "$list_file" ]; then use_list_file "$list_file"; fi
echo "run: Quillet's list is $list"

export WINEPREFIX=${WINEPREFIX:-$home/wineprefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
  prepare_wine_prefix
  check_browser_setting
  cd "$home"
  exec wine "$home/quillet.exe"
fi

shot=${QUILLET_SHOT:-$build/quillet-main-dialog.png}
mkdir -p "$(dirname "$shot")"
shot=$(cd "$(dirname "$shot")" && pwd)/$(basename "$shot")
start_private_display
# Wine programs end with their display. The run's own prefix is then left to its Wine server,
# which saves the prefix's registry as it exits; another prefix's server may serve other
# programs and is not waited for.
trap 'stop_private_display; [ "$WINEPREFIX" != "$home/wineprefix" ] || wineserver -w' EXIT
prepare_wine_prefix
take_screenshot "$shot"
