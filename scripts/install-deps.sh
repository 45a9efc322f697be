#!/usr/bin/env bash
# Installs the Debian packages the viewer and its tests need, only those missing.
# Runs apt-get directly as root, otherwise through sudo.
set -euo pipefail

packages=(g++ cmake make qt6-base-dev libqt6opengl6-dev libglu1-mesa-dev libgl1-mesa-dri
          libegl-dev libegl-mesa0
          libgtest-dev nlohmann-json3-dev xvfb xauth clang libclang-rt-14-dev
          qt6-translations-l10n desktop-file-utils
          libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-liberation2)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
