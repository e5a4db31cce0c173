#include "gfx2d/sprite_commands.h"

#include <cstring>
#include <string>

#include "files/file_resolver.h"
#include "gfx2d/render_context.h"
#include "runtime/error_status.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {

void LoadSpriteCommand(const RuntimeString& file, int32_t slot, bool normalMap) {
  ClearErrorCode();
  OpenGLLumet* context = ActiveRenderContext();
  if (context == nullptr) return;
  SpriteStore& sprites = context->Sprites();
  sprites.FreeSprite(slot);
  std::string name;
  if (!MemoryContext().Resolve(file.c_str(), name) ||
      !sprites.LoadSpriteFile(slot, name.c_str(), context->ColourKey(), normalMap)) {
    RecordError(kErrorNoSuchFile);
  }
}

}  // namespace

void LoadSprite(const RuntimeString& file, double slot) { LoadSpriteCommand(file, ToInt(slot), false); }

void LoadBumpTexture(const RuntimeString& file, double slot) { LoadSpriteCommand(file, ToInt(slot), true); }

void LoadAnim(const RuntimeString& file, double slot, double frameWidth, double frameHeight) {
  LoadSpriteCommand(file, ToInt(slot), false);
  OpenGLLumet* context = ActiveRenderContext();
  if (context != nullptr) context->Sprites().SetSpriteAnim(ToInt(slot), ToInt(frameWidth), ToInt(frameHeight));
}

int32_t MemToSprite(const RuntimeArray<int32_t>& pixels, double slot, double width, double height) {
  OpenGLLumet* context = ActiveRenderContext();
  const int32_t w = ToInt(width), h = ToInt(height);
  if (context == nullptr || w < 1 || h < 1 || int64_t{w} * h != pixels.Count()) return 0;
  PixelImage image;
  if (!image.Reset(w, h)) return 0;
  std::memcpy(image.pixels.data(), pixels.Data(), image.pixels.size());
  return context->Sprites().UploadSprite(ToInt(slot), image, false) ? 1 : 0;
}

int32_t SpriteToMem(RuntimeArray<int32_t>& pixels, double slot) {
  OpenGLLumet* context = ActiveRenderContext();
  PixelImage image;
  if (context == nullptr || !context->Sprites().SpritePixels(ToInt(slot), image)) return 0;
  pixels.DimExact(image.width * image.height);
  std::memcpy(pixels.Data(), image.pixels.data(), image.pixels.size());
  return 1;
}

int32_t UpdateSprite(const RuntimeArray<int32_t>& pixels, double slot) {
  OpenGLLumet* context = ActiveRenderContext();
  return context != nullptr && context->Sprites().UpdateSprite(ToInt(slot), pixels.Data(), pixels.Count()) ? 1 : 0;
}

void GetSpriteSize(double slot, int32_t& width, int32_t& height) {
  const OpenGLLumet* context = ActiveRenderContext();
  const int32_t s = ToInt(slot);
  width = height = 0;
  if (context == nullptr || !IsSpriteSlot(s)) return;
  width = context->Sprite(s).width;
  height = context->Sprite(s).height;
}

void GetSpriteSize(double slot, double& width, double& height) {
  int32_t w, h;
  GetSpriteSize(slot, w, h);
  width = w;
  height = h;
}

int32_t GenSprite() {
  const OpenGLLumet* context = ActiveRenderContext();
  return context != nullptr ? context->Sprites().FirstEmptyProgramSlot() : -1;
}

int32_t SpriteTextureId(double slot) {
  const OpenGLLumet* context = ActiveRenderContext();
  const int32_t s = ToInt(slot);
  return context != nullptr && IsSpriteSlot(s) ? static_cast<int32_t>(context->Sprite(s).texture) : 0;
}

void SetTransparency(double colour) {
  OpenGLLumet* context = ActiveRenderContext();
  if (context == nullptr) return;
  context->SetColourKey(ToInt(colour));
  context->Fonts().SetFontColourKey(ToInt(colour));
}

}  // namespace vdr
