#!/usr/bin/env bash
# Builds the German and the French program, each in its own build folder
# (build-de, build-fr), and walks each language build once through the wizard
# on the demo planner with tools/rundgang, which is compiled with the program's
# own language setting: window texts, the widths, one message, all four steps.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
for sprache in DE FR; do
  build=build-${sprache,,}
  printf '\n--- %s: %s ---\n' "$sprache" "$build"
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSPRACHE="$sprache" \
    -DMI_TESTS=OFF -DMI_BENCH=OFF -DMI_FUZZ=OFF -DMI_SANITIZE=OFF \
    -DMI_WERROR="${MI_WERROR:-OFF}" >/dev/null
  cmake --build "$build" --target MitarbeiterImport rundgang
  QT_QPA_PLATFORM=offscreen timeout 300 "$build/tools/rundgang"
done
