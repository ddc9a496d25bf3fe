#!/usr/bin/env bash
# Installs what building, testing and the demonstration need (Debian 12 packages).
set -euo pipefail
packages=(
    build-essential cmake ccache clang-format
    qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-l10n-tools libgl-dev
    qt6-charts-dev libqt6opengl6-dev libqt6svg6 libxlsxwriter-dev zlib1g-dev pkg-config
    help2man
    python3-xlrd python3-olefile python3-openpyxl
    xvfb xauth fonts-dejavu-core fonts-liberation locales
    clang-14 libclang-rt-14-dev
    libqt6sql6-sqlite libqt6sql6-psql sqlite3 postgresql postgresql-common
    poppler-utils
)
# LibreOffice reads the exports back as a user's spreadsheet would (some hundred megabytes, so
# only when asked: ZETRA_LIBREOFFICE=1); without it those checks are skipped and listed.
if [ "${ZETRA_LIBREOFFICE:-0}" = 1 ]; then
    packages+=(libreoffice-calc-nogui)
fi
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
# A Russian locale, as the engineers' PCs have: the tests check that numbers are read and
# written the same whatever the process's C locale is.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || echo "ru_RU.UTF-8 could not be made; its tests are skipped"
fi
