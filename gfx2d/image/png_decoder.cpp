// PNG decoding through libpng, reading from the bytes in memory.

#include <cstring>
#include <new>
#include <vector>

#include "gfx2d/image/codec_jumps.h"
#include "gfx2d/image/image_decoders.h"

namespace vdr {
namespace {

// Deflate cannot compress better than 1032 to 1, so a file that is too short
// to hold its image's filtered rows is refused before anything is allocated.
constexpr uint64_t kMaxDeflateRatio = 1032;

struct MemoryInput {
  const uint8_t* data;
  size_t size;
  size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
  auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
  if (count > input->size - input->position) png_error(png, "unexpected end of file");
  std::memcpy(out, input->data + input->position, count);
  input->position += count;
}

class PngReader {
 public:
  PngReader() {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnPngError, IgnorePngWarning);
    if (png_) info_ = png_create_info_struct(png_);
  }
  ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  bool ok() const { return info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

struct PngShape {
  uint32_t width;
  uint32_t height;
  int channels;
  int bitDepth;
  int colourType;
};

// Reads the header and sets up the conversions: palettes and grey below 8 bits
// expanded, transparency chunks to alpha, 16-bit samples to 8.
bool ReadShape(png_structp png, png_infop info, size_t fileSize, PngShape* shape) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
  png_read_info(png, info);
  const uint64_t storedRowBits = uint64_t{png_get_image_width(png, info)} *
                                 png_get_channels(png, info) * png_get_bit_depth(png, info);
  const uint64_t filteredBytes = (storedRowBits + 7) / 8 + 1;
  if (filteredBytes * png_get_image_height(png, info) > fileSize * kMaxDeflateRatio) return false;
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_packing(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  *shape = {png_get_image_width(png, info), png_get_image_height(png, info),
            png_get_channels(png, info), png_get_bit_depth(png, info),
            png_get_color_type(png, info)};
  return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  return true;
}

bool IsSupported(const PngShape& shape) {
  if (shape.bitDepth != 8) return false;
  switch (shape.colourType) {
    case PNG_COLOR_TYPE_GRAY: return shape.channels == 1;
    case PNG_COLOR_TYPE_RGB: return shape.channels == 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return shape.channels == 4;
    default: return false;  // grey plus alpha
  }
}

// Each row was decoded into the start of its RGBA row; widen it in place from
// the right so no source byte is overwritten before it is read.
void WidenRow(uint8_t* row, int32_t width, int channels, int32_t colourKey) {
  for (int32_t x = width - 1; x >= 0; --x) {
    const uint8_t* source = row + x * channels;
    uint8_t* target = row + x * 4;
    const uint8_t red = source[0];
    const uint8_t green = channels == 1 ? red : source[1];
    const uint8_t blue = channels == 1 ? red : source[2];
    const bool keyed = channels == 3 && MatchesColourKey(red, green, blue, colourKey);
    target[0] = keyed ? 0 : red;
    target[1] = keyed ? 0 : green;
    target[2] = keyed ? 0 : blue;
    target[3] = keyed ? 0 : 255;
  }
}

}  // namespace

bool DecodePng(ByteSpan file, int32_t colourKey, PixelImage& image) {
  image.Clear();
  if (file.size() < 8 || png_sig_cmp(file.data(), 0, 8) != 0) return false;
  PngReader reader;
  if (!reader.ok()) return false;
  MemoryInput input{file.data(), file.size(), 0};
  png_set_read_fn(reader.png(), &input, ReadFromMemory);

  PngShape shape;
  if (!ReadShape(reader.png(), reader.info(), file.size(), &shape) || !IsSupported(shape)) {
    return false;
  }
  if (!image.Reset(static_cast<int32_t>(shape.width), static_cast<int32_t>(shape.height))) {
    return false;
  }
  std::vector<png_bytep> rows;
  try {
    rows.resize(image.height);
  } catch (const std::bad_alloc&) {
    image.Clear();
    return false;
  }
  for (int32_t y = 0; y < image.height; ++y) rows[y] = image.Row(y);
  if (!ReadRows(reader.png(), rows.data())) {
    image.Clear();
    return false;
  }
  if (shape.channels != 4) {
    for (int32_t y = 0; y < image.height; ++y) {
      WidenRow(image.Row(y), image.width, shape.channels, colourKey);
    }
  }
  return true;
}

}  // namespace vdr
