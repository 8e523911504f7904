#!/usr/bin/env bash
# Usage: scripts/with-wine.sh BUILD_DIR COMMAND [ARGS...]
# Runs COMMAND with a private Xvfb display and the Wine prefix of BUILD_DIR (made on first use),
# then stops the Wine server and the display again. Exits with COMMAND's status, or 1 when the
# display died while COMMAND ran (results from a dead display cannot be trusted).
set -euo pipefail
source "$(dirname "$0")/wine-prefix.sh"
build=$(mkdir -p "$1" && cd "$1" && pwd)
shift

display=""
for n in $(seq 90 250); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "with-wine: no free X display number" >&2; exit 1; }

setsid Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "with-wine: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "with-wine: Xvfb did not come up" >&2; exit 1; }

export DISPLAY=":$display"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# A persistent server (it needs the prefix folder), then the prefix and its services.
mkdir -p "$WINEPREFIX"
wineserver -p
prepare_wine_prefix
# No window manager runs on the private display: without this, Wine waits about two seconds
# for one each time a visible top-level window is hidden or destroyed.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true

status=0
"$@" || status=$?

if ! kill -0 "$xvfb_pid" 2>/dev/null; then
  echo "with-wine: the X display died during the run; results are not trusted" >&2
  status=1
fi
exit "$status"
