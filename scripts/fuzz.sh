#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for FUZZ_SECONDS
# (default 60; 20 under CI, where CI=true, which still runs each target some hundred thousand
# times) from a few seed inputs, with a fixed random seed so that a run can be repeated; a
# crash fails the script. Without clang it says so and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
default_seconds=60
[ "${CI:-}" = true ] && default_seconds=20
seconds=${FUZZ_SECONDS:-$default_seconds}
cxx=$(command -v clang++-14 || command -v clang++ || true)
cc=$(command -v clang-14 || command -v clang || true)
if [ -z "$cxx" ] || [ -z "$cc" ]; then
    echo "fuzz.sh: clang is not installed; the fuzz targets are not run"
    exit 0
fi
targets=(fuzz_settings_file fuzz_firmware_image fuzz_protocol)
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZETRA_FUZZ=ON -DZETRA_WERROR=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

work=build-fuzz/fuzz-run
rm -rf "$work"
mkdir -p "$work"/{fuzz_settings_file,fuzz_firmware_image,fuzz_protocol,crashes}
# Seeds: a settings file as the program writes it and as UTF-8; an image-sized file; a few
# scripted exchanges.
printf '%s\r\n' "тип врезки:" "ВТК-А (осевое)" "датчики:" "тип 6" "Рабочая среда:" "вода" \
    "Период измерения, сек:" "1" "Внутренний диаметр трубы, мм:" "100" \
    "Расстояние между мембранами, мм:" "200" "Угол наклона акустического канала, град.:" "45" \
    "Длина кабеля, м:" "10,0" "Коэффициент коррекции K:" "1" "Поправочный коэффициент A:" "0" \
    "Поправочный коэффициент B:" "1" "Поправочный коэффициент C:" "0" "Отсечка нуля:" "м3/ч" \
    "0,1" "Вес импульса, литров/импульс:" "1" "Смещение нуля, мкс:" "0" "Смещение окна, мкс:" \
    "0" > "$work"/fuzz_settings_file/utf8
iconv -f UTF-8 -t WINDOWS-1251 "$work"/fuzz_settings_file/utf8 > "$work"/fuzz_settings_file/cp1251
head -c 7680 /dev/zero > "$work"/fuzz_firmware_image/image
printf '\xA5\x01\x10' > "$work"/fuzz_firmware_image/short
printf '\x00\x06\x64\x10\x07' > "$work"/fuzz_protocol/ack
printf '\x81\x01\x07\x64\x11\x22\x33' > "$work"/fuzz_protocol/late

failed=0
for t in "${targets[@]}"; do
    echo "fuzz.sh: $t for ${seconds} s"
    if ! (cd "$work"/crashes && ../../bin/"$t" -max_total_time="$seconds" -seed=1 -timeout=10 \
        -rss_limit_mb=2048 ../"$t" >../"$t".log 2>&1); then
        tail -n 40 "$work/$t.log"
        failed=1
    fi
    grep -E "^#[0-9]+.*DONE|Done [0-9]+ runs" "$work/$t.log" | tail -n 1 || true
done
if [ "$failed" != 0 ]; then
    echo "fuzz.sh: a target failed; its input is in $work/crashes"
    exit 1
fi
