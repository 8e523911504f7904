#!/usr/bin/env bash
# Installs what building and testing Quillet needs on a Debian 12 machine:
# the MinGW-w64 cross compiler, Wine (32- and 64-bit), Xvfb, xdotool, ImageMagick and NSIS.
# Does nothing for packages that are already there.
set -euo pipefail

need=()
command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(mingw-w64)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v import >/dev/null || need+=(imagemagick)
command -v makensis >/dev/null || need+=(nsis)
command -v zip >/dev/null || need+=(zip)
command -v clang-format >/dev/null || need+=(clang-format)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine wine32:i386 wine64)
# Wine's own fonts, so dialogs render text as they would on Windows.
dpkg -s fonts-wine >/dev/null 2>&1 || need+=(fonts-wine fonts-liberation)

[ ${#need[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
if [[ " ${need[*]} " == *" wine32:i386 "* ]] && ! dpkg --print-foreign-architectures | grep -q i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
