#!/usr/bin/env bash
# Builds the image decoders' fuzz target with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, then runs it on a working copy of the seed
# corpus in fuzz/corpus/images. Findings go to build/fuzz-images-<decoder>/findings/.
# Usage: fuzz/run-image-decoders-fuzzer.sh [seconds] [bmp|png|jpeg|all]   (default 600 all)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
decoder=${2:-all}
case "$decoder" in
  bmp | png | jpeg) only=-DFUZZ_${decoder^^} ;;
  all) only= ;;
  *) echo "unknown decoder '$decoder': bmp, png, jpeg or all" >&2; exit 2 ;;
esac
out=build/fuzz-images-$decoder
mkdir -p "$out/corpus" "$out/findings"

clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I. $only \
  fuzz/image_decoders_fuzzer.cpp \
  gfx2d/image/bmp_decoder.cpp gfx2d/image/png_decoder.cpp gfx2d/image/jpeg_decoder.cpp \
  gfx2d/image/codec_jumps.cpp gfx2d/image/pixel_image.cpp gfx2d/image/image_decoders.cpp \
  $(pkg-config --cflags --libs libpng libjpeg) -o "$out/image_decoders_fuzzer"

"$out/image_decoders_fuzzer" "$out/corpus" fuzz/corpus/images \
  -dict=fuzz/image_decoders.dict -max_total_time="$seconds" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$out/findings/" -print_final_stats=1
