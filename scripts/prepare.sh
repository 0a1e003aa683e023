#!/usr/bin/env bash
# Shared by ./run, ./test and ./bench: installs the missing Debian packages
# (only when something is missing) and builds in Release into build/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev
          qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-charts-dev libgl-dev libglx-dev
          libvulkan-dev qt6-translations-l10n poppler-utils libxlsxwriter-dev unzip
          fluidsynth timgm6mb-soundfont)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  echo "Installazione dei pacchetti mancanti: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j "$jobs"
