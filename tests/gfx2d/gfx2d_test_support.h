#pragma once
// Shared pieces of the 2D graphics window tests: picture files written into
// the test's temporary folder, sprites made from colour functions, and
// reading the frame back.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gfx2d/image/pixel_image.h"
#include "runtime/runtime_array.h"

namespace vdr::test {

inline constexpr int32_t kRed = 0x0000FF;
inline constexpr int32_t kGreen = 0x00FF00;
inline constexpr int32_t kBlue = 0xFF0000;
inline constexpr int32_t kWhite = 0xFFFFFF;
inline constexpr int32_t kKey = 0x8000FF;  // the default colour key

// Pixels given as red + green * 256 + blue * 65536 + alpha * 16777216.
using PixelFunction = std::function<uint32_t(int32_t x, int32_t y)>;
inline constexpr uint32_t Opaque(int32_t rgb) { return static_cast<uint32_t>(rgb) | 0xFF000000u; }

// Writes bytes into the temporary folder; gives the path.
std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes);
std::string TempPath(const std::string& name);
// A picture file of 2 TiB, sparse so that it takes no room on disk, for the
// loaders that must refuse it; gives the path.
std::string WriteHugeTempFile(const std::string& name);

// Saves a picture made by the function into the temporary folder, in the
// format its name asks for; gives the path.
std::string SavePicture(const std::string& name, int32_t width, int32_t height, const PixelFunction& pixel);

RuntimeArray<int32_t> PixelArray(int32_t width, int32_t height, const PixelFunction& pixel);
// MemToSprite of a picture made by the function; fails the test when refused.
void MakeSprite(int32_t slot, int32_t width, int32_t height, const PixelFunction& pixel);
void MakeSolidSprite(int32_t slot, int32_t width, int32_t height, int32_t rgb);

// The window's back buffer: one pixel, or the whole frame (rows from the top).
int32_t Pixel(int x, int y);
PixelImage ReadFrame();

// Starts the engine once per process and gives a clean frame: no offscreen
// screen, no background, cleared to the colour, default drawing state and keys.
void FreshFrame(int32_t clearColour = 0);

}  // namespace vdr::test
