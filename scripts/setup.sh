# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: installs the Debian packages a script needs, only when one is missing (so
# it works offline on a prepared machine), using sudo only when not root.

# Building and running the programs.
KOVREL_RUN_PACKAGES=(cmake ninja-build g++ libsqlite3-dev qt6-base-dev qt6-svg-dev)
# Testing and measuring them, and the formatting check.
KOVREL_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format)
# The console fuzzer only (scripts/fuzz.sh): the ordinary build uses g++.
KOVREL_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# Building and checking the Debian package: dpkg-dev computes its Depends, help2man writes the
# manual pages, lintian, appstream and desktop-file-utils check it as distributions do.
KOVREL_PACKAGE_PACKAGES=(dpkg-dev help2man lintian appstream desktop-file-utils)

# Installs the packages named as arguments that are not installed yet.
kovrel_install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# Parallel build jobs: KOVREL_JOBS, else the number of processors.
kovrel_jobs() {
  echo "${KOVREL_JOBS:-$(nproc 2>/dev/null || echo 2)}"
}
