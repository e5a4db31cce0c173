#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
#   ./test.sh                 every test once
#   ./test.sh --repeat N      every test N times, stopping at the first failure
# Further arguments go to ctest (for example -R input to run the input tests).
set -euo pipefail
cd "$(dirname "$0")"

ctest_args=()
while (($#)); do
  case $1 in
    --repeat)
      ctest_args+=(--repeat "until-fail:${2:?--repeat needs a count}")
      shift 2
      ;;
    *)
      ctest_args+=("$1")
      shift
      ;;
  esac
done
./tools/install-deps.sh test

build=build/asan
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVENDRIL_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# Fast unwinding: full unwinding on every allocation deadlocks inside llvmpipe's
# generated code. The suppressions match on the allocating library.
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "${ctest_args[@]}"
