#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of
# seconds (default 30), seeded from the examples and the tests' files. Any
# crash, sanitizer report, hang, memory blow-up or defect ending fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-30}
scripts/abhaengigkeiten.sh
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMI_FUZZ=ON -DMI_TESTS=OFF -DMI_BENCH=OFF -DMI_WERROR="${MI_WERROR:-OFF}" >/dev/null
cmake --build build-fuzz

korpora=build-fuzz/korpus
gesamt=0
for ziel in zeilen installationsdaten konfigdaten mitarbeiterdaten importpruefung; do
  korpus=$korpora/$ziel
  mkdir -p "$korpus"
  for saat in fuzz/saat/$ziel/*; do
    [ -f "$saat" ] && cp -n "$saat" "$korpus/"
  done
  log=build-fuzz/$ziel.log
  if ! build-fuzz/fuzz/fuzz_$ziel -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 "$korpus" >"$log" 2>&1; then
    tail -60 "$log"
    echo "fuzz_$ziel found a defect" >&2
    exit 1
  fi
  laeufe=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
  gesamt=$((gesamt + laeufe))
  echo "fuzz_$ziel: $laeufe executions, no defect"
done
echo "fuzzing: $gesamt executions in total, no defect"
