#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the optimised programs and runs the benchmarks. Arguments go to the benchmark runner
# (for example --benchmark_filter=Ping).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

kovrel_install_packages "${KOVREL_RUN_PACKAGES[@]}" libbenchmark-dev
cmake -S . -B build -G Ninja -DKOVREL_BENCHMARKS=ON >/dev/null
cmake --build build --target kovrel_bench --parallel "$(kovrel_jobs)"
exec build/bin/kovrel_bench "$@"
