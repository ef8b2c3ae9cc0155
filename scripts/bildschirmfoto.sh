#!/usr/bin/env bash
# Builds the program, starts it on a virtual display and saves a picture of the
# window as docs/fenster.png (or the file given as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
ziel=${1:-docs/fenster.png}

scripts/abhaengigkeiten.sh
if ! command -v import >/dev/null 2>&1; then
  als_root=()
  [ "$(id -u)" -ne 0 ] && als_root=(sudo)
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends imagemagick
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPRACHE="${SPRACHE:-EN}"
cmake --build build --target MitarbeiterImport
mkdir -p "$(dirname "$ziel")"

# Without a window manager the window sits alone on a black screen: trimming
# the screen's picture leaves the window.
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
  set -euo pipefail
  build/src/MitarbeiterImport &
  programm=$!
  sleep 3
  import -window root -trim +repage "$1"
  kill "$programm"
  wait "$programm" 2>/dev/null || true
' bildschirmfoto "$ziel"
echo "Saved $ziel"
