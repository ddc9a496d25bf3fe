#!/usr/bin/env bash
# Installs what building, testing and the demonstration need (Debian 12 packages).
set -euo pipefail
packages=(
    build-essential cmake ccache clang-format
    qt6-base-dev qt6-serialport-dev libgl-dev
    python3-xlrd python3-olefile
    xvfb xauth fonts-dejavu-core fonts-liberation
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
