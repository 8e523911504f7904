#!/usr/bin/env bash
# Builds the portable list core natively in Release and runs its benchmarks (Google Benchmark):
# parsing a 1M-entry list file (MB/s), normalising 1M lines, and the linear normaliser against
# the literal pair-wise pass at 20k lines.
#   scripts/bench-core.sh [benchmark options]
# Without options every benchmark runs three times and the mean, median and spread are shown;
# options such as --benchmark_filter=Parse replace that. The build goes to $QUILLET_BUILD/native
# (default build/native). Timings follow the load of the machine: on a shared machine read the
# median and the CPU column.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD:-$root/build}/native

if ! dpkg -s libbenchmark-dev >/dev/null 2>&1; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends libbenchmark-dev >/dev/null
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLET_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target core_bench
if (($# == 0)); then
  set -- --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
fi
"$build/bench/core_bench" "$@"
