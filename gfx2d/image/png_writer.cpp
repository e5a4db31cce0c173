// PNG writing through libpng into memory.

#include <new>

#include "gfx2d/image/codec_jumps.h"
#include "gfx2d/image/image_writers.h"

namespace vdr {
namespace {

// libpng is C: nothing may be thrown through it, so a failed append becomes
// a libpng error.
void AppendToVector(png_structp png, png_bytep data, size_t count) {
  auto* file = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  try {
    file->insert(file->end(), data, data + count);
  } catch (const std::bad_alloc&) {
    png_error(png, "out of memory");
  }
}

void FlushNothing(png_structp) {}

class PngWriter {
 public:
  PngWriter() {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnPngError, IgnorePngWarning);
    if (png_) info_ = png_create_info_struct(png_);
  }
  ~PngWriter() { png_destroy_write_struct(&png_, &info_); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;

  bool ok() const { return info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

bool WriteAll(png_structp png, png_infop info, uint32_t width, uint32_t height, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool EncodePng(const PixelImage& image, std::vector<uint8_t>& file) {
  file.clear();
  if (image.width < 1 || image.height < 1) return false;
  PngWriter writer;
  std::vector<png_bytep> rows;
  try {
    rows.resize(image.height);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (!writer.ok()) return false;
  for (int32_t y = 0; y < image.height; ++y) rows[y] = const_cast<png_bytep>(image.Row(y));
  png_set_write_fn(writer.png(), &file, AppendToVector, FlushNothing);
  if (!WriteAll(writer.png(), writer.info(), image.width, image.height, rows.data())) {
    file.clear();
    return false;
  }
  return true;
}

}  // namespace vdr
