#include "tools/mediagen/grains.h"

#include <algorithm>

#include "tools/mediagen/draw.h"
#include "tools/mediagen/palette.h"

namespace vdr::mediagen {

namespace {

// Grain outlines, growing from a speck of fine sand to a coarse pebble. Each
// grain hangs from its top-left corner, where the simulation keeps it.
constexpr const char* kShapes[kGrainVariants][kGrainSize] = {
    {".#...", "###..", ".#...", ".....", "....."},
    {"##...", "###..", "###..", ".....", "....."},
    {".##..", "####.", "####.", ".##..", "....."},
    {".###.", "#####", "#####", "#####", ".###."},
    {".##..", "####.", "#####", "#####", ".###."},
};

// How strongly light and grain-to-grain speckle show, per variant.
constexpr double kRelief[kGrainVariants] = {0.10, 0.14, 0.20, 0.24, 0.30};
constexpr double kSpeckle[kGrainVariants] = {0.06, 0.08, 0.10, 0.12, 0.16};

Pixel ToPixel(const Rgb& c) {
  auto byte = [](double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
  return Pixel{byte(c.r), byte(c.g), byte(c.b), 255};
}

}  // namespace

Image DrawGrainStrip() {
  Image strip(kGrainVariants * kGrainSize, kColourCount * kGrainSize);
  Rng rng(0x5A4D);
  for (int colour = 0; colour < kColourCount; ++colour) {
    const Rgb base = FromPixel(SandColour(colour));
    for (int variant = 0; variant < kGrainVariants; ++variant) {
      for (int y = 0; y < kGrainSize; ++y) {
        for (int x = 0; x < kGrainSize; ++x) {
          if (kShapes[variant][y][x] != '#') continue;
          // Light from the top left; every grain a little different.
          const double light = (3.0 - x - y) / 4.0 * kRelief[variant];
          const double speckle = rng.Uniform(-1, 1) * kSpeckle[variant];
          strip.at(variant * kGrainSize + x, colour * kGrainSize + y) = ToPixel(Shade(base, light + speckle));
        }
      }
    }
  }
  return strip;
}

}  // namespace vdr::mediagen
