#!/usr/bin/env bash
# Builds the console fuzzer with clang in build-fuzz/ and runs it for SECONDS (default 60) on the
# seed corpus in fuzz/corpus/ with the command-word dictionary. Inputs it finds worth keeping
# collect in build-fuzz/corpus/; a crash or a broken invariant is saved in build-fuzz/ and ends
# the script with a non-zero status. Without clang it says so and does nothing.
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
cmake --build build-fuzz --target console_fuzzer --parallel "$(kovrel_jobs)"

mkdir -p build-fuzz/corpus
echo "== Fuzzing the console for $seconds seconds"
build-fuzz/bin/console_fuzzer -max_total_time="$seconds" -dict=fuzz/console.dict \
  -max_len=4096 -timeout=20 -rss_limit_mb=2048 -detect_leaks=0 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/ "$@" build-fuzz/corpus fuzz/corpus
