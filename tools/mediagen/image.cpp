#include "tools/mediagen/image.h"

#include <png.h>

#include <stdexcept>

#include "tools/mediagen/draw.h"

namespace vdr::mediagen {

Image::Image(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, Pixel{0, 0, 0, 0}) {}

Image ImageFromSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const uint32_t argb = row[x];
      const unsigned a = argb >> 24;
      if (a == 0) continue;
      auto straight = [a](unsigned c) { return static_cast<uint8_t>((c * 255 + a / 2) / a); };
      image.at(x, y) = Pixel{straight((argb >> 16) & 255), straight((argb >> 8) & 255),
                             straight(argb & 255), static_cast<uint8_t>(a)};
    }
  }
  return image;
}

Image Hardened(Image image, uint8_t threshold) {
  for (Pixel& p : image.pixels()) {
    if (p.a >= threshold)
      p.a = 255;
    else
      p = Pixel{0, 0, 0, 0};
  }
  return image;
}

void FlattenOnto(Image& image, const Rgb& backdrop) {
  auto blend = [](uint8_t c, double back, uint8_t a) {
    return static_cast<uint8_t>((c * a + back * 255.0 * (255 - a)) / 255.0 + 0.5);
  };
  for (Pixel& p : image.pixels()) {
    if (p.a == 0 || p.a == 255) continue;
    p = Pixel{blend(p.r, backdrop.r, p.a), blend(p.g, backdrop.g, p.a), blend(p.b, backdrop.b, p.a), 255};
  }
}

void KeepOffColourKey(Image& image) {
  for (Pixel& p : image.pixels()) {
    if (p.a != 0 && p.r == kColourKey.r && p.g == kColourKey.g && p.b == kColourKey.b) p.b -= 1;
  }
}

void WritePng(const Image& image, const std::string& path, bool opaque) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width());
  png.height = static_cast<png_uint_32>(image.height());
  png.format = PNG_FORMAT_RGBA;
  std::vector<Pixel> pixels = image.pixels();
  if (opaque) {
    // Dropping alpha: pack the colour bytes tightly.
    png.format = PNG_FORMAT_RGB;
    auto* bytes = reinterpret_cast<uint8_t*>(pixels.data());
    for (size_t i = 0; i < pixels.size(); ++i) {
      const Pixel p = pixels[i];
      bytes[i * 3] = p.r;
      bytes[i * 3 + 1] = p.g;
      bytes[i * 3 + 2] = p.b;
    }
  }
  if (!png_image_write_to_file(&png, path.c_str(), 0, pixels.data(), 0, nullptr))
    throw std::runtime_error("cannot write " + path + ": " + png.message);
}

}  // namespace vdr::mediagen
