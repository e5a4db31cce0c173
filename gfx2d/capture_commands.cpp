#include "gfx2d/capture_commands.h"

#include <string>

#include "files/file_resolver.h"
#include "gfx2d/render_context.h"
#include "runtime/error_status.h"
#include "runtime/number_text.h"

namespace vdr {

void CreateScreen(double screen, double slot, double width, double height) {
  if (OpenGLLumet* c = ActiveRenderContext()) {
    c->Screens().CreateScreen(ToInt(screen), ToInt(slot), ToInt(width), ToInt(height));
  }
}

void UseScreen(double screen) {
  OpenGLLumet* c = ActiveRenderContext();
  if (c == nullptr) return;
  const int32_t number = ToInt(screen);
  if (number < 0) {
    c->Screens().EndScreen();
  } else {
    c->Screens().UseScreen(number);
  }
}

int32_t GrabSprite(double slot, double x, double y, double w, double h) {
  OpenGLLumet* c = ActiveRenderContext();
  return c != nullptr && c->Screens().GrabSprite(ToInt(slot), ToInt(x), ToInt(y), ToInt(w), ToInt(h)) ? 1 : 0;
}

int32_t GetPixel(double x, double y) {
  OpenGLLumet* c = ActiveRenderContext();
  return c != nullptr ? c->Screens().ReadPixel(ToInt(x), ToInt(y)) : 0;
}

void LoadBackground(const RuntimeString& file) {
  ClearErrorCode();
  OpenGLLumet* c = ActiveRenderContext();
  if (c == nullptr) return;
  std::string name;
  BackgroundStore& backgrounds = c->Backgrounds();
  if (MemoryContext().Resolve(file.c_str(), name) && backgrounds.LoadBackground(0, name.c_str())) {
    backgrounds.DrawBackground(0);
    return;
  }
  RecordError(kErrorNoSuchFile);
  backgrounds.ClearBackground(0);
  c->ClearFrame(0);
}

void GrabBackground() {
  if (OpenGLLumet* c = ActiveRenderContext()) c->Backgrounds().GrabBackground(0);
}

void ClearScreen(double colour) {
  OpenGLLumet* c = ActiveRenderContext();
  if (c == nullptr) return;
  c->Backgrounds().ClearBackground(0);
  c->ClearFrame(ToInt(colour));
}

void SaveScreenshot(const RuntimeString& file) {
  ClearErrorCode();
  OpenGLLumet* c = ActiveRenderContext();
  if (c == nullptr || !c->SaveScreenshot(file.c_str())) RecordError(kErrorNoSuchFile);
}

void SaveSprite(const RuntimeString& file, double slot) {
  ClearErrorCode();
  OpenGLLumet* c = ActiveRenderContext();
  if (c == nullptr || !c->Sprites().SaveSprite(file.c_str(), ToInt(slot))) RecordError(kErrorNoSuchFile);
}

}  // namespace vdr
