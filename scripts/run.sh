#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what running needs, builds the program and its lesson database in build/ (test.sh
# keeps its own folders), and starts it:
# the desktop program kovrel when a display is there, else kovrel-term in this terminal.
# Arguments are passed to the program started (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

kovrel_install_packages "${KOVREL_RUN_PACKAGES[@]}"
cmake -S . -B build -G Ninja >/dev/null
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cmake --build build --target kovrel --parallel "$(kovrel_jobs)"
  exec build/bin/kovrel "$@"
fi
cmake --build build --target kovrel-term --parallel "$(kovrel_jobs)"
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): starting kovrel-term in this terminal."
exec build/bin/kovrel-term "$@"
