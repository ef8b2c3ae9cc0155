#!/usr/bin/env bash
# Builds in Release (build-bench/) and runs the import benchmark: the check and
# the import at 4,096 to 32,767 rows, each repeated, with time, rows per second,
# peak memory and the fitted growth (BigO with its RMS).
#
#   scripts/benchmark.sh                                   everything, 5 repetitions
#   scripts/benchmark.sh --benchmark_filter=checken        the check alone
#   scripts/benchmark.sh --benchmark_repetitions=9         more repetitions
#
# The figures depend on the machine's load: the load average is printed first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/abhaengigkeiten.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMI_TESTS=OFF -DMI_BENCH=ON >/dev/null
cmake --build build-bench --target bench_import

echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
build-bench/bench/bench_import \
  --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true \
  --benchmark_counters_tabular=true \
  "$@"
