// JPEG decoding through libjpeg, reading from the bytes in memory.

#include <cstring>
#include <new>

#include "gfx2d/image/codec_jumps.h"
#include "gfx2d/image/image_decoders.h"

namespace vdr {
namespace {

// Progressive files keep all coefficients in memory; beyond this libjpeg
// fails instead of allocating more.
constexpr long kMaxJpegWorkingMemory = 512L << 20;

class JpegReader {
 public:
  JpegReader() { std::memset(&info_, 0, sizeof info_); }
  ~JpegReader() { jpeg_destroy_decompress(&info_); }
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;

  jpeg_decompress_struct* info() { return &info_; }
  JpegErrorJump* errors() { return &errors_; }

 private:
  jpeg_decompress_struct info_;
  JpegErrorJump errors_;
};

// Creates the decompressor, reads the header and starts decoding to RGB.
bool StartDecoding(jpeg_decompress_struct* info, JpegErrorJump* errors, ByteSpan file) {
  info->err = InstallJpegErrorJump(*errors);
  if (setjmp(errors->jump)) return false;
  jpeg_create_decompress(info);
  info->mem->max_memory_to_use = kMaxJpegWorkingMemory;
  jpeg_mem_src(info, file.data(), static_cast<unsigned long>(file.size()));
  if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) return false;
  // Arithmetic coding lets a few bytes stand for a huge picture (and the
  // runtime's JPEG support has never included it), so only Huffman-coded
  // files are decoded.
  if (info->arith_code) return false;
  if (info->image_width > kMaxImageSide || info->image_height > kMaxImageSide) return false;
  info->out_color_space = JCS_RGB;  // grey files are widened by libjpeg
  jpeg_start_decompress(info);
  return info->output_components == 3;
}

bool ReadRow(jpeg_decompress_struct* info, JpegErrorJump* errors, uint8_t* row) {
  if (setjmp(errors->jump)) return false;
  JSAMPROW rows[1] = {row};
  return jpeg_read_scanlines(info, rows, 1) == 1;
}

bool FinishDecoding(jpeg_decompress_struct* info, JpegErrorJump* errors) {
  if (setjmp(errors->jump)) return false;
  return jpeg_finish_decompress(info) == TRUE;
}

// RGB at the start of the row becomes opaque RGBA, widened from the right.
void WidenRow(uint8_t* row, int32_t width) {
  for (int32_t x = width - 1; x >= 0; --x) {
    const uint8_t red = row[x * 3], green = row[x * 3 + 1], blue = row[x * 3 + 2];
    row[x * 4] = red;
    row[x * 4 + 1] = green;
    row[x * 4 + 2] = blue;
    row[x * 4 + 3] = 255;
  }
}

// The buffer grows with the rows actually decoded, so a short file that
// claims a large picture fails before much memory is used.
bool DecodeRows(jpeg_decompress_struct* info, JpegErrorJump* errors, PixelImage& image) {
  const int32_t width = static_cast<int32_t>(info->output_width);
  const int32_t height = static_cast<int32_t>(info->output_height);
  const size_t rowBytes = static_cast<size_t>(width) * 4;
  image.width = width;
  image.pixels.clear();
  for (int32_t y = 0; y < height; ++y) {
    try {
      image.pixels.resize(rowBytes * (y + 1));
    } catch (const std::bad_alloc&) {
      return false;
    }
    image.height = y + 1;
    if (!ReadRow(info, errors, image.Row(y))) return false;
    WidenRow(image.Row(y), width);
  }
  return FinishDecoding(info, errors);
}

}  // namespace

bool DecodeJpeg(ByteSpan file, PixelImage& image) {
  image.Clear();
  JpegReader reader;
  if (!StartDecoding(reader.info(), reader.errors(), file) ||
      !DecodeRows(reader.info(), reader.errors(), image)) {
    image.Clear();
    return false;
  }
  return true;
}

}  // namespace vdr
