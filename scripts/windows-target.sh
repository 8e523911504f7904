# Sourced by every script that builds or runs the Windows programs. Decides once which build of
# them this machine can run and puts the Wine wrapper (scripts/wine-bin) first on PATH, so that
# every `wine` and `wineboot` starts the loader of that build, never /usr/bin/wine blindly
# (it picks the 32-bit loader whenever the wine32 package is installed).
#   - 32-bit (the product) where the machine executes 32-bit x86 programs;
#   - 64-bit where it cannot (a kernel with 32-bit emulation switched off), under Wine's 64-bit
#     loader in 64-bit prefixes, or where QUILLET_WIN64=1 asks for it.
# Sets win_bits (32 or 64), win_why (why, in a few words), win_dir (the build folder's name
# under the build root: win or win64), win_toolchain (its CMake toolchain file) and
# wine_loader. The decision is exported (QUILLET_WIN_BITS, QUILLET_WIN_WHY), so the scripts
# and programs these start take the same build without asking again.

# True when the kernel executes a 32-bit x86 program: a 93-byte static ELF that only exits 0.
# Needs nothing installed; where 32-bit emulation is off, exec fails with "Exec format error".
machine_runs_32bit_programs() {
  local probe status=0
  probe=$(mktemp "${TMPDIR:-/tmp}/quillet-i386-probe.XXXXXX") || return 1
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
  printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
  printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000' >>"$probe"
  printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010' >>"$probe"
  printf '\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000' >>"$probe"
  printf '\270\001\000\000\000\061\333\315\200' >>"$probe"  # exit(0) through int 0x80
  chmod +x "$probe"
  "$probe" >/dev/null 2>&1 || status=$?
  rm -f "$probe"
  return "$status"
}

decide_windows_target() {
  if [ -n "${QUILLET_WIN_BITS:-}" ]; then return; fi
  if [ "${QUILLET_WIN64:-0}" = 1 ]; then
    QUILLET_WIN_BITS=64 QUILLET_WIN_WHY="QUILLET_WIN64=1 asks for the 64-bit build"
  elif machine_runs_32bit_programs; then
    QUILLET_WIN_BITS=32 QUILLET_WIN_WHY="this machine runs 32-bit programs"
  else
    QUILLET_WIN_BITS=64
    QUILLET_WIN_WHY="this machine cannot execute 32-bit programs (its kernel has no 32-bit emulation)"
  fi
  export QUILLET_WIN_BITS QUILLET_WIN_WHY
}

# Makes Wine's loader follow the programs of an existing build folder (its toolchain file names
# their processor), whatever this machine would pick: a 64-bit build runs under the 64-bit
# loader anywhere.
follow_windows_build() {
  local toolchain
  toolchain=$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$1/CMakeCache.txt" 2>/dev/null || true)
  case "$toolchain" in
    *x86_64*) export QUILLET_WIN_BITS=64 ;;
    *i686*) export QUILLET_WIN_BITS=32 ;;
  esac
}

decide_windows_target
win_bits=$QUILLET_WIN_BITS
win_why=$QUILLET_WIN_WHY
if [ "$win_bits" = 64 ]; then
  win_dir=win64 wine_loader=/usr/lib/wine/wine64 win_arch=x86_64
else
  win_dir=win wine_loader=/usr/lib/wine/wine win_arch=i686
fi
win_toolchain="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/mingw-w64-$win_arch.cmake"
case ":$PATH:" in
  *":$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-bin:"*) ;;
  *) PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-bin:$PATH" ;;
esac
export PATH
