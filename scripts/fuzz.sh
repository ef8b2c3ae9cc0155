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
#   ZIELE="importpruefung" scripts/fuzz.sh --campaign 30
#                                       the same for the targets named only, say after a
#                                       change of the one they fuzz
#
# Prints per target the executions, the rate per second of the clock and per
# second of processor time (other builds may share the machine, so the load
# average is printed too), the coverage (libFuzzer's cov: and ft:) and the defects.
set -euo pipefail
cd "$(dirname "$0")/.."

read -r -a ZIELE <<<"${ZIELE:-zeilen installationsdaten konfigdaten mitarbeiterdaten importpruefung}"
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
# Where the runs work: the corpus copies, the inputs that made a target fail, the logs.
ablage=build-fuzz
[ "$kampagne" = 1 ] && ablage=build-fuzz/kampagne
arbeit=$ablage/korpus
funde=$ablage/funde
protokolle=$ablage/logs

# The longest input of each target. The readers work line by line, so a few
# lines reach every branch; longer inputs only repeat lines, and every line
# costs the checks and allocations of all readers before it. The line reader
# and the settings file (three lines read) stay fast at any length.
laenge() {
  case $1 in
    konfigdaten) echo 512 ;;
    mitarbeiterdaten | importpruefung) echo 1024 ;;
    *) echo 4096 ;;
  esac
}

# One libFuzzer run of a target on a corpus folder, which takes what it finds;
# it fails when it found a defect.
laufen() {
  local ziel=$1 korpus=$2 dauer=$3 log=$4
  "build-fuzz/fuzz/fuzz_$ziel" -max_total_time="$dauer" -timeout=10 -rss_limit_mb=2048 \
    -max_len="$(laenge "$ziel")" -dict="fuzz/$ziel.dict" -artifact_prefix="$funde/$ziel/" \
    -print_final_stats=1 "$korpus" >"$log" 2>&1
}

# The run of one target, restarted after a defect until its time is up, so a
# campaign goes on. Besides each run's log, the clock and processor seconds of
# its runs and one line for each run that ended in a defect are kept.
zielLaufen() {
  local ziel=$1 ende runde=0 rest=$sekunden
  rm -rf "${arbeit:?}/$ziel" "${funde:?}/$ziel" "$protokolle/$ziel".*
  mkdir -p "$arbeit/$ziel" "$funde/$ziel" "$protokolle"
  cp fuzz/korpus/"$ziel"/* "$arbeit/$ziel/"
  : >"$protokolle/$ziel.zeit"
  : >"$protokolle/$ziel.defekte"
  ende=$(($(date +%s) + sekunden))
  while :; do
    runde=$((runde + 1))
    if { time laufen "$ziel" "$arbeit/$ziel" "$rest" "$protokolle/$ziel.$runde"; } \
      2>>"$protokolle/$ziel.zeit"; then
      return
    fi
    echo "$protokolle/$ziel.$runde" >>"$protokolle/$ziel.defekte"
    rest=$((ende - $(date +%s)))
    if [ "$kampagne" = 0 ] || [ "$rest" -le 0 ]; then
      return
    fi
  done
}

defekte() { wc -l <"$protokolle/$1.defekte"; }

laeufe() { ls "$protokolle/$1".[0-9]* | sort -t. -k2 -n; }

# cov: and ft: of the last report of the last run.
abdeckung() { grep -oE 'cov: [0-9]+ ft: [0-9]+' "$(laeufe "$1" | tail -1)" | tail -1 | tr -d : || true; }

bericht() {
  local ziel=$1
  awk -v z="fuzz_$ziel" -v a="$(abdeckung "$ziel")" -v d="$(defekte "$ziel")" \
    -v zeit="$(awk '{ u += $1; c += $2 + $3 } END { print u, c }' "$protokolle/$ziel.zeit")" '
    /stat::number_of_executed_units:/ { n += $2 }
    END {
      split(zeit, s, " ")
      printf "%-24s %10d executions %7.0f/s %7.0f per processor second   %-16s %s\n",
             z, n, (s[1] > 0 ? n / s[1] : 0), (s[2] > 0 ? n / s[2] : 0), a,
             (d == 0 ? "no defect" : d == 1 ? "1 defect" : d " defects")
    }' $(laeufe "$ziel")
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
      tail -60 "$(laeufe "$ziel" | tail -1)"
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
  "build-fuzz/fuzz/fuzz_$ziel" -merge=1 -max_len="$(laenge "$ziel")" "fuzz/korpus/$ziel" \
    "$arbeit/$ziel" >"$protokolle/$ziel.merge" 2>&1 ||
    echo "  the merge failed: $protokolle/$ziel.merge"
  printf '  standing corpus: %d files (%+d), %s before, %s after\n' \
    "$(ls "fuzz/korpus/$ziel" | wc -l)" "$(($(ls "fuzz/korpus/$ziel" | wc -l) - vorher))" \
    "$(cat "build-fuzz/kampagne/vorher.$ziel")" "$(korpusAbdeckung "$ziel" "fuzz/korpus/$ziel")"
  if [ "$(defekte "$ziel")" -gt 0 ]; then
    gefunden=1
    echo "  defects kept in $funde/$ziel: $(ls "$funde/$ziel" | tr '\n' ' ')"
  fi
done
[ "$gefunden" = 0 ] && echo "campaign: no defect" || { echo "campaign: defects found" >&2; exit 1; }
