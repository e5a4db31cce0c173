#pragma once
// OpenGLLumet: the render context through which the whole runtime draws. It
// owns the game window, the OpenGL context and the drawing state; the sprite,
// font, background and offscreen-screen tables hang off it.

#include <SDL2/SDL_video.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx2d/background_table.h"
#include "gfx2d/font_layout.h"
#include "gfx2d/frame_fit.h"
#include "gfx2d/image/pixel_image.h"
#include "gfx2d/polygon_batch.h"
#include "gfx2d/screen_table.h"
#include "gfx2d/sprite_geometry.h"
#include "gfx2d/sprite_table.h"
#include "gfx2d/vertex_buffer.h"
#include "gfx2d/viewport.h"

namespace vdr {

// What the last bind selected; -1 = nothing.
struct BoundTextures {
  int32_t unit0 = -1;
  int32_t unit1 = -1;
  bool mipmapped = false;
};

class OpenGLLumet {
 public:
  OpenGLLumet();
  ~OpenGLLumet();
  OpenGLLumet(const OpenGLLumet&) = delete;
  OpenGLLumet& operator=(const OpenGLLumet&) = delete;

  // Creates the window (hidden) and the OpenGL context; multisample nonzero
  // asks for a multisampled format.
  bool CreateContext(int width, int height, int bitsPerPixel, int multisample);
  bool GoFullScreen();
  bool GoWindowed();
  bool HideWindow();
  // Stores each nonzero value, then goes full screen or windowed.
  bool SetScreen(int width, int height, int bitsPerPixel, int fullScreenFlag);
  // Sets the drawing rectangle and resets the 2D drawing state.
  void SetViewport(int x, int y, int w, int h);
  void SetScreenSize(int width, int height);
  void ClearFrame(int32_t colour);
  void Close();
  bool HasExtension(const char* name) const;

  // Frame cycle: end any offscreen screen, swap and clear; then the drawing
  // state of a new frame, with background 0 drawn. A window of another size
  // than the logical screen shows the frame enlarged (see frame_fit.h).
  void PresentFrame();
  void StartFrame();
  // Binds nothing on both texture units (texturing off).
  void UnbindTextures();
  // Drawing outside the context bound textures of its own: what 2D drawing
  // binds next is bound again.
  void ForgetBoundTextures() { bound_ = BoundTextures{}; }

  // Sprite store (gfx2d/sprite_store.cpp). Slots outside 0..65535 are ignored.
  void FreeSprite(int32_t slot);
  // Makes `texture` (replacing the old one) from a region of the picture: w
  // or h 0 reach to the picture's edge. With `mipmapTexture`, also the copy
  // with a mipmap chain. Gives the texture size made, or nothing.
  struct TextureSize {
    int32_t width, height;
  };
  std::optional<TextureSize> MakeTexture(const PixelImage& image, int32_t x, int32_t y, int32_t w, int32_t h,
                                         uint32_t& texture, uint32_t* mipmapTexture, bool normalMap, bool nearest);
  // The picture into the slot: program slots get linear filtering and the
  // mipmapped copy, font slots nearest filtering only.
  bool UploadSprite(int32_t slot, const PixelImage& image, bool normalMap);
  bool LoadSpriteFile(int32_t slot, const char* resolvedName, int32_t key, bool normalMap);
  // The slot's picture, row 0 at the top.
  bool SpritePixels(int32_t slot, PixelImage& image);
  // Replaces the pixels of a picture of exactly `count` pixels in place
  // (RGBA bytes per pixel, rows from the top); the texture is kept.
  bool UpdateSprite(int32_t slot, const int32_t* pixels, int64_t count);
  void SetSpriteAnim(int32_t slot, int32_t frameWidth, int32_t frameHeight);
  // Binds the slot's texture on unit 0 (unit 1 off); -1: texturing off.
  void BindSprite(int32_t slot);
  // The slot's alpha mask, read from its texture on first use; null when none.
  const AlphaMask* CollisionMask(int32_t slot);

