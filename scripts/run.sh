#!/usr/bin/env bash
# Usage: scripts/run.sh [LIST_FILE]
# Builds the Windows program (build/win, or $QUILLET_BUILD/win) and starts quillet.exe under
# Wine, installing what is missing first (scripts/install-deps.sh).
#   - With a display (DISPLAY names a running X server) Quillet runs normally until you close
#     it.
#   - Without one, it runs on a private Xvfb display inside a Wine virtual desktop, a
#     screenshot of the main dialog is taken once it has appeared, and the program is ended;
#     the screenshot goes to $QUILLET_SHOT (default: build/quillet-main-dialog.png).
# LIST_FILE, when given, is copied next to the program as its default list, myQuillet.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}
caption="Quillet - ver 1.02"
source "$root/scripts/wine-prefix.sh"

# Runs inside with-wine.sh: start, wait for the main dialog, take the screenshot, end.
take_screenshot() {
  local program=$1 shot=$2
  cd "$(dirname "$program")"
  wine explorer /desktop=quillet,1024x768 "$program" >/dev/null 2>&1 &
  local wine_pid=$! window=""
  for _ in $(seq 1 600); do
    window=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
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

if [ "${1:-}" = "--screenshot-inside-wine" ]; then
  take_screenshot "$2" "$3"
  exit
fi

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" >/dev/null
cmake --build "$build/win" -j"$(nproc)" --target quillet
program="$build/win/src/main_dialog/quillet.exe"
if [ -n "${1:-}" ]; then cp "$1" "$(dirname "$program")/myQuillet.txt"; fi

if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
  export WINEPREFIX="$build/win/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  prepare_wine_prefix
  cd "$(dirname "$program")"
  exec wine "$program"
fi

shot=${QUILLET_SHOT:-$build/quillet-main-dialog.png}
mkdir -p "$(dirname "$shot")"
shot=$(cd "$(dirname "$shot")" && pwd)/$(basename "$shot")
"$root/scripts/with-wine.sh" "$build/win" bash "$0" --screenshot-inside-wine "$program" "$shot"
