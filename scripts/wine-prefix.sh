# Sourced by the scripts that run Quillet under Wine. Needs WINEPREFIX set.

# Makes the prefix on first use and starts Wine's background services with their output going
# nowhere (a service started by a test program would inherit the test's output pipe and keep
# ctest waiting for it to close). Debian's Wine does not load the TrueType fonts of fonts-wine
# by itself; without Marlett the title bar's buttons show letters instead of symbols.
prepare_wine_prefix() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i </dev/null >/dev/null 2>&1 || true
  else
    wineboot </dev/null >/dev/null 2>&1 || true
  fi
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
}
