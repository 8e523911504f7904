#!/usr/bin/env bash
# Runs every test of Quillet on a Debian 12 machine, installing what is missing first:
#   1. the portable core, natively, with its GoogleTest suite;
#   2. the same core with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the Windows programs and their test programs (MinGW-w64), run under Wine on a private
#      Xvfb display: the in-process suites and the end-to-end suite, inside the test of the run
#      command (scripts/run.sh), which runs with a scratch HOME. They are the 32-bit programs
#      (build/win) where the machine executes 32-bit programs, the 64-bit ones (build/win64)
#      where it cannot or QUILLET_WIN64=1 asks for them (scripts/windows-target.sh). Either way
#      the suite's reproducibility test builds the 32-bit product and its packages twice.
# Exits non-zero on any failure. QUILLET_BUILD names the build folder (default: build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}
jobs=$(nproc)
source "$root/scripts/windows-target.sh"

bash "$root/scripts/install-deps.sh"

echo "== native core"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Release -DQUILLET_WERROR=ON >/dev/null
cmake --build "$build/native" -j"$jobs"
ctest --test-dir "$build/native" --output-on-failure -j"$jobs"

echo "== native core with sanitizers"
cmake -S "$root" -B "$build/asan" -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON \
  -DQUILLET_BENCH=OFF -DQUILLET_WERROR=ON >/dev/null
cmake --build "$build/asan" -j"$jobs"
ctest --test-dir "$build/asan" --output-on-failure -j"$jobs"

echo "== Windows programs under Wine: the $win_bits-bit build ($build/$win_dir), since $win_why"
cmake -S "$root" -B "$build/$win_dir" -DCMAKE_BUILD_TYPE=Release -DQUILLET_WERROR=ON \
  -DCMAKE_TOOLCHAIN_FILE="$win_toolchain" >/dev/null
cmake --build "$build/$win_dir" -j"$jobs"
# One test program at a time: they share one display, and focus and the foreground window
# belong to whichever program is active, so programs running side by side disturb each other.
# The run command's test wraps the suite: it makes a per-user folder and run prefix in a
# scratch HOME, runs the suite with that HOME, and checks that the suite left them alone.
bash "$root/tests/run/run_command_test.sh" "$build" \
  "$root/scripts/with-wine.sh" "$build/$win_dir" \
  ctest --test-dir "$build/$win_dir" --output-on-failure --timeout 600
