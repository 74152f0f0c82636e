#!/usr/bin/env bash
# Installs what is missing, then builds with warnings as errors and runs every test twice: a
# normal build (build/) and an AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/).
# Ends with a short run of the benchmarks. Any failure stops it with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

kovrel_install_packages
jobs="$(kovrel_jobs)"

build_and_test() {
  local dir="$1"
  shift
  echo "== Building $dir"
  cmake -S . -B "$dir" -G Ninja -DKOVREL_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
  echo "== Testing $dir"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

build_and_test build
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}" \
  build_and_test build-asan -DKOVREL_SANITIZE=ON

if [ -x build/bin/kovrel_bench ]; then
  echo "== Benchmarks (a short run)"
  build/bin/kovrel_bench --benchmark_min_time=0.01
fi
echo "== All tests passed"
