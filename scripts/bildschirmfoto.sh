#!/usr/bin/env bash
# Pictures for the README: walks the wizard through its four steps on a virtual
# display (tools/rundgang on a copy of the demo planner) and saves the window in
# each of its five states, one row question and the summary with its list of
# faults as docs/zustand1.png … docs/zustand5.png, docs/frage.png and
# docs/zusammenfassung.png, or into the folder given.
# SPRACHE=DE|EN|FR picks the language (English unless given).
set -euo pipefail
cd "$(dirname "$0")/.."
ziel=${1:-docs}
scripts/abhaengigkeiten.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPRACHE="${SPRACHE:-EN}" >/dev/null
cmake --build build --target rundgang
# A 96 dpi screen without a window manager, hence windows without title bars.
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/tools/rundgang "$ziel"
echo "Saved to $ziel: zustand1.png … zustand5.png, frage.png, zusammenfassung.png"
