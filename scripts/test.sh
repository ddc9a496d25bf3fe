#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test; then builds
# once more with AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests again. Ends
# with the checks that were skipped on this machine, and why.
set -euo pipefail
cd "$(dirname "$0")/.."
# How long each stage took, said at the end: the whole run should stay well under 20 minutes.
stages=()
stage() {
    stages+=("$(printf '%-24s %5d s' "$1" "$SECONDS")")
    SECONDS=0
}
SECONDS=0
./scripts/setup.sh
./scripts/check-format.sh
stage "setup and format"
jobs=$(nproc)
# As many test programs side by side as there are processors: more would starve the simulated
# meter's own answers past the program's time-outs (firmware programming over the pseudo-terminal
# is the first to show it).
test_jobs=$jobs
# The skip lines of a build's last ctest run (a program that skipped a check exits with the
# code ctest counts as skipped, tests/support/Skips.h).
skips() {
    local log=$1/Testing/Temporary/LastTest.log
    [ -f "$log" ] || return 0
    grep -h '^SKIP   : ' "$log" | sed "s/^SKIP   : /  $1: /" || true
}
# LeakSanitizer's own tracer may crash at a program's exit after every check of it passed
# ("Tracer caught signal 11", a fault of the sanitizer's runtime, not of the program). True when
# each program that failed in a build's last run did exactly that: those, and only those, run
# once more. A leak, a failed check or any other crash fails the run as it is.
tracer_crash_only() {
    local dir=$1/Testing/Temporary
    [ -s "$dir/LastTestsFailed.log" ] || return 1
    local name
    for name in $(cut -d: -f2 "$dir/LastTestsFailed.log"); do
        awk -v t="$name" '
            $0 ~ "^[0-9]+/[0-9]+ Testing: " t "$" { inside = 1; next }
            inside && /^[0-9]+\/[0-9]+ Testing: / { inside = 0 }
            inside && /^Tracer caught signal/ { tracer = 1 }
            inside && /^Totals: [0-9]+ passed, 0 failed/ { passed = 1 }
            inside && /ERROR: (AddressSanitizer|LeakSanitizer): detected|runtime error:/ { other = 1 }
            END { exit !(tracer && passed && !other) }
        ' "$dir/LastTest.log" || return 1
    done
    echo "test.sh: LeakSanitizer's tracer crashed at the exit of: $(cut -d: -f2 "$dir/LastTestsFailed.log" | xargs); once more"
}
./scripts/build.sh build -DZETRA_WERROR=ON
stage "build"
(cd build && ctest --output-on-failure -j"$test_jobs")
stage "tests"
# The fuzz targets, each for FUZZ_SECONDS (a minute; less under CI), in build-fuzz with clang.
./scripts/fuzz.sh
stage "fuzz build and runs"
builds=(build)
if [ "${ZETRA_SKIP_SANITIZERS:-0}" != 1 ]; then
    # The benchmarks are not run by the tests; the sanitizer build leaves them out.
    ./scripts/build.sh build-asan -DZETRA_WERROR=ON -DZETRA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
        -DZETRA_BENCH=OFF
    stage "sanitizer build"
    (cd build-asan && export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 &&
        { ctest --output-on-failure -j"$test_jobs" ||
            { tracer_crash_only . && ctest --rerun-failed --output-on-failure; }; })
    stage "sanitizer tests"
    builds+=(build-asan)
else
    echo "test.sh: the sanitizer build was left out (ZETRA_SKIP_SANITIZERS=1)"
fi
echo "test.sh: time per stage"
printf '  %s\n' "${stages[@]}"
listed=$(for b in "${builds[@]}"; do skips "$b"; done)
if [ -n "$listed" ]; then
    echo "test.sh: checks skipped on this machine, and why:"
    echo "$listed"
else
    echo "test.sh: no check was skipped"
fi
