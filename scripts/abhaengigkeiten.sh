#!/usr/bin/env bash
# Installs everything the project needs on a fresh Debian 12 machine. Both
# README commands and CI call it; it does nothing when all is there already.
set -euo pipefail

PAKETE=(
  cmake ninja-build g++ git
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
  clang-14 libclang-rt-14-dev
)

fehlend=()
for paket in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$paket")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

als_root=()
[ "$(id -u)" -ne 0 ] && als_root=(sudo)
echo "Installing: ${fehlend[*]}"
"${als_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
