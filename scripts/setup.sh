#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures
# and builds the requested build directories. Safe to run again: it does nothing
# that is already done, so a second run with no change takes a few seconds.
#
#   scripts/setup.sh            the normal build (build/)
#   scripts/setup.sh --san      the normal build and the sanitizer + fuzzing build (build-san/)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev qt6-tools-dev libqt6opengl6-dev libxkbcommon-dev libgl-dev
  libgtest-dev libgmock-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core poppler-utils xvfb xauth
  dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

jobs=$(nproc)

configure() { # dir, extra cmake args...
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$jobs"
}

configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEP_WERROR=ON
if [ "${1:-}" = "--san" ]; then
  configure build-san -DCMAKE_BUILD_TYPE=Debug -DZEP_WERROR=ON -DZEP_SANITIZE=ON \
    -DCMAKE_CXX_COMPILER=clang++
fi
