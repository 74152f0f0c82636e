#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang in build-fuzz/ and runs them for SECONDS in all (default 60): the
# console fuzzer two thirds of the time with the command-word dictionary, the terminal fuzzer the
# rest, each on its seed corpus in fuzz/corpus/ (fuzz/make_corpus.sh writes it). Inputs worth
# keeping collect in build-fuzz/corpus/; a crash or a broken invariant is saved in build-fuzz/ and
# ends the script with a non-zero status. Without clang it says so and does nothing.
#   scripts/fuzz.sh [SECONDS] [more libFuzzer options]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

seconds="${1:-60}"
shift || true
compiler="${KOVREL_FUZZ_CXX:-clang++-14}"
if ! command -v "$compiler" >/dev/null 2>&1 ||
  [ ! -f "$("$compiler" -print-file-name=libclang_rt.fuzzer-x86_64.a)" ]; then
  echo "fuzz.sh: $compiler with its libFuzzer runtime (libclang-rt-14-dev) is not installed; not fuzzing"
  exit 0
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER="$compiler" -DKOVREL_FUZZ=ON \
  -DKOVREL_BENCHMARKS=OFF -DKOVREL_TESTS=OFF -DKOVREL_DESKTOP=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target console_fuzzer terminal_fuzzer --parallel "$(kovrel_jobs)"

# fuzz NAME SECONDS [options]: one fuzzer on its corpus.
fuzz() {
  local name="$1" time="$2"
  shift 2
  mkdir -p "build-fuzz/corpus/$name"
  echo "== Fuzzing the $name for $time seconds"
  "build-fuzz/bin/${name}_fuzzer" -max_total_time="$time" -max_len=4096 -timeout=20 \
    -rss_limit_mb=2048 -detect_leaks=0 -print_final_stats=1 -artifact_prefix="build-fuzz/$name-" \
    "$@" "build-fuzz/corpus/$name" "fuzz/corpus/$name"
}
fuzz console $((seconds * 2 / 3)) -dict=fuzz/console.dict "$@"
fuzz terminal $((seconds - seconds * 2 / 3)) "$@"
