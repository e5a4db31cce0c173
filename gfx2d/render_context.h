#pragma once
// OpenGLLumet: the render context through which the whole runtime draws. It
// owns the game window, the OpenGL context and the drawing state; the sprite,
// font, background and offscreen-screen tables hang off it.

#include <SDL2/SDL_video.h>

#include <cstdint>

#include "gfx2d/viewport.h"

namespace vdr {

constexpr int32_t kDefaultColourKey = 0x8000FF;  // red 255, green 0, blue 128

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
  bool CreateContext(int width, int height, int bitsPerPixel, int frameRate, int multisample);
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

  // Frame cycle: swap and clear; then the drawing state of a new frame.
  void PresentFrame();
  void StartFrame();
  // Binds nothing on both texture units (texturing off).
  void UnbindTextures();

  SDL_Window* window = nullptr;
  SDL_GLContext glContext = nullptr;
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  bool fullScreen = false;
  int multisample = 0;
  Rect viewport;
  int32_t colourKey = kDefaultColourKey;
  int32_t fontColourKey = 0;
  bool contextReady = false;
  double nextFrameTime = 0;
  double framePeriod = 0;

  BoundTextures bound;
  float alphaLevel = 0;
  bool smoothing = true;
  int32_t currentScreen = -1;
  int32_t currentFont = 0;

 private:
  SDL_Window* CreateWindow(int w, int h, int samples);
  void CheckSoftwareRenderer();
  void ResetDrawingState();
};

// The process-wide render context (owned by the engine state), or null.
OpenGLLumet* ActiveRenderContext();
void SetActiveRenderContext(OpenGLLumet* context);

// Whether a GL_RENDERER string names one of Mesa's software rasterizers.
bool IsSoftwareRenderer(const char* renderer);

// Commands.
void GetScreenSize(int32_t& width, int32_t& height);
void GetScreenSize(double& width, double& height);
void SetViewport(double x, double y, double w, double h);
void GetViewport(int32_t& x, int32_t& y, int32_t& w, int32_t& h);
void GetViewport(double& x, double& y, double& w, double& h);
void SetScreen(double width, double height, double fullScreenFlag);

}  // namespace vdr
