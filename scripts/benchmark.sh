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
ergebnis=build-bench/bench_import.json
build-bench/bench/bench_import \
  --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true \
  --benchmark_counters_tabular=true \
  --benchmark_out="$ergebnis" --benchmark_out_format=json \
  "$@"
echo "Load average afterwards: $(cut -d' ' -f1-3 /proc/loadavg)"

# The import has a fixed part (the backup of the whole data folder) besides the
# rows, which a fit through the origin (BigO above) cannot show: the time each
# further row adds, between neighbouring sizes, shows whether the rows' part grows
# linearly (the same figure throughout) or faster (a rising one).
command -v python3 >/dev/null || exit 0
python3 - "$ergebnis" <<'PY'
import json, sys
medianen = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median" and "/" in b["run_name"]:
        name, zeilen = b["run_name"].split("/")[:2]
        medianen.setdefault(name, []).append((int(zeilen), b["real_time"]))
print("\nMedian wall time (ms) and the time each further row adds (us/row):")
for name, punkte in medianen.items():
    punkte.sort()
    zeile = "  ".join(f"{n}: {t:.1f}" for n, t in punkte)
    zuwachs = "  ".join(
        f"{n1}-{n2}: {(t2 - t1) * 1000 / (n2 - n1):.2f}"
        for (n1, t1), (n2, t2) in zip(punkte, punkte[1:]))
    print(f"{name}\n  {zeile}\n  {zuwachs}")
PY
