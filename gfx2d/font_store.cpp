#include "gfx2d/font_store.h"

#include <SDL2/SDL_opengl.h>

#include "gfx2d/gl_state.h"
#include "gfx2d/image/builtin_font.h"
#include "gfx2d/image/image_decoders.h"

namespace vdr {

bool FontStore::LoadFontFile(int32_t font, const char* resolvedName) {
  const int32_t slot = FontSpriteSlot(ClampFontNumber(font));
  sprites_.FreeSprite(slot);
  PixelImage image;
  return resolvedName != nullptr && *resolvedName != 0 && LoadImage(resolvedName, fontColourKey_, image) &&
         sprites_.UploadSprite(slot, image, false);
}

void FontStore::InstallBuiltInFont(int32_t font) {
  sprites_.UploadSprite(FontSpriteSlot(ClampFontNumber(font)), BuiltInFontImage(), false);
}

FontGrid FontStore::FontCellSize(int32_t font) const {
  const SpriteRecord& sprite = sprites_.Sprite(FontSpriteSlot(ClampFontNumber(font)));
  return FontGridFor(sprite.width, sprite.height);
}

void FontStore::DrawText(int32_t font, std::string_view text, float x, float y, float z) {
  const int32_t slot = FontSpriteSlot(ClampFontNumber(font));
  const SpriteRecord& sprite = sprites_.Sprite(slot);
  if (text.empty() || sprite.Empty()) return;
  const int64_t count = 4 * static_cast<int64_t>(text.size());
  if (!textVertices_.Reserve(count)) return;
  textVertices_.SetCount(static_cast<int32_t>(count));
  LayOutText(text, x, y, z, sprite, textVertices_.Data());
  sprites_.BindSprite(slot);
  SetTextureFilter(true);  // font pictures are drawn texel for pixel
  const TextVertex* vertices = textVertices_.Data();
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(TextVertex), &vertices->x);
  glTexCoordPointer(2, GL_FLOAT, sizeof(TextVertex), &vertices->u);
  glDrawArrays(GL_TRIANGLE_STRIP, 0, textVertices_.Count());
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace vdr
