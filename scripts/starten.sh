#!/usr/bin/env bash
# Builds the program and starts the wizard. SPRACHE=DE|EN|FR picks the build's
# language (English unless given).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPRACHE="${SPRACHE:-EN}"
cmake --build build --target MitarbeiterImport

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'HINWEIS'
This machine has no display, so the window cannot be shown.
Start it on a virtual display instead:

    xvfb-run -a scripts/starten.sh

(The program was built: build/src/MitarbeiterImport)
HINWEIS
  exit 1
fi
exec build/src/MitarbeiterImport
