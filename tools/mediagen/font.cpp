#include "tools/mediagen/font.h"

#include <string>

#include "tools/mediagen/pixel_text.h"

namespace vdr::mediagen {

Image DrawFont() {
  // 16 columns and 8 rows: an image wider than high holds 128 characters.
  Canvas canvas(16 * kFontCellWidth, 8 * kFontCellHeight);
  const PixelTextStyle style{.scale = 1, .advance = kFontCellWidth, .fill = Rgb{1, 1, 1}, .outline = Hex(0x101014)};
  for (int code = 32; code < 127; ++code) {
    const int x = (code % 16) * kFontCellWidth + 1;
    const int y = (code / 16) * kFontCellHeight + 1;
    DrawPixelText(canvas.cr(), std::string(1, static_cast<char>(code)), x, y, style);
  }
  return canvas.ToImage();
}

}  // namespace vdr::mediagen
