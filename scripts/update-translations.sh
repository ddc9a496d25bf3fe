#!/usr/bin/env bash
# Brings translations/zetra_ru.ts up to date with the texts the program marks for translation.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
"$lupdate" -no-obsolete -locations none -source-language ru_RU -target-language ru_RU \
    core app link archive settings firmware calculators cli forms -ts translations/zetra_ru.ts
