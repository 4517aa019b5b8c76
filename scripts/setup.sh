#!/usr/bin/env bash
# Installs whatever the build and the tests need and is missing, then configures and builds.
# Sourced by run.sh and test.sh so both start from the same state.
set -euo pipefail

CORVANE_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-image-formats-plugins libgl-dev
  fonts-liberation2 fonts-dejavu-core
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils
)

corvane_install_missing() {
  local missing=()
  for pkg in "${CORVANE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# Extra arguments go to the configure step (test.sh turns warnings into errors there).
corvane_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$root/build" -j "$(nproc)"
}
