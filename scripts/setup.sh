#!/usr/bin/env bash
# Installs what building, running and testing the game need, only where it is missing,
# then configures and builds. Usage: scripts/setup.sh BUILD_DIR [--target NAME] [extra cmake options...]
# VERTAN_JOBS caps the parallel build jobs (default: every core).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev libgl1-mesa-dri
  qt6-translations-l10n
  libgtest-dev libbenchmark-dev clang-format
  clang libclang-rt-14-dev llvm
  kdegames-card-data-kf5 espeak-ng fonts-liberation2
  xvfb xdotool x11-utils imagemagick openbox
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$1
shift
targets=()
if [ "${1:-}" = "--target" ]; then
  targets=(--target "$2")
  shift 2
fi
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" --parallel "${VERTAN_JOBS:-$(nproc)}" "${targets[@]}"
