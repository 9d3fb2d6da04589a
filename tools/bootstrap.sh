#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs when they are
# missing, then configures and builds into build/.
set -euo pipefail

KURVEX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KURVEX_BUILD="$KURVEX_ROOT/build"

KURVEX_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-dev ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libgl-dev libopengl-dev libegl-dev libglu1-mesa-dev libegl-mesa0 libgl1-mesa-dri
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  xvfb xauth fonts-dejavu-core
  man-db desktop-file-utils appstream shared-mime-info bash-completion
)

kurvex_missing_packages() {
  local pkg missing=()
  for pkg in "${KURVEX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  echo "${missing[@]:-}"
}

kurvex_install_packages() {
  local missing
  missing="$(kurvex_missing_packages)"
  [ -z "$missing" ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "Kurvex needs these Debian packages: $missing" >&2
      echo "Run this script as root, or install them with apt-get, then try again." >&2
      exit 1
    fi
  fi
  echo "Installing Debian packages: $missing"
  "${sudo[@]}" apt-get update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends $missing
}

kurvex_build() {
  kurvex_install_packages
  # Paths inside the tree count as relative for ccache, so another clone reuses its results.
  export CCACHE_BASEDIR="$KURVEX_ROOT"
  # Debug information names the build folder; leaving it out of the hash lets a clone elsewhere
  # (CI, a second work tree) reuse the results.
  export CCACHE_NOHASHDIR=1
  if [ ! -f "$KURVEX_BUILD/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$KURVEX_ROOT" -B "$KURVEX_BUILD" -G Ninja \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$KURVEX_BUILD" -- -j"$(nproc)"
}
