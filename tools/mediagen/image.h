#pragma once
// Finished pictures as straight (not premultiplied) RGBA bytes, and the last
// steps before they are written: alpha hardening for sprites the game draws
// with the alpha test, and keeping visible pixels off the sprite colour key.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vdr::mediagen {

struct Rgb;

struct Pixel {
  uint8_t r, g, b, a;
};

class Image {
 public:
  Image(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  Pixel& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Pixel& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  std::vector<Pixel>& pixels() { return pixels_; }
  const std::vector<Pixel>& pixels() const { return pixels_; }

 private:
  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

// The game's default sprite colour key, red 255, green 0, blue 128.
constexpr Pixel kColourKey{255, 0, 128, 255};

// Copies a cairo ARGB32 surface, undoing the premultiplied alpha.
Image ImageFromSurface(cairo_surface_t* surface);
// Pixels at or above `threshold` alpha become opaque, the rest fully
// transparent: sprites drawn with the alpha test show no half-covered fringe.
Image Hardened(Image image, uint8_t threshold = 128);
// Partly covered pixels are blended onto `backdrop` and become opaque, for
// sprites that are always shown on that colour.
void FlattenOnto(Image& image, const Rgb& backdrop);
// Nudges every visible pixel of the colour key's colour one step off it.
void KeepOffColourKey(Image& image);
// Writes an 8-bit RGBA PNG (RGB when `opaque`); throws std::runtime_error.
void WritePng(const Image& image, const std::string& path, bool opaque = false);

}  // namespace vdr::mediagen
