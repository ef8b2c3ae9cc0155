#!/usr/bin/env bash
# Installs everything the project needs on a fresh Debian 12 machine. Both
# README commands and CI call it; it does nothing when all is there already.
set -euo pipefail

PAKETE=(
  cmake ninja-build g++ git python3
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
  clang-14 libclang-rt-14-dev clang-format-14 clang-tidy-14
)

if ! command -v dpkg-query >/dev/null; then
  # Not a Debian system: the build itself says what it misses.
  echo "No dpkg here; install the equivalents of these Debian packages yourself:" >&2
  echo "  ${PAKETE[*]}" >&2
  exit 0
fi

fehlend=()
for paket in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$paket")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

# sudo clears the environment, so the setting goes through env.
als_root=(env DEBIAN_FRONTEND=noninteractive)
[ "$(id -u)" -ne 0 ] && als_root=(sudo "${als_root[@]}")
echo "Installing: ${fehlend[*]}"
"${als_root[@]}" apt-get update -qq
"${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
