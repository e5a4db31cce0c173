// Writes a picture of the built-in font, scaled up on a coloured background
// so that the outline shows: builtin_font_sheet docs/builtin-font.png

#include <cstdio>

#include "gfx2d/image/builtin_font.h"
#include "gfx2d/image/image_writers.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s picture.png\n", argv[0]);
    return 2;
  }
  constexpr int kScale = 6;
  constexpr uint8_t kBackground[3] = {70, 110, 160};
  const vdr::PixelImage font = vdr::BuiltInFontImage();
  vdr::PixelImage sheet;
  sheet.Reset(font.width * kScale, font.height * kScale);
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x) {
      const uint8_t* source = font.Row(y / kScale) + (x / kScale) * 4;
      uint8_t* target = sheet.Row(y) + x * 4;
      for (int c = 0; c < 3; ++c) target[c] = source[3] ? source[c] : kBackground[c];
      target[3] = 255;
    }
  }
  if (!vdr::SaveImage(argv[1], sheet)) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
