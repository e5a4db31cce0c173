#include "tests/support/engine_harness.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>
#include <SDL2/SDL_syswm.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/engine_state.h"
#include "files/runtime_log.h"
#include "gfx2d/render_context.h"

namespace vdr::test {

void StartEngine(const EngineOptions& options) {
  ProjectSettings& settings = Settings();
  settings.screenWidth = options.width;
  settings.screenHeight = options.height;
  settings.traceRun = options.traceRun;
  settings.captureMouse = options.captureMouse;
  settings.windowTitle = options.title;
  Engine().procedures = options.procedures;
  EngineInit(options.showMode, settings.windowTitle);
}

void EnsureEngine() {
  if (Engine().renderContext == nullptr) StartEngine();
}

std::vector<std::string> ReadRuntimeLog() {
  std::ifstream file(RuntimeLogPath(), std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  std::vector<std::string> lines;
  const std::string text = content.str();
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start) + "<unterminated>");
  return lines;
}

int32_t ReadBackPixel(int x, int y) {
  const OpenGLLumet* context = ActiveRenderContext();
  unsigned char rgba[4] = {};
  glReadPixels(x, context->Height() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return rgba[0] | rgba[1] << 8 | rgba[2] << 16;
}

std::string WithWindowId(std::string text) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(Engine().Window(), &info) == SDL_TRUE) {
    const std::string id = std::to_string(info.info.x11.window);
    for (size_t at; (at = text.find("%w")) != std::string::npos;) text.replace(at, 2, id);
  }
  return text;
}

int Xdotool(const std::string& arguments) { return std::system(WithWindowId("xdotool " + arguments).c_str()); }

void PushWindowEvent(SDL_WindowEventID event) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = event;
  e.window.windowID = SDL_GetWindowID(Engine().Window());
  SDL_PushEvent(&e);
}

}  // namespace vdr::test
