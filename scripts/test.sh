#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then checks the project the way CI does:
#   1. the formatting of every source (clang-format) and its licence line (scripts/spdx.sh);
#   2. the programs and benchmarks, optimised, with warnings as errors (build-release/, tests not
#      built; build/ stays run.sh's);
#   3. every test, once, in an AddressSanitizer + UndefinedBehaviorSanitizer build at -O1
#      (build-asan/), the desktop window's tests on Qt's offscreen platform;
#   4. the Debian package made from build-release/, checked with lintian, installed, and its kovrel-term
#      run on a lab (scripts/package.sh);
#   5. the web edition (scripts/web.sh --test): built with emscripten, its kovrel-term compared
#      with the native one over every transcript under node, its page driven in headless Chromium;
#   6. a short run of the console fuzzer, where clang is installed.
# The benchmarks are compiled here but run on demand: scripts/bench.sh. Any failure stops it with
# a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

kovrel_install_packages "${KOVREL_RUN_PACKAGES[@]}" "${KOVREL_TEST_PACKAGES[@]}" \
  "${KOVREL_FUZZ_PACKAGES[@]}" "${KOVREL_PACKAGE_PACKAGES[@]}"
jobs="$(kovrel_jobs)"
started=$SECONDS

echo "== Formatting"
git ls-files -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.h' 'bench/*.cpp' \
  'tools/*.h' 'tools/*.cpp' 'fuzz/*.cpp' 'fuzz/*.h' | xargs -r clang-format --dry-run -Werror

echo "== Licence lines (SPDX)"
scripts/spdx.sh --check

echo "== Building the programs (build-release/)"
cmake -S . -B build-release -G Ninja -DKOVREL_WERROR=ON -DKOVREL_TESTS=OFF \
  -DKOVREL_BENCHMARKS=ON >/dev/null
cmake --build build-release --parallel "$jobs"

echo "== Building the tests with the sanitizers (build-asan/)"
cmake -S . -B build-asan -G Ninja -DKOVREL_WERROR=ON -DKOVREL_SANITIZE=ON -DKOVREL_TESTS=ON \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
cmake --build build-asan --parallel "$jobs"

echo "== Testing"
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}" \
  ctest --test-dir build-asan --output-on-failure --parallel "$jobs"

echo "== Packaging (build-release/)"
scripts/package.sh build-release

echo "== The web edition: WebAssembly build, node batch runs, headless Chromium"
web_started=$SECONDS
scripts/web.sh --test
echo "   (web edition: $((SECONDS - web_started)) s)"

if [ -x scripts/fuzz.sh ]; then
  echo "== Fuzzing the console (60 s)"
  scripts/fuzz.sh 60
fi
echo "== All checks passed in $((SECONDS - started)) s"
