#!/usr/bin/env bash
# Measures the check and the import against their goals, in one run:
#
# - the check (read + five passes) and the import (read, backup of a 5 MB data
#   folder, write, log, settings twice) at 4,096 to 32,767 rows, Release build,
#   medians of the repetitions (Google Benchmark);
# - Python's csv.reader merely splitting the same 32,767-row file into fields,
#   in-process, timed with the same repetitions, and the ratio of the two;
# - instructions (callgrind): per row of the check, in all for the import, and
#   per byte of the data folder for its backup;
# - the peak memory of the check and of the import at 32,767 rows.
#
#   scripts/benchmark.sh                       everything, 5 repetitions
#   WIEDERHOLUNGEN=9 scripts/benchmark.sh      more repetitions
#
# Wall times depend on the machine's load, printed before and after; the
# process's CPU time much less, so the time goals are judged on it, the wall
# times printed beside. Instruction counts do not depend on the load at all.
# Each timed check starts with the processor's caches emptied of the one
# before, as a user's check runs once: back to back, 4,096 rows would find all
# their memory cached from the last repetition and 32,767 rows would not, and
# the growth would measure the caches' size (printed beside, back to back).
# On a shared virtual machine a whole process may run up to one and a half
# times slower than the next (where its memory and processor happen to lie),
# so each side of a comparison runs in three processes and its fastest median
# counts: the check and Python alike.
set -euo pipefail
cd "$(dirname "$0")/.."

# The build, and the instruction counts as the CI stage takes them.
source scripts/anweisungen.sh
benchmark_bauen
wiederholungen=${WIEDERHOLUNGEN:-5}
datei=build-bench/import$zeilen.csv
ergebnis=build-bench/bench_import.json
rm -f "$ergebnis" "$ergebnis".*

echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
"$bench" --importdatei="$datei" --zeilen=$zeilen
"$bench" --benchmark_repetitions="$wiederholungen" --benchmark_report_aggregates_only=true \
  --benchmark_counters_tabular=true --benchmark_out="$ergebnis" --benchmark_out_format=json
# Python and the check alone, process after process in turns, so that both
# sides meet the same spells of the machine.
prozesse=3
python_ms=$(for runde in $(seq $prozesse); do
  python3 - "$datei" "$wiederholungen" <<'PY'
import csv, statistics, sys, time
pfad, wiederholungen = sys.argv[1], int(sys.argv[2])
wand, cpu = [], []
for _ in range(wiederholungen):
    anfang, anfang_cpu = time.perf_counter(), time.process_time()
    with open(pfad, newline="", encoding="utf-8-sig") as f:
        for _zeile in csv.reader(f):
            pass
    wand.append(time.perf_counter() - anfang)
    cpu.append(time.process_time() - anfang_cpu)
print(f"{statistics.median(wand) * 1000:.2f} {statistics.median(cpu) * 1000:.2f}")
PY
  "$bench" --benchmark_filter='Importdatei_checken/' --benchmark_repetitions="$wiederholungen" \
    --benchmark_report_aggregates_only=true --benchmark_out="$ergebnis.$runde" \
    --benchmark_out_format=json >/dev/null
done | sort -n -k2 | head -1)
echo "Load average afterwards: $(cut -d' ' -f1-3 /proc/loadavg)"

pruefung=$(anweisungen pruefen mi::bench::gezaehltPruefen)
# The same at 4,096 rows: how the work itself grows, apart from the machine's
# caches.
pruefung_klein=$(anweisungen pruefen mi::bench::gezaehltPruefen 4096)
import=$(anweisungen importieren mi::bench::gezaehltImportieren)
backup=$(anweisungen importieren mi::Backup_erstellen)
ordnerbytes=$("$bench" --planerordner=1)
speicher=$("$bench" --einmal=importieren --zeilen=$zeilen)

python3 - "$ergebnis" "${python_ms% *}" "${python_ms#* }" "$pruefung" "$import" "$backup" "$ordnerbytes" "$zeilen" \
  "$speicher" "$pruefung_klein" <<'PY'
