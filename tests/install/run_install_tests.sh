#!/usr/bin/env bash
# Installs the packaged program silently into a fresh Wine prefix, checks what the install
# left and how the installed program behaves, installs again over it, uninstalls it silently
# with the command its uninstall entry names, and checks what is left. The prefix has its own Wine server, started
# and stopped here; the display comes from scripts/with-wine.sh.
# Usage: run_install_tests.sh INSTALLER CHECKS_EXE PREFIX_DIR
set -euo pipefail
installer=$1
checks=$2
prefix=$3

if [ -z "${DISPLAY:-}" ]; then
  echo "install tests: DISPLAY is not set; run them under scripts/with-wine.sh" >&2
  exit 2
fi
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export QUILLET_INSTALLER=$installer  # for the reinstall checks
# No Mono or Gecko installers, and no Linux menu entries for the Start-menu shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# A server left behind by an interrupted run would keep the old prefix's state.
wineserver -k >/dev/null 2>&1 || true
rm -rf "$prefix"
mkdir -p "$prefix"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# A persistent server for the prefix, and Wine's background services started here with their
# output going nowhere: they inherit the output of whatever starts them, and ctest would wait
# for them to close its pipe.
wineserver -p
wineboot -i </dev/null >/dev/null 2>&1

# Wine's icacls is a stub that changes no rights but names its arguments on Wine's debug
# channel: the install's log shows whether the grant for Users was asked for, and how.
install_log=$prefix-install.log
install_silently() { WINEDEBUG=-all,fixme+icacls wine "$installer" /S 2>"$install_log"; }
grant_asked_for() {
  grep -qF '"C:\\ProgramData\\Brelmont\\myQuillet" "/grant" "*S-1-5-32-545:(OI)(CI)M"' \
    "$install_log" || { cat "$install_log"; return 1; }
}

failed=()
step() {
  local name=$1
  shift
  echo "== $name"
  "$@" || failed+=("$name")
}

step "silent install" install_silently
step "modify rights on the data folder for Users" grant_asked_for
step "installed files, shortcut and uninstall entry" wine "$checks" --gtest_filter='InstalledLayout.*'
step "installed program" wine "$checks" --gtest_filter='InstalledProgram.*'
step "silent reinstall" wine "$checks" --gtest_filter='Reinstall.*'
step "silent uninstall" wine "$checks" --gtest_filter='Uninstall.*'

if [ ${#failed[@]} -ne 0 ]; then
  printf 'install tests: FAILED: %s\n' "${failed[@]}"
  exit 1
fi
echo "install tests: all passed"
