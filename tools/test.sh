#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Hexacle with its tests and runs them all on Qt's offscreen platform;
# then runs each fuzz target over a bounded number of inputs, and the whole
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh" test
jobs="$(nproc)"

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j"$jobs"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

# Fuzz targets: a clang build of just the code they reach. New inputs go to a
# scratch folder; the corpus kept in fuzz/corpus/ is only read.
fuzz="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$fuzz" >/dev/null
cmake --build "$fuzz" -j"$jobs"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fuzz_run() {
    local target=$1
    shift
    mkdir -p "$scratch/$target"
    if "$fuzz/fuzz_$target" -seed=1 -artifact_prefix="$fuzz/" "$@" "$scratch/$target" \
        "$root/fuzz/corpus/$target" >"$scratch/$target.log" 2>&1; then
        echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "$scratch/$target.log")"
    else
        tail -n 60 "$scratch/$target.log"
        echo "fuzz_$target failed; the input is kept in $fuzz/" >&2
        return 1
    fi
}
fuzz_run catalogue_lookup -runs=100000
fuzz_run settings_transform -runs=50000
# Qt's settings cache changes size from one input to the next, which would
# make libFuzzer scan the heap for leaks after nearly every input; the
# sanitizer suite below checks the settings code for leaks instead.
fuzz_run stored_date -runs=5000 -detect_leaks=0

asan="$root/build-asan"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DHEXACLE_BENCHMARKS=OFF \
    "-DCMAKE_CXX_FLAGS=$sanitize" "-DCMAKE_EXE_LINKER_FLAGS=$sanitize" >/dev/null
cmake --build "$asan" -j"$jobs"
cd "$asan"
ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
