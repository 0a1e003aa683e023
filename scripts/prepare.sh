#!/usr/bin/env bash
# Shared by ./run, ./test and ./bench: installs the missing Debian packages,
# with those the caller names after the program's own, and builds in Release
# into build/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev
          qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-charts-dev libgl-dev libglx-dev
          libvulkan-dev qt6-translations-l10n poppler-utils libxlsxwriter-dev unzip
          fluidsynth timgm6mb-soundfont)

"$root/scripts/install-packages.sh" "${packages[@]}" "$@"

jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j "$jobs"
