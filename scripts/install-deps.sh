#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game need, if any is missing,
# and any further packages named as arguments (the fuzz script's compiler, for one).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 libqt6network6 libgl-dev qt6-translations-l10n
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libcanberra-dev libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk fonts-liberation2
  desktop-file-utils appstream dpkg-dev file groff-base
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
