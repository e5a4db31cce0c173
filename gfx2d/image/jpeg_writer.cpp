// JPEG writing through libjpeg into memory.

#include <cstring>
#include <new>

#include <jerror.h>

#include "gfx2d/image/codec_jumps.h"
#include "gfx2d/image/image_writers.h"

namespace vdr {
namespace {

constexpr int kJpegQuality = 80;

// A destination that collects the output in a vector through a fixed chunk.
// (libjpeg's own memory destination loses its buffer when an error jumps out.)
struct VectorDestination {
  jpeg_destination_mgr manager;
  std::vector<uint8_t>* file;
  JOCTET chunk[4096];
};

VectorDestination* DestinationOf(j_compress_ptr info) {
  return reinterpret_cast<VectorDestination*>(info->dest);
}

void StartChunk(j_compress_ptr info) {
  VectorDestination* dest = DestinationOf(info);
  dest->manager.next_output_byte = dest->chunk;
  dest->manager.free_in_buffer = sizeof dest->chunk;
}

bool AppendBytes(VectorDestination* dest, size_t count) {
  try {
    dest->file->insert(dest->file->end(), dest->chunk, dest->chunk + count);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

boolean EmptyChunk(j_compress_ptr info) {
  if (!AppendBytes(DestinationOf(info), sizeof DestinationOf(info)->chunk)) {
    ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
  }
  StartChunk(info);
  return TRUE;
}

void FlushChunk(j_compress_ptr info) {
  VectorDestination* dest = DestinationOf(info);
  if (!AppendBytes(dest, sizeof dest->chunk - dest->manager.free_in_buffer)) {
    ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
  }
}

class JpegWriter {
 public:
  explicit JpegWriter(std::vector<uint8_t>& file) {
    std::memset(&info_, 0, sizeof info_);
    destination_.manager.init_destination = StartChunk;
    destination_.manager.empty_output_buffer = EmptyChunk;
    destination_.manager.term_destination = FlushChunk;
    destination_.file = &file;
  }
  ~JpegWriter() { jpeg_destroy_compress(&info_); }
  JpegWriter(const JpegWriter&) = delete;
  JpegWriter& operator=(const JpegWriter&) = delete;

  jpeg_compress_struct* info() { return &info_; }
  JpegErrorJump* errors() { return &errors_; }
  jpeg_destination_mgr* destination() { return &destination_.manager; }

 private:
  jpeg_compress_struct info_;
  JpegErrorJump errors_;
  VectorDestination destination_;
};

bool StartWriting(jpeg_compress_struct* info, JpegErrorJump* errors,
                  jpeg_destination_mgr* destination, const PixelImage& image) {
  info->err = InstallJpegErrorJump(*errors);
  if (setjmp(errors->jump)) return false;
  jpeg_create_compress(info);
  info->dest = destination;
  info->image_width = static_cast<JDIMENSION>(image.width);
  info->image_height = static_cast<JDIMENSION>(image.height);
  info->input_components = 3;
  info->in_color_space = JCS_RGB;
  jpeg_set_defaults(info);
  jpeg_set_quality(info, kJpegQuality, TRUE);
  jpeg_start_compress(info, TRUE);
  return true;
}

bool WriteRow(jpeg_compress_struct* info, JpegErrorJump* errors, uint8_t* rgb) {
  if (setjmp(errors->jump)) return false;
  JSAMPROW rows[1] = {rgb};
  return jpeg_write_scanlines(info, rows, 1) == 1;
}

bool FinishWriting(jpeg_compress_struct* info, JpegErrorJump* errors) {
  if (setjmp(errors->jump)) return false;
  jpeg_finish_compress(info);
  return true;
}

}  // namespace

bool EncodeJpeg(const PixelImage& image, std::vector<uint8_t>& file) {
  file.clear();
  if (image.width < 1 || image.height < 1) return false;
  std::vector<uint8_t> rgb;
  try {
    rgb.resize(static_cast<size_t>(image.width) * 3);
  } catch (const std::bad_alloc&) {
    return false;
  }
  JpegWriter writer(file);
  bool written = StartWriting(writer.info(), writer.errors(), writer.destination(), image);
  for (int32_t y = 0; written && y < image.height; ++y) {
    const uint8_t* source = image.Row(y);
    for (int32_t x = 0; x < image.width; ++x) std::memcpy(&rgb[x * 3], source + x * 4, 3);
    written = WriteRow(writer.info(), writer.errors(), rgb.data());
  }
  if (!written || !FinishWriting(writer.info(), writer.errors())) {
    file.clear();
    return false;
  }
  return true;
}

}  // namespace vdr
