#!/usr/bin/env bash
# Usage: scripts/with-wine.sh BUILD_DIR COMMAND [ARGS...]
# Runs COMMAND with a private Xvfb display and the Wine prefix of BUILD_DIR (made on first use),
# then stops the Wine server and the display again. Exits with COMMAND's status, or 1 when the
# display died while COMMAND ran (results from a dead display cannot be trusted).
set -euo pipefail
source "$(dirname "$0")/wine-prefix.sh"
build=$(mkdir -p "$1" && cd "$1" && pwd)
shift

# Xvfb picks a free display number itself and writes it to the pipe once it listens, so two
# runs started at the same moment never share a display.
fifo=$(mktemp -u /tmp/quillet-xvfb.XXXXXX)
mkfifo "$fifo"
exec 3<>"$fifo"
rm -f "$fifo"
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
display=""
read -r -t 30 display <&3 || true
exec 3<&-
[ -n "$display" ] || { kill "$xvfb_pid" 2>/dev/null; echo "with-wine: Xvfb did not start" >&2; exit 1; }

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
