#!/usr/bin/env bash
# Usage: run_display_scale_tests.sh CHECKS_EXE PREFIX_DIR, on the display of with-wine.sh.
# Runs the checks at 96, 120, 144 and 192 DPI in a Wine prefix of their own (the build's stays at
# 96 DPI), beside their default list. Wine reads LogPixels when its server starts.
set -euo pipefail
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "$0")/../../scripts/wine-prefix.sh"
work=$(mktemp -d /tmp/quillet-scale.XXXXXX)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
cp "$1" "$work/checks.exe"
for n in $(seq 1 13); do printf 'http://www.site%d.example, Site %02d\r\n' "$n" "$n"; done \
  >"$work/myQuillet.txt"
wineserver -k >/dev/null 2>&1 || true  # a server left by an interrupted run
prepare_wine_prefix
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
status=0
for dpi in 96 120 144 192; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    </dev/null >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  QUILLET_TEST_DPI=$dpi wine "$work/checks.exe" || { echo "FAILED at $dpi DPI" && status=1; }
done
exit "$status"
