#include "tools/mediagen/media_writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace vdr::mediagen {

MediaWriter::MediaWriter(std::string folder) : folder_(std::move(folder)) {
  std::filesystem::create_directories(folder_);
}

void MediaWriter::Picture(const std::string& name, Image image, bool opaque) const {
  KeepOffColourKey(image);
  WritePng(image, Path(name), opaque);
}

void MediaWriter::Bytes(const std::string& name, const std::vector<uint8_t>& bytes) const {
  std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + Path(name));
}

std::string NumberedName(char letter, int number) {
  char name[16];
  std::snprintf(name, sizeof name, "%c%02d.png", letter, number);
  return name;
}

}  // namespace vdr::mediagen
