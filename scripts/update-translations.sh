#!/usr/bin/env bash
# Brings the translation files up to date with the texts the program marks for translation:
# translations/zetra_ru.ts (the Russian texts as written) and translations/zetra_en.ts (their
# English translation). Texts that are new or changed in the code come into zetra_en.ts as
# unfinished entries: fill in their <translation> (by hand or with Qt Linguist) and remove the
# type="unfinished"; test_translations fails while any is left. Texts gone from the code are
# dropped from both files.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
folders=(device core app actions charts documents link archive settings firmware calculators store cli forms)
for target in ru_RU:translations/zetra_ru.ts en:translations/zetra_en.ts; do
    "$lupdate" -no-obsolete -locations none -source-language ru_RU \
        -target-language "${target%%:*}" "${folders[@]}" -ts "${target#*:}"
done
echo "Unfinished English entries: $(grep -c 'type="unfinished"' translations/zetra_en.ts || true)"
