#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh test

build=build/asan
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVENDRIL_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# Fast unwinding: full unwinding on every allocation deadlocks inside llvmpipe's
# generated code. The suppressions match on the allocating library.
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"