import glob, json, re, sys
(datei, python_ms, python_cpu, pruefung, imp, backup, ordnerbytes, zeilen,
 speicher, pruefung_klein) = sys.argv[1:]
python_ms, python_cpu, zeilen = float(python_ms), float(python_cpu), int(zeilen)
median, median_cpu, prozesse = {}, {}, {}
for lauf in [datei] + sorted(glob.glob(datei + ".*")):
    for b in json.load(open(lauf))["benchmarks"]:
        if b.get("aggregate_name") == "median" and "/" in b["run_name"]:
            name, n = b["run_name"].split("/")[:2]
            schluessel = (name, int(n))
            prozesse[schluessel] = prozesse.get(schluessel, 0) + 1
            median[schluessel] = min(median.get(schluessel, 1e12), b["real_time"])
            median_cpu[schluessel] = min(median_cpu.get(schluessel, 1e12), b["cpu_time"])
for titel, werte in (("wall", median), ("CPU", median_cpu)):
    print(f"\nMedian {titel} time (ms), the fastest of the processes:")
    for name in ("Importdatei_checken", "Importdatei_checken_warm", "Mitarbeiterdaten_importieren"):
        punkte = sorted((n, t) for (m, n), t in werte.items() if m == name)
        print(f"  {name} ({prozesse[(name, zeilen)]} processes): " +
              "  ".join(f"{n}: {t:.2f}" for n, t in punkte))
print(f"  Python csv.reader at {zeilen:,} rows (3 processes): wall {python_ms:.2f}, CPU {python_cpu:.2f}")
pruefen = median_cpu[("Importdatei_checken", zeilen)]
wachstum = pruefen / median_cpu[("Importdatei_checken", 4096)]
warm = median_cpu[("Importdatei_checken_warm", zeilen)] / median_cpu[("Importdatei_checken_warm", 4096)]
wand = median[("Importdatei_checken", zeilen)]
spitzen = dict(re.findall(r"peak memory of the (\w+): ([\d.]+) MB", speicher))
zeilen_ziel = [
    ("check / Python csv.reader, CPU", f"{pruefen:.1f} / {python_cpu:.1f} ms = {pruefen / python_cpu:.2f}",
     pruefen / python_cpu <= 0.5, "at most 0.5"),
    ("the same, wall", f"{wand:.1f} / {python_ms:.1f} ms = {wand / python_ms:.2f}", True,
     "reported"),
    ("check, instructions a row", f"{int(pruefung) / zeilen:,.0f}", int(pruefung) / zeilen <= 2500,
     "at most 2,500"),
    ("check, 4,096 to 32,767 rows", f"{wachstum:.2f} times the CPU time, cold", wachstum <= 8.5,
     "at most 8.5"),
    ("the same, back to back", f"{warm:.2f} times, caches warm", True, "reported"),
    ("the same, instructions", f"{int(pruefung) / int(pruefung_klein):.2f} times", True, "reported"),
    ("import, instructions in all", f"{int(imp):,}", int(imp) <= 150e6, "at most 150 million"),
    ("backup, instructions a byte", f"{int(backup) / int(ordnerbytes):.1f} ({int(ordnerbytes):,} bytes)",
     int(backup) / int(ordnerbytes) <= 20, "at most 20"),
    ("import, wall time", f"{median[('Mitarbeiterdaten_importieren', zeilen)]:.1f} ms", True,
     "reported, with its syncs"),
    ("check, peak memory", f"{float(spitzen['check']):.1f} MB", float(spitzen["check"]) <= 32,
     "at most 32 MB"),
    ("import, peak memory", f"{float(spitzen['import']):.1f} MB", float(spitzen["import"]) <= 40,
     "at most 40 MB"),
]
print(f"\nAt {zeilen:,} rows:")
for was, wert, gut, ziel in zeilen_ziel:
    print(f"  {'ok  ' if gut else 'MISS'} {was:30} {wert:40} goal: {ziel}")
PY
