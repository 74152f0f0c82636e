#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the fuzzers' seed corpus: the key bytes of every transcript, and the lesson solutions
# typed into their tests and troubleshooting scenarios, each behind the header its fuzzer reads
# (console: activity, page length, router switches, grader, clock, random numbers; terminal:
# columns and page length). Run it after adding a transcript or changing a solution.
#   fuzz/make_corpus.sh
set -euo pipefail
cd "$(dirname "$0")/.."
console=fuzz/corpus/console
terminal=fuzz/corpus/terminal
rm -rf "$console" "$terminal"
mkdir -p "$console" "$terminal"

# header ACTIVITY PAGE_LENGTH: the console fuzzer's ten header bytes, as printf escapes.
header() {
  printf '\\x%02x\\x%02x\\x00\\x07\\x4b\\x2a\\x10\\x00\\x40\\xc0' "$1" "$(($2 - 1))"
}

for transcript in tests/transcripts/*.txt; do
  name="$(basename "$transcript" .txt)"
  args="$(sed -n 's/^# ARGS: //p' "$transcript")"
  activity=0 page=24
  # The activity byte: 0 lab, 1 test, 2 troubleshooting in the low two bits, the number less one
  # above them.
  if [[ "$args" =~ --test\ ([0-9]+) ]]; then activity=$((1 + (BASH_REMATCH[1] - 1) * 4)); fi
  if [[ "$args" =~ --troubleshooting\ ([0-9]+) ]]; then
    activity=$((2 + (BASH_REMATCH[1] - 1) * 4))
  fi
  if [[ "$args" =~ --page-length\ ([0-9]+) ]]; then page="${BASH_REMATCH[1]}"; fi
  keys="$(sed -n 's/^# INPUT: //p' "$transcript" | tr -d '\n')"
  printf '%b' "$(header "$activity" "$page")$keys" >"$console/$name"
  printf '%b' "\\x4f\\x17$keys" >"$terminal/$name"
done

# section FILE TABLE KEY: the lines of one lesson section.
section() {
  awk -v start="@@ $2 $3" '$0 == start {on = 1; next} /^@@ / {on = 0} on' "$1"
}

for test in $(sed -n 's/^@@ tests test\([0-9]*\)Solution$/\1/p' data/text/tests.txt); do
  keys="\\r$(section data/text/tests.txt tests "test${test}Solution" |
    sed -E 's/^[A-Za-z0-9_.-]+(\([a-z-]+\))?[>#]//' | sed 's/$/\\r/' | tr -d '\n')\\x1dreport\\r"
  printf '%b' "$(header $((1 + (test - 1) * 4)) 24)$keys" >"$console/test${test}_solution"
done
for scenario in $(sed -n 's/^@@ troubleshooting troubleshooting\([0-9]*\) solutionText$/\1/p' \
  data/text/troubleshooting.txt); do
  keys="\\r$(section data/text/troubleshooting.txt troubleshooting \
    "troubleshooting$scenario solutionText" | grep -o "'[^']*'" | tr -d "'" |
    sed 's/$/\\r/' | tr -d '\n')"
  printf '%b' "$(header $((2 + (scenario - 1) * 4)) 24)$keys" \
    >"$console/troubleshooting${scenario}_solution"
done
echo "make_corpus.sh: $(ls "$console" | wc -l) console and $(ls "$terminal" | wc -l) terminal seeds"
