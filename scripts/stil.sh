#!/usr/bin/env bash
# Checks the style of the sources with the committed configurations: clang-format
# 14 (.clang-format) on every C and C++ file of src/, tools/, tests/, bench/ and
# fuzz/, where any file it would change fails, and clang-tidy 14 (.clang-tidy)
# on every C++ file of src/, tools/ and tests/, where any finding fails. Prints
# each finding and the time of each half.
#
#   scripts/stil.sh              # everything, as CI runs it
#   scripts/stil.sh FILE...      # only these files, named from the project root
#
# clang-tidy reads build/compile_commands.json, which scripts/test.sh leaves;
# without it the project is configured into build/ first (no build needed).
# `cmake --build build --target format` formats the files in place.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
fehler=0

if [ $# -gt 0 ]; then
  dateien=("$@")
else
  mapfile -t dateien < <(find src tools tests bench fuzz -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
fi

start=$SECONDS
clang-format-14 --dry-run --Werror "${dateien[@]}" || fehler=1
echo "clang-format: ${#dateien[@]} files in $((SECONDS - start)) s"

if [ ! -f build/compile_commands.json ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMI_WERROR="${MI_WERROR:-OFF}" >/dev/null
fi
mapfile -t einheiten < <(printf '%s\n' "${dateien[@]}" | grep -E '^(src|tools|tests)/.*\.cpp$' || true)
# A file the build does not compile is a finding too: nothing would check it.
for datei in "${einheiten[@]}"; do
  if ! grep -q "\"file\": \"$PWD/$datei\"" build/compile_commands.json; then
    echo "$datei: not in build/compile_commands.json, so not checked"
    fehler=1
  fi
done
start=$SECONDS
# Every finding an error, so a file's exit status tells; its output only then.
# The extra argument lets clang read the GCC build's commands.
printf '%s\n' "${einheiten[@]}" | xargs -r -P "$(nproc)" -I{} sh -c '
  ausgabe=$(clang-tidy-14 -p build --quiet --warnings-as-errors="*" \
    --extra-arg=-Wno-unknown-warning-option "$1" 2>&1) || { printf "%s\n" "$ausgabe"; exit 1; }' \
  sh {} || fehler=1
echo "clang-tidy: ${#einheiten[@]} files, $(nproc) at a time, in $((SECONDS - start)) s"

if [ "$fehler" -ne 0 ]; then
  echo "Style: findings above" >&2
  exit 1
fi
echo "Style: every file formatted, no clang-tidy finding"
