#!/usr/bin/env bash
# Counts the C++ lines of code that are neither blank nor comments, per folder,
# and the tests' share of tests, src and tools together.
#
#   scripts/zeilen.sh
set -euo pipefail
cd "$(dirname "$0")/.."

zaehlen() {
  find "$@" -name '*.cpp' -o -name '*.h' | sort | xargs cat 2>/dev/null | awk '
    BEGIN { block = 0 }
    {
      line = $0
      if (block) {
        if (index(line, "*/")) { line = substr(line, index(line, "*/") + 2); block = 0 } else next
      }
      gsub(/^[ \t]+|[ \t]+$/, "", line)
      if (line == "" || line ~ /^\/\//) next
      if (line ~ /^\/\*/) { if (!index(line, "*/")) block = 1; next }
      n++
    }
    END { print n + 0 }'
}

src=$(zaehlen src)
tools=$(zaehlen tools)
tests=$(zaehlen tests)
printf 'src    %6d\ntools  %6d\ntests  %6d\n' "$src" "$tools" "$tests"
awk -v t="$tests" -v s="$src" -v w="$tools" \
  'BEGIN { printf "tests / (tests + src + tools) = %.1f %%\n", 100 * t / (t + s + w) }'
