#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kovrel in the browser: builds the WebAssembly edition into build-web/ and serves the page.
#   scripts/web.sh           build, then serve build-web/page on http://127.0.0.1:8080
#   scripts/web.sh --build   build only
#   scripts/web.sh --test    build, then run the web tests (node batch runs, headless Chromium)
#   scripts/web.sh --dist DIR  build, then install the page into DIR as static files with their
#                            licence notices, for any web host
# Installs what it needs: Debian's emscripten (and chromium for the tests) with apt-get, the npm
# packages pinned in web/package-lock.json with npm ci. The lesson database is built natively first
# (build-release/, or KOVREL_NATIVE_BUILD), as the page carries it ready-made.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

mode="${1:-serve}"
case "$mode" in
  serve | --build | --test) ;;
  --dist) [ -n "${2:-}" ] || { echo "usage: scripts/web.sh --dist DIR" >&2; exit 2; } ;;
  *) echo "usage: scripts/web.sh [--build | --test | --dist DIR]" >&2; exit 2 ;;
esac

# emscripten 3.1.6 finds its node modules only here.
export NODE_PATH=/usr/share/nodejs

web_packages=(emscripten)
if [ "$mode" = --test ]; then web_packages+=(chromium); fi
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then web_packages+=(nodejs npm); fi
kovrel_install_packages "${KOVREL_RUN_PACKAGES[@]}" "${web_packages[@]}"
jobs="$(kovrel_jobs)"

if [ ! -d web/node_modules ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
  echo "== Installing the page's npm packages (web/node_modules)"
  (cd web && npm ci --ignore-scripts --no-audit --no-fund >/dev/null)
fi

# The native programs of test.sh's release build; run.sh's build/ keeps its own options.
native="${KOVREL_NATIVE_BUILD:-build-release}"
export KOVREL_NATIVE_BUILD="$native"
echo "== Building the lesson database and kovrel-term natively ($native/)"
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -G Ninja -DKOVREL_WERROR=ON -DKOVREL_TESTS=OFF >/dev/null
fi
cmake --build "$native" --parallel "$jobs" --target kovrel-term lesson_database

echo "== Building the web edition (build-web/)"
if [ ! -f build-web/CMakeCache.txt ]; then
  emcmake cmake -S . -B build-web -G Ninja -DKOVREL_WEB=ON -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE=-O2 -DCMAKE_C_FLAGS_RELEASE=-O2 \
    -DKOVREL_SQLITE_DIR="$PWD/web/node_modules/better-sqlite3/deps/sqlite3" \
    -DKOVREL_WEB_DATABASE="$PWD/$native/bin/DataStore.db" \
    -DKOVREL_WEB_NODE_MODULES="$PWD/web/node_modules" >/dev/null
fi
cmake --build build-web --parallel "$jobs"

case "$mode" in
  --build) ;;
  --dist)
    cmake --install build-web --prefix "$2" >/dev/null
    echo "The page is in $2: serve that folder from any web host."
    ;;
  --test)
    echo "== Web tests"
    "$native/tools/kovrel-dbbuild" tests/transcripts/data build-web/TranscriptStore.db >/dev/null
    node web/tests/batch_compare.mjs
    node web/tests/page_test.mjs
    ;;
  serve)
    echo "Serving the page on http://127.0.0.1:8080 (Ctrl-C stops it)"
    exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/page
    ;;
esac
