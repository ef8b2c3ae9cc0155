#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them, each seeded from its
# standing corpus fuzz/korpus/<target> and led by its dictionary
# fuzz/<target>.dict. A crash, sanitizer report, hang, memory blow-up or defect
# ending fails the run; the input that caused it is kept in build-fuzz/funde.
#
#   scripts/fuzz.sh [SECONDS]           each target in turn for SECONDS (default 30),
#                                       on a copy of the standing corpus, which stays as it is
#   scripts/fuzz.sh --campaign MINUTES  all targets side by side for MINUTES; then what
#                                       they found is merged into fuzz/korpus (commit it)
#
# Prints per target the executions, the rate per second of the clock and per
# second of processor time (other builds may share the machine, so the load
# average is printed too), the coverage (libFuzzer's cov: and ft:) and the defects.
set -euo pipefail
cd "$(dirname "$0")/.."

ZIELE=(zeilen installationsdaten konfigdaten mitarbeiterdaten importpruefung)
if [ "${1:-}" = --campaign ]; then
  minuten=${2:?"--campaign needs the minutes to run"}
  kampagne=1
  sekunden=$((minuten * 60))
else
  kampagne=0
  sekunden=${1:-30}
fi

scripts/abhaengigkeiten.sh
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMI_FUZZ=ON -DMI_TESTS=OFF -DMI_BENCH=OFF -DMI_WERROR="${MI_WERROR:-OFF}" >/dev/null
cmake --build build-fuzz --target "${ZIELE[@]/#/fuzz_}"

# An execution frees little, so a quarantine of 16 MB still keeps the memory
# of hundreds of executions poisoned and catches a use after free within one;
# the default 256 MB only makes every execution pay for fresh pages.
export ASAN_OPTIONS="quarantine_size_mb=16${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
TIMEFORMAT='%R %U %S'
arbeit=build-fuzz/korpus
funde=build-fuzz/funde
if [ "$kampagne" = 1 ]; then
  arbeit=build-fuzz/kampagne/korpus
  funde=build-fuzz/kampagne/funde
fi

# One libFuzzer run of a target on a corpus folder, which takes what it finds;
# it fails when it found a defect.
laufen() {
  local ziel=$1 korpus=$2 dauer=$3 log=$4
  "build-fuzz/fuzz/fuzz_$ziel" -max_total_time="$dauer" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -dict="fuzz/$ziel.dict" -artifact_prefix="$funde/$ziel/" \
    -print_final_stats=1 "$korpus" >"$log" 2>&1
}

# The run of one target, restarted after a defect until its time is up, so a
# campaign goes on. Its logs, the clock and processor seconds of its runs and
# one line per run that ended in a defect go to build-fuzz/logs.
zielLaufen() {
  local ziel=$1 ende=$(($(date +%s) + sekunden)) runde=0 rest
  rm -rf "${arbeit:?}/$ziel" "${funde:?}/$ziel" build-fuzz/logs/"$ziel".*
  mkdir -p "$arbeit/$ziel" "$funde/$ziel" build-fuzz/logs
  cp fuzz/korpus/"$ziel"/* "$arbeit/$ziel/"
  : >"build-fuzz/logs/$ziel.zeit"
  : >"build-fuzz/logs/$ziel.defekte"
  while rest=$((ende - $(date +%s))) && [ "$rest" -gt 0 ]; do
    runde=$((runde + 1))
    if { time laufen "$ziel" "$arbeit/$ziel" "$rest" "build-fuzz/logs/$ziel.$runde"; } \
      2>>"build-fuzz/logs/$ziel.zeit"; then
      break
    fi
    echo "build-fuzz/logs/$ziel.$runde" >>"build-fuzz/logs/$ziel.defekte"
    [ "$kampagne" = 1 ] || break
  done
}

defekte() { wc -l <"build-fuzz/logs/$1.defekte"; }

logs() { ls build-fuzz/logs/"$1".[0-9]* | sort -t. -k2 -n; }

# cov: and ft: of the last report of the last run.
abdeckung() { grep -oE 'cov: [0-9]+ ft: [0-9]+' "$(logs "$1" | tail -1)" | tail -1 | tr -d : || true; }

bericht() {
  local ziel=$1
  logs "$ziel" | xargs cat | grep -oE 'stat::number_of_executed_units: *[0-9]+' |
    awk -v z="fuzz_$ziel" -v a="$(abdeckung "$ziel")" -v d="$(defekte "$ziel")" \
      -v zeit="$(awk '{ u += $1; c += $2 + $3 } END { print u, c }' "build-fuzz/logs/$ziel.zeit")" '
      { n += $2 }
      END {
        split(zeit, s, " ")
        printf "%-24s %10d executions %7.0f/s %7.0f per processor second   %-16s %s\n",
               z, n, n / s[1], (s[2] > 0 ? n / s[2] : 0), a, (d == 0 ? "no defect" : d " defects")
      }'
}

# Coverage of a corpus as the target reaches it, without fuzzing.
korpusAbdeckung() {
  "build-fuzz/fuzz/fuzz_$1" -runs=0 "$2" 2>&1 | grep -oE 'INITED cov: [0-9]+ ft: [0-9]+' |
    sed 's/INITED //' | tr -d : || true
}

last() { printf 'load average %s on %s processors\n' "$(cut -d' ' -f1-3 /proc/loadavg)" "$(nproc)"; }

if [ "$kampagne" = 0 ]; then
  last
  for ziel in "${ZIELE[@]}"; do
    zielLaufen "$ziel"
    bericht "$ziel"
    if [ "$(defekte "$ziel")" -gt 0 ]; then
      tail -60 "$(logs "$ziel" | tail -1)"
      echo "fuzz_$ziel found a defect: $(ls "$funde/$ziel")" >&2
      exit 1
    fi
  done
  last
  echo "fuzzing: no defect"
  exit 0
fi

echo "campaign: ${#ZIELE[@]} targets side by side for $minuten minutes"
last
mkdir -p build-fuzz/kampagne
for ziel in "${ZIELE[@]}"; do
  korpusAbdeckung "$ziel" "fuzz/korpus/$ziel" >"build-fuzz/kampagne/vorher.$ziel"
done
for ziel in "${ZIELE[@]}"; do
  zielLaufen "$ziel" &
done
wait
last
gefunden=0
for ziel in "${ZIELE[@]}"; do
  bericht "$ziel"
  vorher=$(ls "fuzz/korpus/$ziel" | wc -l)
  "build-fuzz/fuzz/fuzz_$ziel" -merge=1 -max_len=4096 "fuzz/korpus/$ziel" "$arbeit/$ziel" \
    >"build-fuzz/logs/$ziel.merge" 2>&1 || echo "  the merge failed: build-fuzz/logs/$ziel.merge"
  printf '  standing corpus: %d files (%+d), %s before, %s after\n' \
    "$(ls "fuzz/korpus/$ziel" | wc -l)" "$(($(ls "fuzz/korpus/$ziel" | wc -l) - vorher))" \
    "$(cat "build-fuzz/kampagne/vorher.$ziel")" "$(korpusAbdeckung "$ziel" "fuzz/korpus/$ziel")"
  if [ "$(defekte "$ziel")" -gt 0 ]; then
    gefunden=1
    echo "  defects kept in $funde/$ziel: $(ls "$funde/$ziel" | tr '\n' ' ')"
  fi
done
[ "$gefunden" = 0 ] && echo "campaign: no defect" || { echo "campaign: defects found" >&2; exit 1; }
