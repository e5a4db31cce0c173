#include "tests/gfx2d_image/image_fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include <jpeglib.h>
#include <png.h>

namespace vdr::testing {
namespace {

void Put(Bytes& bytes, size_t at, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void AppendToBytes(png_structp png, png_bytep data, size_t count) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + count);
}

}  // namespace

Bytes MakeBmp(const BmpFixture& f) {
  const bool core = f.headerSize == 12;
  const size_t entrySize = core ? 3 : 4;
  const size_t dataOffset = 14 + f.headerSize + f.palette.size() * entrySize;
  const size_t stride = (static_cast<size_t>(f.width) * f.bitCount + 31) / 32 * 4;
  Bytes bytes(dataOffset + stride * f.height, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put(bytes, 2, static_cast<uint32_t>(bytes.size()), 4);
  Put(bytes, 10, static_cast<uint32_t>(dataOffset), 4);
  Put(bytes, 14, f.headerSize, 4);
  if (core) {
    Put(bytes, 18, f.width, 2);
    Put(bytes, 20, f.height, 2);
    Put(bytes, 22, 1, 2);
    Put(bytes, 24, f.bitCount, 2);
  } else {
    Put(bytes, 18, f.width, 4);
    Put(bytes, 22, static_cast<uint32_t>(f.topDown ? -f.height : f.height), 4);
    Put(bytes, 26, 1, 2);
    Put(bytes, 28, f.bitCount, 2);
  }
  for (size_t i = 0; i < f.palette.size(); ++i) {
    const size_t at = 14 + f.headerSize + i * entrySize;
    bytes[at] = static_cast<uint8_t>(f.palette[i] >> 16);
    bytes[at + 1] = static_cast<uint8_t>(f.palette[i] >> 8);
    bytes[at + 2] = static_cast<uint8_t>(f.palette[i]);
  }
  for (int32_t y = 0; y < f.height; ++y) {
    const int32_t stored = f.topDown ? y : f.height - 1 - y;
    uint8_t* row = bytes.data() + dataOffset + stored * stride;
    for (int32_t x = 0; x < f.width; ++x) {
      const uint32_t v = f.pixel(x, y);
      switch (f.bitCount) {
        case 1: row[x / 8] |= static_cast<uint8_t>(v << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<uint8_t>(v << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = static_cast<uint8_t>(v); break;
        case 16: row[2 * x] = static_cast<uint8_t>(v); row[2 * x + 1] = static_cast<uint8_t>(v >> 8); break;
        default: {
          uint8_t* p = row + x * (f.bitCount / 8);
          p[0] = static_cast<uint8_t>(v >> 16);
          p[1] = static_cast<uint8_t>(v >> 8);
          p[2] = static_cast<uint8_t>(v);
        }
      }
    }
  }
  return bytes;
}

Bytes MakePng(const PngFixture& f) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendToBytes, nullptr);
  png_set_IHDR(png, info, f.width, f.height, f.bitDepth, f.colourType,
               f.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (uint32_t rgb : f.palette) {
    palette.push_back({static_cast<png_byte>(rgb), static_cast<png_byte>(rgb >> 8), static_cast<png_byte>(rgb >> 16)});
  }
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!f.paletteAlpha.empty()) {
    png_set_tRNS(png, info, f.paletteAlpha.data(), static_cast<int>(f.paletteAlpha.size()), nullptr);
  }
  png_write_info(png, info);
  if (f.bitDepth == 16) png_set_swap(png);  // samples below are in host order
  const int channels = png_get_channels(png, info);
  const size_t rowBytes = (static_cast<size_t>(f.width) * channels * f.bitDepth + 7) / 8;
  std::vector<Bytes> rows(f.height, Bytes(rowBytes, 0));
  std::vector<png_bytep> rowPointers;
  for (int32_t y = 0; y < f.height; ++y) {
    size_t bit = 0;
    for (int32_t x = 0; x < f.width; ++x) {
      for (uint16_t sample : f.samples(x, y)) {
        if (f.bitDepth == 16) {
          std::memcpy(&rows[y][bit / 8], &sample, 2);
        } else {
          rows[y][bit / 8] |= static_cast<uint8_t>(sample << (8 - f.bitDepth - bit % 8));
        }
        bit += f.bitDepth;
      }
    }
    rowPointers.push_back(rows[y].data());
  }
  png_write_image(png, rowPointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

Bytes MakeGreyJpeg(int32_t width, int32_t height, uint8_t grey, bool arithmeticCoding) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 1;
  info.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&info);
  info.arith_code = arithmeticCoding;
  jpeg_start_compress(&info, TRUE);
  Bytes row(width, grey);
  for (int32_t y = 0; y < height; ++y) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  free(buffer);
  return out;
}

PixelImage MakeImage(int32_t width, int32_t height, const std::function<uint32_t(int32_t, int32_t)>& rgba) {
  PixelImage image;
  image.Reset(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t v = rgba(x, y);
      for (int c = 0; c < 4; ++c) image.Row(y)[x * 4 + c] = static_cast<uint8_t>(v >> (8 * c));
    }
  }
  return image;
}

uint32_t PixelAt(const PixelImage& image, int32_t x, int32_t y) {
  const uint8_t* p = image.Row(y) + x * 4;
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vdr::testing
