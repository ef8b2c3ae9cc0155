#!/usr/bin/env bash
# Makes every write-side file operation of a whole check and import fail in
# turn, with a full disk, an I/O error and the process killed, and checks what
# each leaves behind (tests/ausfall/ausfall.py, through the preload library
# tests/ausfall/ausfallinjektor.c). Linux only; uses the build in build/ that
# scripts/test.sh makes, or the build folder given.
#
#   scripts/ausfall.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target rundgang planerdatei ausfallinjektor
exec python3 tests/ausfall/ausfall.py "$build"
