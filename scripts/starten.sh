#!/usr/bin/env bash
# Builds the program and the demo planner installation, then starts the wizard
# on the demo.
#
#   scripts/starten.sh           builds what is missing, then starts the wizard
#   scripts/starten.sh --fresh   first rebuilds the demo's planner files from the
#                                plain text in examples/demo, undoing earlier imports
#   SPRACHE=DE|EN|FR             the program's language (English unless given)
#
# The program finds the demo as it finds a real planner: "ProgramFiles" points at
# the demo's base folder, "PUBLIC" is empty and the user is "demo", whom the demo
# configuration lets import. No real planner folder is read or written. Two
# import files lie beside the program, where step 2's file dialog opens.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build

frisch=0
for arg in "$@"; do
  case "$arg" in
    --fresh) frisch=1 ;;
    -h | --help) sed -n '2,13p' "$0" | cut -c3-; exit 0 ;;
    *) echo "starten.sh: unknown option '$arg' (try --help)" >&2; exit 2 ;;
  esac
done

scripts/abhaengigkeiten.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPRACHE="${SPRACHE:-EN}" >/dev/null
# Remove only a folder the demo build made itself.
if [ "$frisch" = 1 ] && [ -f "$build/demo/Program Files/Velmora/Velmont.dat" ]; then
  rm -rf -- "$build/demo"
fi
cmake --build "$build" --target MitarbeiterImport demo

# These platforms draw nowhere a person could see the window.
case "${QT_QPA_PLATFORM:-}" in offscreen* | minimal*) unset QT_QPA_PLATFORM ;; esac
if [ "$(uname -s)" = Linux ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'HINWEIS'
This machine has no display, so the wizard's window cannot open.
Start it on a virtual display instead:

    xvfb-run -a scripts/starten.sh

(Everything is built: the program is build/src/MitarbeiterImport, the demo
planner is in build/demo.)
HINWEIS
  exit 1
fi

basis="$(cd "$build/demo/Program Files" && pwd)"
echo "Demo planner: $basis/Velmora (data in $(dirname "$basis")/Documents/VelmoraData)"

# The demo's import files hold English (US) dates and numbers (03/15/2024, 2.5),
# so the program runs in that locale on every machine. Qt takes the locale's
# name from LC_ALL, the LC_ variables and LANG without asking the C library,
# which need not have en_US; the C locale would not do, since its dates read
# "15 Mar 2024". The C library then gets C.UTF-8.
for variable in $(env | sed -n 's/^\(LC_[A-Z_]*\)=.*/\1/p'); do
  unset "$variable"
done
if locale -a 2>/dev/null | grep -qix 'en_US\.utf-\?8'; then
  export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
else
  export LC_CTYPE=C.UTF-8 LANG=en_US.UTF-8
fi
exec env ProgramFiles="$basis" PUBLIC= USERNAME=demo "$build/src/MitarbeiterImport"
