#!/usr/bin/env bash
# Installs what building and running Ulmaro needs on Debian 12, if anything is missing, then
# configures and builds. Usage: scripts/setup.sh BUILD_DIR [CMAKE_OPTION...]
# Builds every target, or only those ULMARO_TARGETS names (separated by spaces) and what they need.
set -euo pipefail

build_dir=${1:-build}
shift || true
packages=(
  cmake g++ make
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Release: no debug information, the quickest build. For a debugger, configure the same folder
# with -DCMAKE_BUILD_TYPE=RelWithDebInfo.
cmake -S "$(dirname "$0")/.." -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@"
read -ra targets <<<"${ULMARO_TARGETS:-all}"
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}"
