#!/usr/bin/env bash
# Counts with callgrind the instructions of the benchmark's check of 32,767 rows
# and of the import after it, in the Release build scripts/benchmark.sh uses,
# and holds them against the figures committed in bench/anweisungen.txt: more
# than 10 % over either fails. Instruction counts do not depend on the
# machine's load, so the guard is as strict on a busy CI machine as at a desk.
#
#   scripts/anweisungen.sh            count and compare (a CI stage)
#   scripts/anweisungen.sh --neu      count and write the figures anew, after a
#                                     change that is meant to cost more or less
#
# scripts/benchmark.sh takes its own counts with the function below.
set -euo pipefail
cd "$(dirname "$0")/.."

zeilen=32767
bench=build-bench/bench/bench_import

# Instructions of one call of a function of the benchmark, set-up excluded.
anweisungen() {
  local was=$1 funktion=$2 n=${3:-$zeilen}
  valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect="$funktion(*" \
    "$bench" --einmal="$was" --zeilen="$n" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

benchmark_bauen() {
  scripts/abhaengigkeiten.sh
  command -v valgrind >/dev/null || {
    local als_root=(env DEBIAN_FRONTEND=noninteractive)
    [ "$(id -u)" -ne 0 ] && als_root=(sudo "${als_root[@]}")
    "${als_root[@]}" apt-get install -y -qq --no-install-recommends valgrind
  }
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMI_TESTS=OFF -DMI_BENCH=ON \
    -DMI_WERROR="${MI_WERROR:-OFF}" >/dev/null
  cmake --build build-bench --target bench_import
}

# Sourced by scripts/benchmark.sh for the function above alone.
[ "${BASH_SOURCE[0]}" = "$0" ] || return 0

benchmark_bauen
pruefung=$(anweisungen pruefen mi::bench::gezaehltPruefen)
import=$(anweisungen importieren mi::bench::gezaehltImportieren)
je_zeile=$((pruefung / zeilen))
zahlen=bench/anweisungen.txt

if [ "${1:-}" = "--neu" ]; then
  {
    echo "# Instructions callgrind counts in the Release build (scripts/anweisungen.sh);"
    echo "# CI fails when either grows by more than 10 %."
    echo "check_per_row $je_zeile"
    echo "import $import"
  } >"$zahlen"
  echo "Written to $zahlen: check $je_zeile a row, import $import"
  exit 0
fi

wert() { awk -v k="$1" '$1 == k { print $2 }' "$zahlen"; }
fehlschlag=0
vergleichen() {
  local was=$1 ist=$2 soll=$3
  local grenze=$((soll + soll / 10))
  local urteil=ok
  if [ "$ist" -gt "$grenze" ]; then
    urteil=MORE
    fehlschlag=1
  fi
  printf '  %-4s %-28s %'"'"'15d  committed %'"'"'15d  (at most %'"'"'d)\n' \
    "$urteil" "$was" "$ist" "$soll" "$grenze"
}
echo "Instructions at $zeilen rows:"
vergleichen "check, a row" "$je_zeile" "$(wert check_per_row)"
vergleichen "import, in all" "$import" "$(wert import)"
exit $fehlschlag
