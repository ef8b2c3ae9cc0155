#!/usr/bin/env bash
# Starts the wizard on the demo planner installation in the build folder.
#
#   scripts/demo.sh           builds the program and the demo, then starts the wizard
#   scripts/demo.sh --fresh   first rebuilds the demo's planner files from the plain
#                             text in examples/demo, undoing earlier imports
#
# The program finds the demo as it finds a real planner: "ProgramFiles" points at
# the demo's base folder, "PUBLIC" is empty and the user is "demo", whom the demo
# configuration lets import. No real planner folder is read or written.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"

frisch=0
for arg in "$@"; do
  case "$arg" in
    --fresh) frisch=1 ;;
    -h | --help) sed -n '2,10p' "$0" | cut -c3-; exit 0 ;;
    *) echo "demo.sh: unknown option '$arg' (try --help)" >&2; exit 2 ;;
  esac
done

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
# Remove only a folder the demo build made itself.
if [ "$frisch" = 1 ] && [ -f "$build/demo/Program Files/Velmora/Velmont.dat" ]; then
  rm -rf -- "$build/demo"
fi
cmake --build "$build" --target MitarbeiterImport demo

if [ "$(uname -s)" = Linux ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "demo.sh: there is no display, so the wizard's window cannot open." >&2
  echo "Run it under a virtual X server instead:  xvfb-run -a scripts/demo.sh" >&2
  exit 1
fi

basis="$(cd "$build/demo/Program Files" && pwd)"
programm="$build/src/MitarbeiterImport"
[ -x "$programm" ] || programm="$programm.exe"
echo "Demo planner: $basis/Velmora (data in $(dirname "$basis")/Documents/VelmoraData)"

# The sample import files beside the program hold English (US) dates and
# numbers (03/15/2024, 2.5), so the program runs in that locale on every
# machine. Qt takes the locale's name from LC_ALL, the LC_ variables and LANG
# without asking the C library, which need not have en_US; the C locale would
# not do, since its dates read "15 Mar 2024". The C library then gets C.UTF-8.
for variable in $(env | sed -n 's/^\(LC_[A-Z_]*\)=.*/\1/p'); do
  unset "$variable"
done
if locale -a 2>/dev/null | grep -qix 'en_US\.utf-\?8'; then
  export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
else
  export LC_CTYPE=C.UTF-8 LANG=en_US.UTF-8
fi
exec env ProgramFiles="$basis" PUBLIC= USERNAME=demo "$programm"
