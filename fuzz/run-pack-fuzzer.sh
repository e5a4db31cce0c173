#!/usr/bin/env bash
# run-pack-fuzzer.sh [SECONDS]
# Builds the pack fuzzer with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for SECONDS (default 600) on a
# working corpus that starts from the checked-in seeds. Findings are written
# as crash-*/leak-*/timeout-* files in the working corpus folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
out=build/fuzz
corpus=fuzz/corpus-pack
mkdir -p "$out" "$corpus"

clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I. $(pkg-config --cflags lzo2) \
  fuzz/pack_fuzzer.cpp files/pack_input.cpp files/pack_reader.cpp \
  $(pkg-config --libs lzo2) -o "$out/pack_fuzzer"

cp -n fuzz/seeds/pack/* "$corpus/"
cd "$corpus"
../../"$out"/pack_fuzzer -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
  -dict=../pack.dict . ../seeds/pack
