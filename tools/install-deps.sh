#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, and only
# those that are missing, so a warm `make` never touches apt.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    libsdl2-dev libepoxy-dev libsdl2-mixer-dev libvorbis-dev liblua5.1-0-dev
    zlib1g-dev libminizip-dev libpng-dev libjpeg62-turbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libfreetype-dev libcairo2-dev fonts-dejavu-core
    libgl1-mesa-dri libegl1 xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
