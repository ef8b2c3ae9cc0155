#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
# CI sets MI_WERROR=ON; a user's build keeps warnings as warnings.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMI_WERROR="${MI_WERROR:-OFF}"
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
