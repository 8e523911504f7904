#!/usr/bin/env bash
# Usage: scripts/pictures.sh [--dpi DPI] [FOLDER]
# Builds quillet.exe and the picture programs of tools/ (build/win, or build/win64 for the 64-bit
# build: scripts/windows-target.sh; or under $QUILLET_BUILD) and
# makes pictures of the dialogs on a private Xvfb display, in a Wine virtual desktop so that
# they have their frames and title bars: the main dialog with a list of websites, the dialog
# layer's showcase, the help box and the list editor. The PNG files go to FOLDER (default:
# build/pictures); a picture of the same name there is replaced, and the script says so.
# With --dpi other than 96 the pictures show the display scale DPI / 96 (144: 150 %), taken in
# a Wine prefix of their own whose LogPixels is set to DPI, and their names end in -DPIdpi.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}
source "$root/scripts/windows-target.sh"
source "$root/scripts/private-display.sh"  # wait_for_window
# The main dialog's caption as a pattern for xdotool, whatever its version.
main_caption="Quillet - ver [0-9.]*"

# Runs inside with-wine.sh: starts one picture program, waits until it reports its dialog on the
# screen, photographs the dialog with the given caption and lets the program end.
take_picture() {
  local shot=$1 caption=$2 program=$3
  shift 3
  local work
  work=$(mktemp -d /tmp/quillet-picture.XXXXXX)
  wine explorer /desktop=pictures,1024x768 "$program" "$@" "Z:$work" >/dev/null 2>&1 &
  local wine_pid=$!
  for _ in $(seq 1 600); do
    [ -e "$work/ready" ] && break
    sleep 0.1
  done
  if [ ! -e "$work/ready" ]; then
    echo "pictures: $(basename "$program") did not show \"$caption\" within 60 s" >&2
    kill "$wine_pid" 2>/dev/null || true
    rm -rf "$work"
    return 1
  fi
  # The program reports ready from its own message loop once the dialog is shown; Wine copies
  # what was painted to the X display a moment later.
  sleep 0.5
  local window
  window=$(xdotool search --onlyvisible --name "^$caption\$" | head -n 1)
  [ -e "$shot" ] && echo "pictures: replacing $shot"
  import -window "$window" "$shot"
  touch "$work/done"
  for _ in $(seq 1 300); do
    kill -0 "$wine_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$wine_pid" 2>/dev/null || true
  rm -rf "$work"
  echo "Picture of \"$caption\": $shot"
}

# Runs inside with-wine.sh: starts quillet.exe from a scratch folder that holds a list of
# websites, photographs its main dialog once it has painted its list, with the dialog's margin
# from the desktop's corner kept on every side, and ends it.
take_main_picture() {
  local shot=$1 program=$2 dpi=$3 work window wine_pid
  local margin=$((2 * dpi / 96))  # where the dialog starts: (2, 2) at 100 %
  work=$(mktemp -d /tmp/quillet-picture.XXXXXX)
  cp "$program" "$work/"
  printf '%s\r\n' "http://news.bbc.co.uk, BBC News" "https://cmake.org, CMake" \
    "https://en.cppreference.com, cppreference.com" "https://isocpp.org" \
    "https://archive.org, Internet Archive" "https://www.metoffice.gov.uk, Met Office" \
    "https://www.openstreetmap.org, OpenStreetMap" "https://www.gutenberg.org, Project Gutenberg" \
    "https://www.python.org, Python" "https://www.kernel.org, The Linux Kernel Archives" \
    "https://www.w3.org, W3C" "https://www.wikipedia.org, Wikipedia" \
    "https://www.winehq.org, WineHQ" >"$work/myQuillet.txt"
  (cd "$work" && exec wine explorer /desktop=pictures,1024x768 "$work/quillet.exe") \
    >/dev/null 2>&1 &
  wine_pid=$!
  if ! window=$(wait_for_window "$main_caption"); then
    echo "pictures: the main dialog did not appear within 60 s" >&2
    kill "$wine_pid" 2>/dev/null || true
    rm -rf "$work"
    return 1
  fi
  sleep 1  # let the dialog paint its list and status bar after it is mapped
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local crop="$((WIDTH + 2 * margin))x$((HEIGHT + 2 * margin))+0+0"
  [ -e "$shot" ] && echo "pictures: replacing $shot"
  import -window root -crop "$crop" +repage "$shot"
  # The find field open (Ctrl+F), then the matches of a query.
  xdotool key ctrl+f
  sleep 0.5
  import -window root -crop "$crop" +repage "${shot/main-dialog/main-dialog-find}"
  xdotool type --delay 50 "org wiki"
  sleep 0.5
  import -window root -crop "$crop" +repage "${shot/main-dialog/main-dialog-found}"
  # Ending the desktop leaves quillet.exe running without it, in the way of the next picture:
  # the prefix's server ends every program of the prefix, and is started again.
  kill "$wine_pid" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  wineserver -p
  rm -rf "$work"
  echo "Pictures of the main dialog: $shot, ${shot/main-dialog/main-dialog-find}, ${shot/main-dialog/main-dialog-found}"
}

# Runs inside with-wine.sh: the prefix's display scale. Wine reads it when its server starts.
set_prefix_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  wineserver -p
}

if [ "${1:-}" = "--inside-wine" ]; then
  win=$2 folder=$3 dpi=$4
  tools=$win/tools
  suffix=""
  if [ "$dpi" != 96 ]; then suffix="-${dpi}dpi"; fi
  if [ "$dpi" != 96 ]; then set_prefix_dpi "$dpi"; fi
  take_main_picture "$folder/main-dialog$suffix.png" "$win/src/main_dialog/quillet.exe" "$dpi"
  take_picture "$folder/layer-showcase$suffix.png" "Quillet - dialog layer" \
    "$tools/layer_showcase.exe"
  take_picture "$folder/help-box$suffix.png" "Program Help" "$tools/dialogs_preview.exe" help
  take_picture "$folder/list-editor$suffix.png" "Add or change websites" \
    "$tools/dialogs_preview.exe" editor
  exit
fi

dpi=96
if [ "${1:-}" = "--dpi" ]; then
  dpi=${2:?"--dpi needs a number"}
  shift 2
fi
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/$win_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$win_toolchain" >/dev/null
cmake --build "$build/$win_dir" -j"$(nproc)" --target quillet layer_showcase dialogs_preview
folder=${1:-$build/pictures}
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
# The build's own prefix stays at 96 DPI, as the tests expect; other scales get a prefix of
# their own (with-wine.sh keeps it in the folder it is given).
wine_folder=$build/$win_dir
if [ "$dpi" != 96 ]; then wine_folder=$build/$win_dir/pictures-scale; fi
"$root/scripts/with-wine.sh" "$wine_folder" bash "$0" --inside-wine "$build/$win_dir" "$folder" "$dpi"
