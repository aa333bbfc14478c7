#!/usr/bin/env bash
# Installs the Debian packages Lumivane builds, tests and runs with.
# Quick when everything is present: apt is only touched for what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin
    libjpeg62-turbo-dev libgif-dev libssl-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
    xvfb xauth fonts-dejavu-core php-cli openssl python3-pil
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
