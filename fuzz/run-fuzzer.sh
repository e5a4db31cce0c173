#!/usr/bin/env bash
# run-fuzzer.sh TARGET [SECONDS]
# Builds a fuzz target with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for SECONDS (default 600) on a
# working corpus, fuzz/corpus-TARGET, that starts from the checked-in seeds in
# fuzz/seeds/TARGET. Findings are written as crash-*/leak-*/timeout-* files in
# the working corpus folder. Targets:
#   pack   media packs (fuzz/pack_fuzzer.cpp)
#   wave   WAVE sound files (fuzz/wave_reader_fuzzer.cpp)
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: fuzz/run-fuzzer.sh pack|wave [SECONDS]}
seconds=${2:-600}

case $target in
  pack)
    sources=(fuzz/pack_fuzzer.cpp files/pack_input.cpp files/pack_reader.cpp)
    packages=(lzo2)
    max_len=8192
    ;;
  wave)
    sources=(fuzz/wave_reader_fuzzer.cpp audio/wave_reader.cpp files/file_source.cpp files/memory_files.cpp
             files/fd_io.cpp files/platform_paths.cpp)
    packages=()
    max_len=4096
    ;;
  *)
    echo "unknown fuzz target: $target" >&2
    exit 2
    ;;
esac

out=build/fuzz
corpus=fuzz/corpus-$target
mkdir -p "$out" "$corpus"
cflags=() libs=()
if ((${#packages[@]} > 0)); then
  read -ra cflags <<<"$(pkg-config --cflags "${packages[@]}")"
  read -ra libs <<<"$(pkg-config --libs "${packages[@]}")"
fi
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I. "${cflags[@]}" "${sources[@]}" "${libs[@]}" -o "$out/${target}_fuzzer"

cp -n "fuzz/seeds/$target"/* "$corpus/"
cd "$corpus"
../../"$out/${target}_fuzzer" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
  -dict="../$target.dict" . "../seeds/$target"
