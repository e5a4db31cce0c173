// Decoding, texture preparation and encoding of a 512 x 512 picture.
// Run: build/bench/bench/gfx2d_image/gfx2d_image_bench

#include <benchmark/benchmark.h>

#include <vector>

#include "bench/sprite_sheet_picture.h"
#include "gfx2d/image/image_decoders.h"
#include "gfx2d/image/image_writers.h"
#include "gfx2d/image/texture_image.h"

namespace vdr {
namespace {

constexpr int32_t kSide = 512;

PixelImage Picture() { return bench::SpriteSheetPicture(kSide); }

void Encoded(benchmark::State& state, bool (*encode)(const PixelImage&, std::vector<uint8_t>&)) {
  const PixelImage picture = Picture();
  std::vector<uint8_t> file;
  for (auto _ : state) {
    if (!encode(picture, file)) {
      state.SkipWithError("encoding failed");
      break;
    }
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["bytes"] = static_cast<double>(file.size());
}

void Decoded(benchmark::State& state, bool (*encode)(const PixelImage&, std::vector<uint8_t>&)) {
  std::vector<uint8_t> file;
  PixelImage image;
  if (!encode(Picture(), file)) state.SkipWithError("encoding failed");
  for (auto _ : state) {
    if (!DecodeImage(file, kDefaultSpriteColourKey, image)) {
      state.SkipWithError("decoding failed");
      break;
    }
    benchmark::DoNotOptimize(image.pixels.data());
  }
}

BENCHMARK_CAPTURE(Encoded, Bmp, EncodeBmp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Encoded, Png, EncodePng)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Encoded, Jpeg, EncodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decoded, Bmp, EncodeBmp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decoded, Png, EncodePng)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decoded, Jpeg, EncodeJpeg)->Unit(benchmark::kMillisecond);

void LinearTexture(benchmark::State& state) {
  const PixelImage picture = Picture();
  TextureImage texture;
  for (auto _ : state) {
    BuildTexture(picture, {0, 0, kSide, kSide}, false, texture);
    benchmark::DoNotOptimize(texture.texels.data());
  }
}
BENCHMARK(LinearTexture)->Unit(benchmark::kMillisecond);

void MipmapChain(benchmark::State& state) {
  const PixelImage picture = Picture();
  TextureImage texture;
  BuildTexture(picture, {0, 0, kSide, kSide}, false, texture);
  std::vector<TextureImage> levels;
  for (auto _ : state) {
    BuildMipmapChain(texture, levels);
    benchmark::DoNotOptimize(levels.data());
  }
}
BENCHMARK(MipmapChain)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vdr

BENCHMARK_MAIN();
