#!/usr/bin/env bash
# Installs what building, playing and testing Dunmarrow needs on Debian 12.
# Quiet and quick when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git python3
  liballegro4-dev libx11-dev libfreetype-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-linuxlibertine fonts-ebgaramond fonts-liberation2
  xvfb xdotool x11-utils x11-apps imagemagick xclip
  # The fuzzers (tools/fuzz.sh): clang and its runtimes, libFuzzer's among them.
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
