#!/usr/bin/env bash
# Usage: scripts/pictures.sh [FOLDER]
# Builds the picture programs of tools/ (build/win, or $QUILLET_BUILD/win) and makes pictures of
# the dialogs on a private Xvfb display, in a Wine virtual desktop so that they have their
# frames and title bars: the dialog layer's showcase, the help box and the list editor. The PNG
# files go to FOLDER (default: build/pictures); a picture of the same name there is replaced,
# and the script says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}

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

if [ "${1:-}" = "--inside-wine" ]; then
  tools=$2 folder=$3
  take_picture "$folder/layer-showcase.png" "Quillet - dialog layer" "$tools/layer_showcase.exe"
  take_picture "$folder/help-box.png" "Program Help" "$tools/dialogs_preview.exe" help
  take_picture "$folder/list-editor.png" "Add or change websites" "$tools/dialogs_preview.exe" \
    editor
  exit
fi

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" >/dev/null
cmake --build "$build/win" -j"$(nproc)" --target layer_showcase dialogs_preview
folder=${1:-$build/pictures}
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
"$root/scripts/with-wine.sh" "$build/win" bash "$0" --inside-wine "$build/win/tools" "$folder"
