// SaveImage: the format follows the file name.

#include <strings.h>

#include <string>

#include "files/memory_files.h"
#include "files/platform_paths.h"
#include "gfx2d/image/image_writers.h"
#include "gfx2d/image/replace_file.h"

namespace vdr {
namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         strncasecmp(text.data() + text.size() - ending.size(), ending.data(), ending.size()) == 0;
}

}  // namespace

SavedImageFormat SaveFormatForName(std::string_view fileName) {
  if (fileName.size() > 4 && EndsWithIgnoringCase(fileName, ".png")) return SavedImageFormat::kPng;
  if (EndsWithIgnoringCase(fileName, "jpg")) return SavedImageFormat::kJpeg;
  return SavedImageFormat::kBmp;
}

bool SaveImage(std::string_view fileName, const PixelImage& image) {
  const std::string path = NativePath(std::string(fileName).c_str());
  if (path.empty() || IsMemoryFileName(path.c_str())) return false;
  std::vector<uint8_t> file;
  bool encoded = false;
  switch (SaveFormatForName(fileName)) {
    case SavedImageFormat::kPng: encoded = EncodePng(image, file); break;
    case SavedImageFormat::kJpeg: encoded = EncodeJpeg(image, file); break;
    case SavedImageFormat::kBmp: encoded = EncodeBmp(image, file); break;
  }
  return encoded && ReplaceFileContents(path, file);
}

}  // namespace vdr
