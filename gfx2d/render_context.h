#pragma once
// OpenGLLumet: the render context through which the whole runtime draws. It
// owns the game window, the OpenGL context, the viewport, the frame's
// presentation, and the primitives and the polygon batch; and one each of the
// sprite, screen, background and font stores, built on its device layer
// (gl_device.h), which see the context only as a TargetCanvas.

#include <SDL2/SDL_video.h>

#include <cstdint>
#include <string>

#include "gfx2d/background_store.h"
#include "gfx2d/font_store.h"
#include "gfx2d/frame_fit.h"
#include "gfx2d/gl_device.h"
#include "gfx2d/polygon_batch.h"
#include "gfx2d/screen_store.h"
#include "gfx2d/sprite_store.h"
#include "gfx2d/target_canvas.h"
#include "gfx2d/viewport.h"

namespace vdr {

class OpenGLLumet final : private TargetCanvas {
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
  void SetViewport(int x, int y, int w, int h) override;
  void SetScreenSize(int width, int height);
  void ClearFrame(int32_t colour);
  void Close();
  bool HasExtension(const char* name) const;

  // Frame cycle: end any offscreen screen, swap and clear; then the drawing
  // state of a new frame, with background 0 drawn. A window of another size
  // than the logical screen shows the frame enlarged (see frame_fit.h).
  void PresentFrame();
  void StartFrame();

  // The stores, and the device layer they draw through.
  GlDevice& Device() { return device_; }
  SpriteStore& Sprites() { return sprites_; }
  const SpriteStore& Sprites() const { return sprites_; }
  ScreenStore& Screens() { return screens_; }
  BackgroundStore& Backgrounds() { return backgrounds_; }
  FontStore& Fonts() { return fonts_; }
  const FontStore& Fonts() const { return fonts_; }

  // Drawing (gfx2d/primitive_drawing.cpp).
  void AlphaMode(float level);
  void DrawRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour) override;
  void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour);
  void SetPixel(int32_t x, int32_t y, int32_t colour) override;
  void StartPoly(int32_t slot, int32_t mode);
  void PolyVector(float x, float y, float tx, float ty, int32_t colour);
  void PolyNewStrip();
  void EndPoly();

  // Saves the window's frame as drawn so far (its back buffer): the front
  // buffer cannot be read back reliably (Mesa's software rasterizers and
  // composited desktops give black), so programs save before ShowScreen
  // (gfx2d/screen_capture.cpp).
  bool SaveScreenshot(const char* fileName);

  // The whole factor the window is made at when it is shown windowed; 0
  // chooses one from the desktop (StartScale).
  void SetWindowScale(int scale) { windowScale_ = scale; }
  int WindowScale() const;

  // What the context is now.
  SDL_Window* Window() const { return window_; }
  bool ContextReady() const { return device_.Ready(); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  bool FullScreen() const { return fullScreen_; }
  const Rect& Viewport() const override { return viewport_; }
  // Where the logical screen shows in the window now.
  const FrameFit& Presentation() const { return fit_; }
  // The framebuffer that stands for the window: 0 while the window has the
  // logical screen's size, else the one that holds the logical frame.
  uint32_t WindowFramebuffer() const { return frameBuffer_; }
  float AlphaLevel() const { return alphaLevel_; }
  const SpriteRecord& Sprite(int32_t slot) const { return sprites_.Sprite(slot); }
  const ScreenRecord& Screen(int32_t screen) const { return screens_.Screen(screen); }
  const BackgroundRecord& Background(int32_t background) const { return backgrounds_.Background(background); }

  // The sprite colour key, also that of primitives.
  int32_t ColourKey() const override { return colourKey_; }
  void SetColourKey(int32_t key) { colourKey_ = key; }

 private:
  SDL_Window* window_ = nullptr;
  SDL_GLContext glContext_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
  bool fullScreen_ = false;
  int multisample_ = 0;
  Rect viewport_;
  int32_t colourKey_ = kDefaultSpriteColourKey;
  float alphaLevel_ = 0;

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

  GlDevice device_;
  SpriteStore sprites_{device_};
  ScreenStore screens_{device_, sprites_, *this};
  BackgroundStore backgrounds_{device_, *this};
  FontStore fonts_{sprites_};
  PolygonBatch batch_;
  // The slot of the batch's texture, or -1; a batch on an empty slot draws nothing.
  int32_t batchSlot_ = -1;
  bool batchDrawable_ = true;

  SDL_Window* CreateWindow(int w, int h, int samples);
  void CheckSoftwareRenderer();
  void ResetDrawingState();
  void BeginPrimitive(int32_t colour);
  void EndPrimitive();
  // Follows the window's size: the logical frame drawn straight into the
  // window when the sizes agree, else into the frame texture.
  void UpdatePresentation();
  void ReleaseFrame();
  void PresentScaledFrame();
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
