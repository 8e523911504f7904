#!/usr/bin/env bash
# Builds the libFuzzer targets of the list core with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each of them in turn.
#   scripts/fuzz.sh [SECONDS]
# SECONDS is the total time, shared equally by the six targets (default 60, so 10 s each).
# The build goes to $QUILLET_BUILD/fuzz (default build/fuzz); each target grows its own corpus
# there, starting from the checked-in seeds in fuzz/corpus/list (fuzz/corpus/bookmarks for the
# bookmark exports), and saves a failing input as
# artifacts/<target>-crash-... there. Exits non-zero when any target finds a crash, a sanitizer
# error or a difference from the reference algorithms.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}/fuzz
total=${1:-60}
targets=(fuzz_split fuzz_parse fuzz_normalize fuzz_roundtrip fuzz_forms fuzz_bookmarks)
per_target=$((total / ${#targets[@]}))
((per_target >= 1)) || per_target=1

if ! command -v clang++ >/dev/null || ! compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang libclang-rt-dev >/dev/null
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLET_FUZZ=ON -DQUILLET_BENCH=OFF -DQUILLET_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

failed=()
mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  echo "== $target: $per_target s"
  mkdir -p "$build/corpus/$target"
  seeds=$root/fuzz/corpus/list
  [[ $target == fuzz_bookmarks ]] && seeds=$root/fuzz/corpus/bookmarks
  if ! "$build/fuzz/$target" -max_total_time="$per_target" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" "$build/corpus/$target" "$seeds" \
      2>"$build/$target.log"; then
    failed+=("$target")
  fi
  grep -E '^stat::new_units_added|^==[0-9]+==ERROR|check failed|SUMMARY|^Done' \
    "$build/$target.log" || true
done

if ((${#failed[@]} > 0)); then
  echo "fuzzing found problems in: ${failed[*]} (inputs in $build/artifacts, logs in $build)"
  exit 1
fi
echo "fuzzing: no findings"
