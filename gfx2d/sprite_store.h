#pragma once
// The sprite store: the sprite table's pictures as textures (sprite_table.h),
// made from pictures and read back, their collision masks, and drawing them
// (gfx2d/sprite_drawing.cpp) and testing them for collisions
// (gfx2d/sprite_collision.cpp). Slots outside 0..65535 are ignored.

#include <cstdint>

#include "gfx2d/gl_device.h"
#include "gfx2d/image/pixel_image.h"
#include "gfx2d/sprite_geometry.h"
#include "gfx2d/sprite_table.h"

namespace vdr {

class SpriteStore {
 public:
  explicit SpriteStore(GlDevice& device) : device_(device) {}
  SpriteStore(const SpriteStore&) = delete;
  SpriteStore& operator=(const SpriteStore&) = delete;

  void FreeSprite(int32_t slot);
  void FreeAllSprites();
  // The picture into the slot: program slots get linear filtering and the
  // mipmapped copy, font slots nearest filtering only.
  bool UploadSprite(int32_t slot, const PixelImage& image, bool normalMap);
  bool LoadSpriteFile(int32_t slot, const char* resolvedName, int32_t key, bool normalMap);
  // A transparent picture of w x h, linear and without the mipmapped copy:
  // what an offscreen screen draws into. The slot is expected empty.
  bool MakeClearSprite(int32_t slot, int32_t w, int32_t h);
  // The slot's picture, row 0 at the top.
  bool SpritePixels(int32_t slot, PixelImage& image);
  bool SaveSprite(const char* fileName, int32_t slot);
  // Replaces the pixels of a picture of exactly `count` pixels in place
  // (RGBA bytes per pixel, rows from the top); the texture is kept.
  bool UpdateSprite(int32_t slot, const int32_t* pixels, int64_t count);
  void SetSpriteAnim(int32_t slot, int32_t frameWidth, int32_t frameHeight);
  // Readies a valid slot for a grab of w x h: a texture of the power-of-two
  // sides (kept when it has them, else a new empty one), no frames, no mask.
  const SpriteRecord& PrepareGrab(int32_t slot, int32_t w, int32_t h);
  // The picture was drawn into: its mask is made again on next use.
  void PictureChanged(int32_t slot) { sprites_.DropMask(slot); }

  // Binds the slot's texture on unit 0 (unit 1 off); -1: texturing off.
  void BindSprite(int32_t slot);
  // The slot's alpha mask, read from its texture on first use; null when none.
  const AlphaMask* CollisionMask(int32_t slot);
  bool SpriteCollision(int32_t slot1, int32_t x1, int32_t y1, int32_t slot2, int32_t x2, int32_t y2);
  bool AnimCollision(int32_t slot1, int32_t frame1, int32_t x1, int32_t y1, int32_t slot2, int32_t frame2, int32_t x2,
                     int32_t y2);

  void DrawSprite(int32_t slot, int32_t x, int32_t y);
  void StretchSprite(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h);
  void ZoomSprite(int32_t slot, int32_t x, int32_t y, float sx, float sy);
  void RotoZoomSprite(int32_t slot, int32_t x, int32_t y, float angle, float zoom);
  void DrawAnim(int32_t slot, int32_t frame, int32_t x, int32_t y);
  void StretchAnim(int32_t slot, int32_t frame, int32_t x, int32_t y, int32_t w, int32_t h);
  void RotoZoomAnim(int32_t slot, int32_t frame, int32_t x, int32_t y, float angle, float zoom);

  // Linear (true) or nearest filtering of drawn sprites; the 2D drawing
  // state's reset turns it on.
  void SetSmoothing(bool on) { smoothing_ = on; }
  // Filters the bound texture as smoothing says.
  void ApplySmoothing();

  const SpriteRecord& Sprite(int32_t slot) const { return sprites_[slot]; }
  int32_t FirstEmptyProgramSlot() const { return sprites_.FirstEmptyProgramSlot(); }

 private:
  // The record of the texture made for a picture of w x h: a picture larger
  // than the largest texture keeps its top-left part, stretched over the
  // whole size.
  void DescribePicture(SpriteRecord& sprite, TextureSize made, int32_t w, int32_t h);
  // A quad from a float vertex array, as a triangle fan; clampToEdge for
  // stretched and turned quads.
  void DrawTexturedQuad(int32_t slot, const Quad& quad, bool clampToEdge);

  GlDevice& device_;
  SpriteTable sprites_;
  bool smoothing_ = true;
};

}  // namespace vdr
