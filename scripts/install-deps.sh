#!/usr/bin/env bash
# Installs what building and testing Quillet needs on a Debian 12 machine:
# the MinGW-w64 cross compiler, Wine, Xvfb, xdotool, ImageMagick and NSIS, and the Japanese
# locale, under which Wine gives programs the double-byte code page 932. Wine's 64-bit loader
# always; its 32-bit one (wine32, an i386 package) only where the machine executes 32-bit
# programs, since elsewhere it cannot even start. Does nothing for what is already there.
set -euo pipefail
source "$(dirname "$0")/windows-target.sh"

need=()
command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(mingw-w64)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v import >/dev/null || need+=(imagemagick)
command -v makensis >/dev/null || need+=(nsis)
command -v zip >/dev/null || need+=(zip)
command -v clang-format >/dev/null || need+=(clang-format)
dpkg -s wine64 >/dev/null 2>&1 || need+=(wine wine64)
if machine_runs_32bit_programs; then
  dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine wine32:i386)
fi
# Wine's own fonts, so dialogs render text as they would on Windows.
dpkg -s fonts-wine >/dev/null 2>&1 || need+=(fonts-wine fonts-liberation)

command -v locale-gen >/dev/null || need+=(locales)

# ja_JP.UTF-8 generated once, without touching the other locales the machine has.
generate_japanese_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
}

if [ ${#need[@]} -eq 0 ]; then
  generate_japanese_locale
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if [[ " ${need[*]} " == *" wine32:i386 "* ]] && ! dpkg --print-foreign-architectures | grep -q i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
generate_japanese_locale
