#!/usr/bin/env bash
# Installs what is missing, builds kovrel-term and its lesson database in build/, and starts it.
# Arguments are passed to kovrel-term (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

kovrel_install_packages
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target kovrel-term --parallel "$(kovrel_jobs)"
exec build/bin/kovrel-term "$@"
