#!/usr/bin/env bash
# Non-blank, non-comment lines of the C++ sources (*.cpp, *.h) under tests/ and under src/, and
# their ratio. Comments are // lines and /* */ blocks; a line holding code and a comment counts.
cd "$(dirname "$0")/../.."
count() {
  find "$1" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat |
    awk '
      { line = $0 }
      inBlock { if (sub(/.*\*\//, "", line)) inBlock = 0; else next }
      { gsub(/\/\*.*\*\//, "", line) }
      /\/\*/ && !/\*\// { sub(/\/\*.*/, "", line); inBlock = 1 }
      { sub(/^[ \t]+/, "", line) }
      line == "" || line ~ /^\/\// { next }
      { count++ }
      END { print count + 0 }'
}
tests=$(count tests)
src=$(count src)
echo "tests/: $tests  src/: $src  ratio: $(awk -v t="$tests" -v s="$src" 'BEGIN { printf "%.1f %%", 100 * t / s }')"