  // Drawing (gfx2d/sprite_drawing.cpp, gfx2d/primitive_drawing.cpp).
  void AlphaMode(float level);
  void DrawSprite(int32_t slot, int32_t x, int32_t y);
  void StretchSprite(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h);
  void ZoomSprite(int32_t slot, int32_t x, int32_t y, float sx, float sy);
  void RotoZoomSprite(int32_t slot, int32_t x, int32_t y, float angle, float zoom);
  void DrawAnim(int32_t slot, int32_t frame, int32_t x, int32_t y);
  void StretchAnim(int32_t slot, int32_t frame, int32_t x, int32_t y, int32_t w, int32_t h);
  void RotoZoomAnim(int32_t slot, int32_t frame, int32_t x, int32_t y, float angle, float zoom);
  void DrawRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour);
  void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour);
  void SetPixel(int32_t x, int32_t y, int32_t colour);
  void StartPoly(int32_t slot, int32_t mode);
  void PolyVector(float x, float y, float tx, float ty, int32_t colour);
  void PolyNewStrip();
  void EndPoly();
  bool SpriteCollision(int32_t slot1, int32_t x1, int32_t y1, int32_t slot2, int32_t x2, int32_t y2);
  bool AnimCollision(int32_t slot1, int32_t frame1, int32_t x1, int32_t y1, int32_t slot2, int32_t frame2,
                     int32_t x2, int32_t y2);

  // Offscreen screens and capture (gfx2d/offscreen_screens.cpp,
  // gfx2d/screen_capture.cpp).
  void CreateScreen(int32_t screen, int32_t slot, int32_t width, int32_t height);
  void UseScreen(int32_t screen);
  void EndScreen();
  bool GrabSprite(int32_t slot, int32_t x, int32_t y, int32_t w, int32_t h);
  int32_t ReadPixel(int32_t x, int32_t y);
  // Saves the window's frame as drawn so far (its back buffer): the front
  // buffer cannot be read back reliably (Mesa's software rasterizers and
  // composited desktops give black), so programs save before ShowScreen.
  bool SaveScreenshot(const char* fileName);
  bool SaveSprite(const char* fileName, int32_t slot);

  // Background pictures (gfx2d/backgrounds.cpp).
  bool LoadBackground(int32_t background, const char* resolvedName);
  void GrabBackground(int32_t background);
  void DrawBackground(int32_t background);
  void ClearBackground(int32_t background);

  // Fonts 0..31 (gfx2d/fonts.cpp).
  bool LoadFontFile(int32_t font, const char* resolvedName);
  void InstallBuiltInFont(int32_t font);
  FontGrid FontCellSize(int32_t font) const;
  void DrawText(int32_t font, std::string_view text, float x, float y, float z);

  // The whole factor the window is made at when it is shown windowed; 0
  // chooses one from the desktop (StartScale).
  void SetWindowScale(int scale) { windowScale_ = scale; }
  int WindowScale() const;

  // What the context is now; the tables change only through the commands above.
  SDL_Window* Window() const { return window_; }
  bool ContextReady() const { return contextReady_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  bool FullScreen() const { return fullScreen_; }
  const Rect& Viewport() const { return viewport_; }
  // Where the logical screen shows in the window now.
  const FrameFit& Presentation() const { return fit_; }
  // The framebuffer that stands for the window: 0 while the window has the
  // logical screen's size, else the one that holds the logical frame.
  uint32_t WindowFramebuffer() const { return frameBuffer_; }
  int32_t MaxTextureSize() const { return maxTextureSize_; }
  float AlphaLevel() const { return alphaLevel_; }
  const BoundTextures& Bound() const { return bound_; }
  // The offscreen screen drawn into, or kWindowTarget.
  int32_t CurrentScreen() const { return currentScreen_; }
  const SpriteRecord& Sprite(int32_t slot) const { return sprites_[slot]; }
  int32_t FirstEmptyProgramSlot() const { return sprites_.FirstEmptyProgramSlot(); }
  const ScreenRecord& Screen(int32_t screen) const { return screens_[static_cast<size_t>(screen)]; }
  const BackgroundRecord& Background(int32_t background) const {
    return backgrounds_[static_cast<size_t>(background)];
  }

  // Settings of the drawing commands.
  int32_t CurrentFont() const { return currentFont_; }
  void SelectFont(int32_t font) { currentFont_ = font; }
  int32_t ColourKey() const { return colourKey_; }
  void SetColourKey(int32_t key) { colourKey_ = key; }
  int32_t FontColourKey() const { return fontColourKey_; }
  void SetFontColourKey(int32_t key) { fontColourKey_ = key; }
  bool Smoothing() const { return smoothing_; }
  void SetSmoothing(bool on) { smoothing_ = on; }

 private:
  SDL_Window* window_ = nullptr;
  SDL_GLContext glContext_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
  bool fullScreen_ = false;
  int multisample_ = 0;
  Rect viewport_;
  int32_t colourKey_ = kDefaultSpriteColourKey;  // sprites and primitives
  int32_t fontColourKey_ = kDefaultFontColourKey;
  bool contextReady_ = false;

  BoundTextures bound_;
  float alphaLevel_ = 0;
  bool smoothing_ = true;
  int32_t currentScreen_ = kWindowTarget;
  int32_t currentFont_ = 0;
  int32_t maxTextureSize_ = 0;

  int windowScale_ = 0;
  FrameFit fit_;
  // The logical frame while the window has another size: drawn into a
  // framebuffer of its own, or without framebuffers into the window's
  // bottom-left corner and copied; either way its texture is presented
  // enlarged with one quad.
  bool scaled_ = false;
  int windowWidth_ = 0;
  int windowHeight_ = 0;
  int frameWidth_ = 0;  // the logical size the frame texture was made for
  int frameHeight_ = 0;
  uint32_t frameTexture_ = 0;
  uint32_t frameBuffer_ = 0;
  uint32_t frameDepth_ = 0;

  SpriteTable sprites_;
  ScreenTable screens_;
  BackgroundTable backgrounds_;
  PolygonBatch batch_;
  VertexBuffer<TextVertex> textVertices_;

  SDL_Window* CreateWindow(int w, int h, int samples);
  void CheckSoftwareRenderer();
  void ResetDrawingState();
  // Height of what is drawn into: the current framebuffer screen's picture,
  // else the window.
  int32_t TargetHeight() const;
  void DeleteTexture(uint32_t& texture);
  void ApplySmoothing();
  // A quad from a float vertex array, as a triangle fan; clampToEdge for
  // stretched and turned quads.
  void DrawTexturedQuad(int32_t slot, const Quad& quad, bool clampToEdge);
  void BeginPrimitive(int32_t colour);
  void EndPrimitive();
  // How the sprite colour key reads back from the current target.
  int32_t StoredColourKey();
  void ReleaseScreens();
  // Follows the window's size: the logical frame drawn straight into the
  // window when the sizes agree, else into the frame texture.
  void UpdatePresentation();
  void ReleaseFrame();
  void PresentScaledFrame();

  // The slot of the batch's texture, or -1; a batch on an empty slot draws nothing.
  int32_t batchSlot_ = -1;
  bool batchDrawable_ = true;
  // Reused by every grab and in-place update that stages pixels.
  std::vector<uint8_t> stagingPixels_;
};

// The process-wide render context (owned by the engine state), or null.
OpenGLLumet* ActiveRenderContext();
void SetActiveRenderContext(OpenGLLumet* context);

// Whether a GL_RENDERER string names one of Mesa's software rasterizers.
bool IsSoftwareRenderer(const char* renderer);
// The message shown for a software renderer: "opengldriver.txt"'s text when it
// has any, else the built-in text. Text that is not UTF-8 is read as Latin-1.
std::string SoftwareRendererMessage(const std::string& fileText);


}  // namespace vdr
