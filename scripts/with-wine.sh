#!/usr/bin/env bash
# Usage: scripts/with-wine.sh BUILD_DIR COMMAND [ARGS...]
# Runs COMMAND with a private Xvfb display and the Wine prefix of BUILD_DIR (made on first use;
# a test prefix: WINEPREFIX from the caller is ignored, so tests never touch the user's own),
# then stops the Wine server and the display again. Exits with COMMAND's status, or 1 when the
# display died while COMMAND ran (results from a dead display cannot be trusted).
set -euo pipefail
source "$(dirname "$0")/windows-target.sh"
source "$(dirname "$0")/wine-prefix.sh"
source "$(dirname "$0")/private-display.sh"
build=$(mkdir -p "$1" && cd "$1" && pwd)
shift
follow_windows_build "$build"

start_private_display || exit 1
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  stop_private_display
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

if ! private_display_alive; then
  echo "with-wine: the X display died during the run; results are not trusted" >&2
  status=1
fi
exit "$status"
