#include "gfx2d/font_commands.h"

#include <string>

#include "files/file_resolver.h"
#include "gfx2d/render_context.h"
#include "runtime/error_status.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {

// Loads an already resolved name; a font that does not load leaves the
// built-in font in its slot.
void LoadResolvedFont(FontStore& fonts, int32_t font, const char* resolvedName) {
  if (fonts.LoadFontFile(font, resolvedName)) return;
  RecordError(kErrorNoSuchFile);
  fonts.InstallBuiltInFont(font);
}

}  // namespace

void LoadFont(const RuntimeString& file, double font) {
  ClearErrorCode();
  OpenGLLumet* c = ActiveRenderContext();
  if (c == nullptr) return;
  FontStore& fonts = c->Fonts();
  if (file.empty()) {
    fonts.LoadFontFile(ToInt(font), "");
    return;
  }
  fonts.SelectFont(ClampFontNumber(ToInt(font)));
  std::string name;
  if (!MemoryContext().Resolve(file.c_str(), name)) name.clear();
  LoadResolvedFont(fonts, fonts.CurrentFont(), name.c_str());
}

void SetFont(double font) {
  if (OpenGLLumet* c = ActiveRenderContext()) c->Fonts().SelectFont(ClampFontNumber(ToInt(font)));
}

void PrintText(const RuntimeString& text, double x, double y) {
  if (OpenGLLumet* c = ActiveRenderContext()) {
    FontStore& fonts = c->Fonts();
    fonts.DrawText(fonts.CurrentFont(), text.view(), static_cast<float>(x), static_cast<float>(y), 0.0f);
  }
}

void GetFontSize(int32_t& width, int32_t& height) {
  const OpenGLLumet* c = ActiveRenderContext();
  const FontGrid grid = c != nullptr ? c->Fonts().FontCellSize(c->Fonts().CurrentFont()) : FontGrid{};
  width = grid.cellWidth;
  height = grid.cellHeight;
}

void GetFontSize(double& width, double& height) {
  int32_t w, h;
  GetFontSize(w, h);
  width = w;
  height = h;
}

int32_t GenFont() {
  const OpenGLLumet* c = ActiveRenderContext();
  if (c == nullptr) return -1;
  for (int32_t font = 0; font < kFontSlots - 1; ++font) {
    if (c->Fonts().FontCellSize(font).cellWidth == 0) return font;
  }
  return -1;
}

void LoadDefaultFont() {
  OpenGLLumet* c = ActiveRenderContext();
  if (c == nullptr) return;
  FontStore& fonts = c->Fonts();
  fonts.InstallBuiltInFont(0);
  // The resolved name is loaded as it is: resolving it again would withdraw
  // a font just unpacked from a media pack.
  std::string name;
  if (MemoryContext().Resolve("smalfont.png", name) || MemoryContext().Resolve("smalfont.bmp", name)) {
    LoadResolvedFont(fonts, 0, name.c_str());
  }
  fonts.SelectFont(0);
}

}  // namespace vdr
