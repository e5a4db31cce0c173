#include "gfx2d/background_store.h"

#include <SDL2/SDL_opengl.h>

#include <algorithm>

#include "gfx2d/gl_state.h"
#include "gfx2d/image/image_decoders.h"

namespace vdr {

bool BackgroundStore::LoadBackground(int32_t background, const char* resolvedName) {
  if (!IsBackgroundSlot(background)) return false;
  PixelImage image;
  const bool decoded = LoadImage(resolvedName, kNoColourKey, image);
  ClearBackground(background);
  if (!decoded) return false;
  // Pictures that need more than 8 x 8 tiles are refused.
  const std::optional<BackgroundTiling> tiling =
      PlanBackgroundTiles(image.width, image.height, device_.MaxTextureSize());
  if (!tiling) return false;
  BackgroundRecord& record = backgrounds_[static_cast<size_t>(background)];
  for (int32_t row = 0; row < tiling->rows; ++row) {
    for (int32_t column = 0; column < tiling->columns; ++column) {
      const ImageRegion region = tiling->Tile(column, row);
      BackgroundTile& tile = record.Tile(column, row);
      if (!device_.MakeTexture(image, region.x, region.y, region.width, region.height, tile.texture, nullptr, false,
                               false)) {
        ClearBackground(background);
        return false;
      }
      tile.textureWidth = tile.textureHeight = tile.width = tile.height = tiling->tileSize;
    }
  }
  record.columns = tiling->columns;
  record.rows = tiling->rows;
  return true;
}

void BackgroundStore::GrabBackground(int32_t background) {
  const int32_t width = canvas_.Width(), height = canvas_.Height();
  if (!IsBackgroundSlot(background) || width < 1 || height < 1) return;
  BackgroundRecord& record = backgrounds_[static_cast<size_t>(background)];
  const int32_t side = GrabTileSide(width, height, device_.MaxTextureSize());
  const int32_t columns = std::min((width + side - 1) / side, kMaxBackgroundTiles);
  const int32_t rows = std::min((height + side - 1) / side, kMaxBackgroundTiles);
  ScopedTextureBinding keep(0);
  for (int32_t row = 0; row < rows; ++row) {
    for (int32_t column = 0; column < columns; ++column) {
      BackgroundTile& tile = record.Tile(column, row);
      if (tile.texture != 0 && tile.textureWidth == side && tile.textureHeight == side) {
        glBindTexture(GL_TEXTURE_2D, tile.texture);
      } else {
        device_.DeleteTexture(tile.texture);
        tile.texture = CreateEmptyTexture(side, side);
      }
      const int32_t x = column * side, y = row * side;
      tile.textureWidth = tile.textureHeight = side;
      tile.width = std::min(side, width - x);
      tile.height = std::min(side, height - y);
      glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, height - y - tile.height, tile.width, tile.height);
    }
  }
  record.columns = columns;
  record.rows = rows;
}

void BackgroundStore::DrawBackground(int32_t background) {
  if (!IsBackgroundSlot(background)) return;
  BackgroundRecord& record = backgrounds_[static_cast<size_t>(background)];
  if (record.columns == 0) return;
  glDisable(GL_ALPHA_TEST);
  EnableTexturingOnUnitZeroOnly();
  float left = 0;
  for (int32_t column = 0; column < record.columns; ++column) {
    float top = 0;
    for (int32_t row = 0; row < record.rows; ++row) {
      const BackgroundTile& tile = record.Tile(column, row);
      const ScreenRect rect{left, top, left + static_cast<float>(tile.width), top + static_cast<float>(tile.height)};
      const TexCorners tex{0.0f, static_cast<float>(tile.width) / static_cast<float>(tile.textureWidth), 0.0f,
                           static_cast<float>(tile.height) / static_cast<float>(tile.textureHeight)};
      glBindTexture(GL_TEXTURE_2D, tile.texture);
      SetTextureFilter(true);
      SetTextureWrap(GL_CLAMP_TO_EDGE);
      DrawFanQuad(MakeQuad(rect, tex));
      top = rect.bottom;
    }
    left += static_cast<float>(record.Tile(column, 0).width);
  }
  glEnable(GL_ALPHA_TEST);
  device_.UnbindTextures();
}

void BackgroundStore::ClearBackground(int32_t background) {
  if (!IsBackgroundSlot(background)) return;
  BackgroundRecord& record = backgrounds_[static_cast<size_t>(background)];
  for (BackgroundTile& tile : record.tiles) {
    device_.DeleteTexture(tile.texture);
    tile = BackgroundTile{};
  }
  record.columns = record.rows = 0;
}

void BackgroundStore::ClearAllBackgrounds() {
  for (int32_t background = 0; background < kBackgroundSlots; ++background) ClearBackground(background);
}

}  // namespace vdr
