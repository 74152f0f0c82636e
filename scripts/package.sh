#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a built release folder (default build/), checks it as a
# distribution would (lintian: no errors and no warnings), installs it with apt-get, and has the
# installed kovrel-term run a lab from /usr/share/kovrel. Any failure stops it with a non-zero
# status. Installing needs root (or sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

rm -f "$build"/kovrel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package="$(echo "$build"/kovrel_*.deb)"
echo "Made $package ($(du -k "$package" | cut -f1) KiB)"
lintian --fail-on error,warning --info "$package"

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$package" \
  >/dev/null
# The installed program finds its lesson database under its own prefix, /usr/share/kovrel: it
# shows the lab exactly as the program in the build folder does with the database beside it.
run_lab() {
  printf '\r\x1dinstructions\r\x1dquit\r' |
    "$1" --batch --seed 1 --clock 2026-01-05T09:00:00 --lab routerModes 2>&1
}
installed="$(run_lab /usr/bin/kovrel-term)"
if [ "$installed" != "$(run_lab "$build/bin/kovrel-term")" ] || ! grep -q "Router Modes" <<<"$installed"; then
  echo "The installed kovrel-term did not show the lab from /usr/share/kovrel:"
  echo "$installed" | head -40
  exit 1
fi
echo "Installed: $(/usr/bin/kovrel-term --version | head -1)"
