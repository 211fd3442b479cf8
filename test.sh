#!/usr/bin/env bash
# Builds Тактон, every test and the benchmarks, installing what is missing, and runs
# the tests on Qt's offscreen platform (no display needed), the checks of the desktop
# files and of the Debian package among them: the optimised build first, then the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, then a
# short libFuzzer run of each numeric-text target when clang is at hand.
#   TAKTON_FUZZ_SECONDS=N  length of each fuzzing run (default 60; 0 skips fuzzing)
#   TAKTON_SEED=N          replays the random tests with the seed they printed
set -euo pipefail
cd "$(dirname "$0")"

fuzz_seconds=${TAKTON_FUZZ_SECONDS:-60}
jobs=$(nproc)

# On Debian the fuzzing compiler comes with the other packages.
extra=()
if [ "$fuzz_seconds" != 0 ] && [ -f /etc/debian_version ]; then
    extra=(clang-14 libclang-rt-14-dev)
fi

echo "== Optimised build"
scripts/prepare.sh --with-checks --with-bench "${extra[@]}"
ctest --preset default -j "$jobs"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/prepare.sh --preset asan --with-checks
ctest --preset asan -j "$jobs"

if [ "$fuzz_seconds" = 0 ]; then
    echo "== Fuzzing skipped (TAKTON_FUZZ_SECONDS=0)"
elif command -v clang++-14 >/dev/null; then
    echo "== Fuzzing, ${fuzz_seconds} s per target"
    cmake --preset fuzz -DTAKTON_FUZZ_SECONDS="$fuzz_seconds" >/dev/null
    cmake --build --preset fuzz -j "$jobs"
    # Both targets at once: each run is bounded by its time, not by the cores.
    ctest --preset fuzz -j 2
else
    echo "== Fuzzing skipped: clang++-14 not found"
fi
