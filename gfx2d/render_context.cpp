#include "gfx2d/render_context.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "files/runtime_log.h"
#include "gfx2d/gl_extensions.h"

namespace vdr {
namespace {

OpenGLLumet* g_context = nullptr;
bool g_softwareChecked = false;

// Creation tries multisampled formats from this many samples down to 2.
constexpr int kMostSamples = 16;

int DesktopBitsPerPixel() {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return 32;
  return static_cast<int>(SDL_BITSPERPIXEL(mode.format));
}

}  // namespace

std::string SoftwareRendererMessage(const std::string& fileText) {
  if (fileText.empty()) {
    return "Please update your GFX adapter's driver\nso it can render OpenGL by HARDWARE\n\n\n"
           "Bitte aktualisieren Sie Ihren\nGrafkkartentreiber, damit er OpenGL\nper HARDWARE unterst\xC3\xBCtzt!";
  }
  // SDL's conversion drops invalid bytes instead of failing, so text is UTF-8
  // only when it comes back unchanged.
  char* converted = SDL_iconv_string("UTF-8", "UTF-8", fileText.c_str(), fileText.size() + 1);
  const bool isUtf8 = converted != nullptr && fileText == converted;
  SDL_free(converted);
  if (isUtf8) return fileText;
  converted = SDL_iconv_string("UTF-8", "ISO-8859-1", fileText.c_str(), fileText.size() + 1);
  std::string text = converted != nullptr ? converted : fileText;
  SDL_free(converted);
  return text;
}

OpenGLLumet* ActiveRenderContext() { return g_context; }
void SetActiveRenderContext(OpenGLLumet* context) { g_context = context; }

bool IsSoftwareRenderer(const char* renderer) {
  if (renderer == nullptr) return false;
  for (const char* prefix : {"llvmpipe", "softpipe", "Software Rasterizer"}) {
    if (std::strncmp(renderer, prefix, std::strlen(prefix)) == 0) return true;
  }
  return std::strcmp(renderer, "Mesa Windows GDI Driver") == 0;
}

OpenGLLumet::OpenGLLumet() = default;

OpenGLLumet::~OpenGLLumet() {
  Close();
  if (glContext_ != nullptr) SDL_GL_DeleteContext(glContext_);
}

SDL_Window* OpenGLLumet::CreateWindow(int w, int h, int samples) {
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, samples > 0 ? 1 : 0);
  SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, samples);
  return SDL_CreateWindow("Vendril", 0, 0, w, h, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
}

bool OpenGLLumet::CreateContext(int w, int h, int depth, int multisampleFlag) {
  multisample_ = multisampleFlag;
  if (w <= 0 || h <= 0) {
    w = w <= 0 ? 640 : w;
    h = h <= 0 ? 480 : h;
  }
  // With multisampling asked for, the richest format the display offers,
  // halving the sample count until one exists; else a plain format.
  SDL_Window* created = nullptr;
  for (int samples = multisampleFlag != 0 ? kMostSamples : 0; created == nullptr; samples /= 2) {
    created = CreateWindow(w, h, samples);
    if (samples == 0) break;
  }
  if (created == nullptr) return false;
  window_ = created;
  width_ = w;
  height_ = h;
  bitsPerPixel_ = depth != 0 ? depth : DesktopBitsPerPixel();
  fullScreen_ = false;

  if (glContext_ == nullptr) glContext_ = SDL_GL_CreateContext(window_);
  if (glContext_ == nullptr || SDL_GL_MakeCurrent(window_, glContext_) != 0) return false;
  SDL_GL_SetSwapInterval(0);  // frames are paced by the runtime's own clock

  CheckSoftwareRenderer();
  device_.ReadMaxTextureSize();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  LoadEntryPoints();
  SDL_HideWindow(window_);
  SetViewport(0, 0, 0, 0);
  device_.SetReady(true);
  return true;
}

void OpenGLLumet::CheckSoftwareRenderer() {
  if (g_softwareChecked) return;
  g_softwareChecked = true;
  if (!IsSoftwareRenderer(reinterpret_cast<const char*>(glGetString(GL_RENDERER)))) return;
  WriteLogLine("*** OpenGL Software Emulation - update driver!");
  std::FILE* file = std::fopen("opengldriver.txt", "rb");
  if (file == nullptr) return;
  char text[2048];
  const size_t n = std::fread(text, 1, 2047, file);
  std::fclose(file);
  const std::string message = SoftwareRendererMessage(std::string(text, n));
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "No OpenGL Hardware Drivers", message.c_str(), window_);
}

bool OpenGLLumet::HasExtension(const char* name) const {
  return ExtensionListed(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), name);
}

bool OpenGLLumet::GoFullScreen() {
  if (window_ == nullptr) return false;
  // The desktop keeps its own mode; the frame is enlarged to fill it. The
  // window covers the display first, so that it fills it where no window
  // manager carries out the full-screen request too.
  const int display = SDL_GetWindowDisplayIndex(window_) < 0 ? 0 : SDL_GetWindowDisplayIndex(window_);
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(display, &bounds) == 0) {
    SDL_SetWindowPosition(window_, bounds.x, bounds.y);
    SDL_SetWindowSize(window_, bounds.w, bounds.h);
  }
  SDL_ShowWindow(window_);
  if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
    WriteLogLine("No Fullscreen Mode available");
    GoWindowed();
    return false;
  }
  // The one context stays current on the same window, so every texture stays valid.
  SDL_RaiseWindow(window_);
  fullScreen_ = true;
  UpdatePresentation();
  SetViewport(0, 0, 0, 0);
  return true;
}

