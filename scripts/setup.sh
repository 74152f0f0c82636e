# Shared by run.sh and test.sh: installs the Debian packages the build needs, only when one is
# missing (so it works offline on a prepared machine), using sudo only when not root.

# clang-14 and its runtime build only the fuzzer (scripts/fuzz.sh); the ordinary build uses g++.
# dpkg-dev computes the package's Depends, help2man writes the manual pages, lintian,
# appstream and desktop-file-utils check the package as distributions do.
KOVREL_PACKAGES=(cmake ninja-build g++ libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  libncurses-dev clang-format qt6-base-dev qt6-svg-dev clang-14 libclang-rt-14-dev
  dpkg-dev help2man lintian appstream desktop-file-utils)

kovrel_install_packages() {
  local missing=()
  local package
  for package in "${KOVREL_PACKAGES[@]}"; do
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
