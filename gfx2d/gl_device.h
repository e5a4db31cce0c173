#pragma once
// The device layer under the 2D stores: whether the OpenGL context takes
// calls, its largest texture, what drawing has bound, making and deleting
// textures, and the pixel staging buffer. GL names are deleted only while the
// context is ready; once it has gone they are only forgotten. The stateless
// helpers are in gl_state.h, the extension entry points in gl_extensions.h.

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx2d/gl_state.h"
#include "gfx2d/image/pixel_image.h"

namespace vdr {

// What the last bind selected; -1 = nothing.
struct BoundTextures {
  int32_t unit0 = -1;
  int32_t unit1 = -1;
  bool mipmapped = false;
};

struct TextureSize {
  int32_t width, height;
};

class GlDevice {
 public:
  // Set when the context's creation has finished, cleared when it goes.
  bool Ready() const { return ready_; }
  void SetReady(bool ready) { ready_ = ready; }
  // Asks the current context for its largest texture side.
  void ReadMaxTextureSize();
  int32_t MaxTextureSize() const { return maxTextureSize_; }

  // Makes `texture` (replacing the old one) from a region of the picture: w
  // or h 0 reach to the picture's edge. With `mipmapTexture`, also the copy
  // with a mipmap chain. Gives the texture size made, or nothing.
  std::optional<TextureSize> MakeTexture(const PixelImage& image, int32_t x, int32_t y, int32_t w, int32_t h,
                                         uint32_t& texture, uint32_t* mipmapTexture, bool normalMap, bool nearest);
  // Both set the name to 0.
  void DeleteTexture(uint32_t& texture);
  void DeleteFramebuffer(Framebuffer& framebuffer);

  // Binds `texture` alone, on unit 0 and repeating, as sprite `slot`'s.
  void BindOnUnitZero(int32_t slot, uint32_t texture);
  // Binds nothing on both texture units (texturing off).
  void UnbindTextures();
  // Drawing outside the stores bound textures of its own: what 2D drawing
  // binds next is bound again.
  void ForgetBoundTextures() { bound_ = BoundTextures{}; }

  // Reused by every grab and in-place update that stages pixels.
  std::vector<uint8_t>& StagingPixels() { return stagingPixels_; }

 private:
  bool ready_ = false;
  int32_t maxTextureSize_ = 0;
  BoundTextures bound_;
  std::vector<uint8_t> stagingPixels_;
};

}  // namespace vdr