int OpenGLLumet::WindowScale() const {
  if (windowScale_ > 0) return windowScale_;
  const int index = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0;
  const int display = index < 0 ? 0 : index;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(display, &usable) != 0) return 1;
  return StartScale(width_, height_, usable.w, usable.h);
}

bool OpenGLLumet::GoWindowed() {
  if (window_ == nullptr) return false;
  if (fullScreen_) SDL_SetWindowFullscreen(window_, 0);
  const int scale = WindowScale();
  SDL_SetWindowMinimumSize(window_, width_, height_);
  SDL_SetWindowSize(window_, width_ * scale, height_ * scale);
  const int display = SDL_GetWindowDisplayIndex(window_) < 0 ? 0 : SDL_GetWindowDisplayIndex(window_);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(display), SDL_WINDOWPOS_CENTERED_DISPLAY(display));
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  fullScreen_ = false;
  UpdatePresentation();
  SetViewport(0, 0, 0, 0);
  return true;
}

bool OpenGLLumet::HideWindow() {
  if (window_ == nullptr) return false;
  if (fullScreen_) SDL_SetWindowFullscreen(window_, 0);
  SDL_HideWindow(window_);
  fullScreen_ = false;
  return true;
}

bool OpenGLLumet::SetScreen(int w, int h, int depth, int fullScreenFlag) {
  if (w != 0) width_ = w;
  if (h != 0) height_ = h;
  if (depth != 0) bitsPerPixel_ = depth;
  return fullScreenFlag != 0 ? GoFullScreen() : GoWindowed();
}

void OpenGLLumet::SetViewport(int x, int y, int w, int h) {
  viewport_ = ResolveViewport(Rect{x, y, w, h}, width_, height_);
  const Rect gl = GlViewportFor(viewport_, screens_.TargetHeight());
  glViewport(gl.x, gl.y, gl.w, gl.h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, viewport_.w, viewport_.h, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  ResetDrawingState();
}

void OpenGLLumet::ResetDrawingState() {
  glDisable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glAlphaFunc(GL_GREATER, 0.05f);
  for (GLenum capability : {GL_FOG, GL_LINE_SMOOTH, GL_POINT_SMOOTH, GL_STENCIL_TEST, GL_NORMALIZE, GL_LIGHTING}) {
    glDisable(capability);
  }
  glShadeModel(GL_FLAT);
  for (GLenum capability : {GL_COLOR_MATERIAL, GL_DITHER, GL_DEPTH_TEST, GL_POLYGON_SMOOTH, GL_POLYGON_OFFSET_POINT,
                            GL_AUTO_NORMAL}) {
    glDisable(capability);
  }
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);

  sprites_.SetSmoothing(true);
  device_.UnbindTextures();
  glDisable(GL_BLEND);
  glEnable(GL_ALPHA_TEST);
  alphaLevel_ = 1.0f;
  glColor4f(1, 1, 1, 1);
}

void OpenGLLumet::SetScreenSize(int w, int h) {
  width_ = w;
  height_ = h;
  UpdatePresentation();
  SetViewport(0, 0, 0, 0);
}

void OpenGLLumet::ClearFrame(int32_t colour) {
  glClearColor(static_cast<float>(colour & 0xFF) / 255.0f, static_cast<float>((colour >> 8) & 0xFF) / 255.0f,
               static_cast<float>((colour >> 16) & 0xFF) / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void OpenGLLumet::PresentFrame() {
  if (window_ == nullptr) return;
  screens_.EndScreen();  // every frame is presented from the window's back buffer
  if (scaled_) PresentScaledFrame();
  SDL_GL_SwapWindow(window_);
  UpdatePresentation();  // the player may have resized the window
  if (frameBuffer_ != 0) Gl().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, frameBuffer_);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void OpenGLLumet::StartFrame() {
  SetViewport(0, 0, 0, 0);  // also opaque drawing and the neutral colour
  backgrounds_.DrawBackground(0);
}

void OpenGLLumet::Close() {
  if (window_ == nullptr) return;
  // Textures and framebuffers go while the context is still current.
  screens_.ReleaseScreens();
  ReleaseFrame();
  sprites_.FreeAllSprites();
  backgrounds_.ClearAllBackgrounds();
  if (fullScreen_) SDL_SetWindowFullscreen(window_, 0);  // give the desktop its mode back
  fullScreen_ = false;
  // Every frame handed to the driver is drawn before the context goes:
  // llvmpipe's rasterizer threads, woken for a frame still in flight when
  // the display closes, can miss the call to end and wait for each other
  // forever, and the display's close waits for them.
  glFinish();
  SDL_GL_MakeCurrent(window_, nullptr);
  device_.SetReady(false);
  SDL_DestroyWindow(window_);
  window_ = nullptr;
  width_ = 0;
  height_ = 0;
}

}  // namespace vdr
