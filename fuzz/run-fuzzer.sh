#!/usr/bin/env bash
# run-fuzzer.sh TARGET [SECONDS]
# Builds a fuzz target with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for SECONDS (default 600) on a
# working corpus, fuzz/corpus-TARGET, that starts from the checked-in seeds.
# Findings are written as crash-*/leak-*/timeout-* files in the working corpus
# folder. Targets:
#   pack            media packs (fuzz/pack_fuzzer.cpp, seeds in fuzz/seeds/pack)
#   wave            WAVE sound files (fuzz/wave_reader_fuzzer.cpp, fuzz/seeds/wave)
#   images          every picture decoder on every input (fuzz/image_decoders_fuzzer.cpp,
#                   fuzz/seeds/images)
#   bmp, png, jpeg  one picture decoder alone, on the same seeds
#   settings        settings files and line files, each read, written and read
#                   again (fuzz/settings_fuzzer.cpp, fuzz/seeds/settings)
#   http            HTTP responses read in chunks by the web download
#                   (fuzz/http_response_fuzzer.cpp, fuzz/seeds/http)
#   netgame         network-game messages from several clients of a host
#                   (fuzz/net_server_fuzzer.cpp, fuzz/seeds/netgame)
#   mesh            3D object files of both variants, each that loads saved and
#                   read again (fuzz/mesh_fuzzer.cpp, fuzz/seeds/mesh)
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: fuzz/run-fuzzer.sh pack|wave|images|bmp|png|jpeg|settings|http|netgame|mesh [SECONDS]}
seconds=${2:-600}

defines=()
case $target in
  pack)
    sources=(fuzz/pack_fuzzer.cpp files/pack_input.cpp files/pack_reader.cpp)
    packages=(lzo2)
    seeds=pack
    max_len=8192
    ;;
  wave)
    sources=(fuzz/wave_reader_fuzzer.cpp audio/wave_reader.cpp files/file_source.cpp files/memory_files.cpp
             files/fd_io.cpp files/platform_paths.cpp runtime/process_object.cpp)
    packages=()
    seeds=wave
    max_len=4096
    ;;
  images | bmp | png | jpeg)
    sources=(fuzz/image_decoders_fuzzer.cpp gfx2d/image/bmp_decoder.cpp gfx2d/image/png_decoder.cpp
             gfx2d/image/jpeg_decoder.cpp gfx2d/image/codec_jumps.cpp gfx2d/image/pixel_image.cpp
             gfx2d/image/image_decoders.cpp)
    packages=(libpng libjpeg)
    seeds=images
    max_len=8192
    [[ $target == images ]] || defines=("-DFUZZ_${target^^}")
    ;;
  settings)
    sources=(fuzz/settings_fuzzer.cpp files/settings_format.cpp files/line_file_format.cpp files/text_lines.cpp
             runtime/runtime_string.cpp runtime/string_buffers.cpp runtime/number_text.cpp runtime/error_status.cpp)
    packages=()
    seeds=settings
    max_len=8192
    ;;
  http)
    sources=(fuzz/http_response_fuzzer.cpp net/http_response.cpp runtime/runtime_string.cpp
             runtime/string_buffers.cpp runtime/number_text.cpp runtime/error_status.cpp)
    packages=()
    seeds=http
    max_len=8192
    ;;
  netgame)
    sources=(fuzz/net_server_fuzzer.cpp net/net_server.cpp net/net_message.cpp net/net_message_reader.cpp)
    packages=()
    seeds=netgame
    max_len=8192
    ;;
  mesh)
    sources=(fuzz/mesh_fuzzer.cpp gfx3d/mesh_format.cpp gfx3d/normal_table.cpp)
    packages=()
    seeds=mesh
    max_len=8192
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
  -I. "${defines[@]}" "${cflags[@]}" "${sources[@]}" "${libs[@]}" -o "$out/${target}_fuzzer"

cp -n "fuzz/seeds/$seeds"/* "$corpus/"
cd "$corpus"
../../"$out/${target}_fuzzer" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -dict="../$seeds.dict" .
