#pragma once
// The font store: fonts 0..31 as pictures in the sprite store's font slots
// (font_layout.h), loading them, the built-in font, measuring and drawing
// text, and the font settings of the drawing commands.

#include <cstdint>
#include <string_view>

#include "gfx2d/font_layout.h"
#include "gfx2d/image/pixel_image.h"
#include "gfx2d/sprite_store.h"
#include "gfx2d/vertex_buffer.h"

namespace vdr {

class FontStore {
 public:
  explicit FontStore(SpriteStore& sprites) : sprites_(sprites) {}
  FontStore(const FontStore&) = delete;
  FontStore& operator=(const FontStore&) = delete;

  // Font numbers outside 0..31 are taken as the nearest one.
  bool LoadFontFile(int32_t font, const char* resolvedName);
  void InstallBuiltInFont(int32_t font);
  FontGrid FontCellSize(int32_t font) const;
  void DrawText(int32_t font, std::string_view text, float x, float y, float z);

  int32_t CurrentFont() const { return currentFont_; }
  void SelectFont(int32_t font) { currentFont_ = font; }
  // The key font pictures are loaded with.
  void SetFontColourKey(int32_t key) { fontColourKey_ = key; }

 private:
  SpriteStore& sprites_;
  int32_t currentFont_ = 0;
  int32_t fontColourKey_ = kDefaultFontColourKey;
  VertexBuffer<TextVertex> textVertices_;
};

}  // namespace vdr
