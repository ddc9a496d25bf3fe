#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test; then builds
# once more with AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests again.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/check-format.sh
jobs=$(nproc)
./scripts/build.sh build -DZETRA_WERROR=ON
(cd build && ctest --output-on-failure -j"$jobs")
# The fuzz targets, each for a minute (FUZZ_SECONDS), in build-fuzz with clang.
./scripts/fuzz.sh
if [ "${ZETRA_SKIP_SANITIZERS:-0}" != 1 ]; then
    # The benchmarks are not run by the tests; the sanitizer build leaves them out.
    ./scripts/build.sh build-asan -DZETRA_WERROR=ON -DZETRA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
        -DZETRA_BENCH=OFF
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j"$jobs")
fi
