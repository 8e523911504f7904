#!/usr/bin/env bash
# Runs the display-scale checks at 96, 120, 144 and 192 DPI in a Wine prefix of their own, so
# that the build's prefix, which the rest of the suite uses at 96 DPI, never changes. Before
# each run the prefix's LogPixels is set and its Wine server ended, since Wine reads the value
# when its server starts. The checks run from a scratch folder that holds their default list.
# The display comes from scripts/with-wine.sh.
# Usage: run_display_scale_tests.sh CHECKS_EXE PREFIX_DIR
set -euo pipefail
checks=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "$0")/../../scripts/wine-prefix.sh"
if [ -z "${DISPLAY:-}" ]; then
  echo "display scale tests: DISPLAY is not set; run them under scripts/with-wine.sh" >&2
  exit 2
fi
work=$(mktemp -d /tmp/quillet-scale.XXXXXX)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
cp "$checks" "$work/"
for n in $(seq 1 13); do printf 'http://www.site%d.example, Site %02d\r\n' "$n" "$n"; done \
  >"$work/myQuillet.txt"

wineserver -k >/dev/null 2>&1 || true  # a server left by an interrupted run
prepare_wine_prefix
# No window manager runs on the display (see scripts/with-wine.sh).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1

failed=()
for dpi in 96 120 144 192; do
  echo "== $dpi DPI"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    </dev/null >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  QUILLET_TEST_DPI=$dpi wine "$work/$(basename "$checks")" || failed+=("$dpi DPI")
done
if [ ${#failed[@]} -ne 0 ]; then
  printf 'display scale tests: FAILED at %s\n' "${failed[@]}"
  exit 1
fi
echo "display scale tests: all passed"
