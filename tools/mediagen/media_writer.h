#pragma once
// Writes the generated files into the output folder.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/mediagen/image.h"

namespace vdr::mediagen {

class MediaWriter {
 public:
  explicit MediaWriter(std::string folder);

  // Writes a PNG, first keeping every visible pixel off the colour key.
  // `opaque` pictures are written without an alpha channel.
  void Picture(const std::string& name, Image image, bool opaque = false) const;
  void Bytes(const std::string& name, const std::vector<uint8_t>& bytes) const;

 private:
  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  std::string folder_;
};

// "b" and 7 give "b07.png": the numbered picture names of the game.
std::string NumberedName(char letter, int number);

}  // namespace vdr::mediagen
