// Draws two pictures for the documentation through the real commands in a
// real window and saves them as screenshots:
//   xvfb-run -a build/bench/tests/gfx2d/gfx2d_pictures docs
// writes docs/builtin-font-window.png (the 96 characters of the built-in
// font printed with PrintText, and the same lines grabbed and enlarged) and
// docs/test-scene.png (background, sprites, an offscreen screen, the polygon
// batch and text).

#include <cmath>
#include <cstdio>
#include <string>

#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "app/program.h"
#include "files/platform_paths.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/font_commands.h"
#include "gfx2d/image/image_writers.h"
#include "gfx2d/render_context.h"
#include "gfx2d/sprite_commands.h"
#include "runtime/random.h"
#include "tests/support/picture_folder.h"

namespace {

using namespace vdr;

constexpr int32_t kWidth = 480, kHeight = 320;

int32_t Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

// A sprite from a function of (x, y) giving RGBA.
template <typename F>
void MakeSprite(int32_t slot, int32_t w, int32_t h, F pixel) {
  RuntimeArray<int32_t> pixels;
  pixels.Dim(w * h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) pixels[y * w + x] = static_cast<int32_t>(pixel(x, y));
  }
  MemToSprite(pixels, slot, w, h);
}

uint32_t Opaque(int32_t rgb) { return static_cast<uint32_t>(rgb) | 0xFF000000u; }

void SaveAndShow(const std::string& file) {
  SaveScreenshot(file.c_str());
  std::printf("%s\n", file.c_str());
  ShowScreen();
}

void FontPicture(const std::string& folder) {
  ClearScreen(Rgb(40, 70, 112));
  SetFont(0);
  PrintText("The built-in font, drawn by PrintText:", 8, 6);
  for (int line = 0; line < 6; ++line) {
    std::string text;
    for (int c = 32 + line * 16; c < 48 + line * 16; ++c) text += static_cast<char>(c);
    PrintText(text.c_str(), 8, 22 + line * 10);
  }
  // The same lines, grabbed and enlarged three times without smoothing.
  GrabSprite(1, 8, 22, 128, 58);
  SmoothShading(0);
  StretchSprite(1, 8, 90, 128 * 3, 58 * 3);
  SmoothShading(1);
  SaveAndShow(folder + "builtin-font-window.png");
}

void ScenePicture(const std::string& folder) {
  // A sky with hills as the background picture.
  PixelImage sky;
  sky.Reset(kWidth, kHeight);
  for (int32_t y = 0; y < kHeight; ++y) {
    for (int32_t x = 0; x < kWidth; ++x) {
      uint8_t* p = sky.Row(y) + x * 4;
      const double hill = 230 + 30 * std::sin(x / 45.0) + 12 * std::sin(x / 13.0);
      const bool ground = y > hill;
      p[0] = static_cast<uint8_t>(ground ? 70 + y / 8 : 90 + y / 3);
      p[1] = static_cast<uint8_t>(ground ? 130 + y / 10 : 150 + y / 4);
      p[2] = static_cast<uint8_t>(ground ? 50 : 230 - y / 6);
      p[3] = 255;
    }
  }
  const std::string skyFile = TempFolder() + "scene-sky.png";
  SaveImage(skyFile, sky);
  LoadBackground(skyFile.c_str());

  // A shaded ball with a transparent outside.
  MakeSprite(2, 32, 32, [](int32_t x, int32_t y) {
    const double dx = x - 15.5, dy = y - 15.5, d = std::sqrt(dx * dx + dy * dy);
    if (d > 15.5) return 0u;
    const int shade = static_cast<int>(255 - 6 * std::sqrt((x - 10) * (x - 10) + (y - 10) * (y - 10)));
    return Opaque(Rgb(std::max(shade, 60), std::max(shade / 3, 20), 40));
  });
  // A checker board, and a strip of four coloured frames.
  MakeSprite(3, 24, 24, [](int32_t x, int32_t y) { return Opaque((x / 6 + y / 6) % 2 ? Rgb(250, 250, 250) : Rgb(30, 30, 30)); });
  const int32_t frames[4] = {Rgb(230, 60, 60), Rgb(60, 200, 80), Rgb(70, 110, 230), Rgb(240, 200, 40)};
  MakeSprite(4, 64, 16, [&](int32_t x, int32_t y) {
    const int cx = x % 16 - 8, cy = y - 8;
    return cx * cx + cy * cy < 50 ? Opaque(frames[x / 16]) : 0u;
  });
  SetSpriteAnim(4, 16, 16);

  // Offscreen screen 0: a small painting with a transparent hole.
  CreateScreen(0, 5, 120, 80);
  UseScreen(0);
  DrawRect(0, 0, 120, 80, Rgb(250, 240, 210));
  for (int i = 0; i < 12; ++i) DrawLine(0, i * 7, 119, 79 - i * 7, Rgb(200, 40 + i * 15, 90));
  DrawRect(45, 25, 30, 30, 0x8000FF);  // the colour key: transparent on the screen
  UseScreen(-1);

  DrawSprite(5, 330, 40);
  DrawSprite(2, 30, 40);
  ZoomSprite(2, 90, 40, 1.5, 1.5);
  RotoZoomSprite(3, 190, 60, 30, 1.5);
  RotoSprite(3, 250, 60, -15);
  for (int frame = 0; frame < 4; ++frame) DrawAnim(4, frame, 30 + frame * 20, 110);
  StretchAnim(4, 2, 120, 100, 40, 40);

  // Grains through the polygon batch: one strip of 5 x 5 quads.
  MakeSprite(6, 5, 5, [](int32_t x, int32_t y) { return Opaque(Rgb(255 - 20 * (x + y), 255 - 20 * (x + y), 255 - 20 * (x + y))); });
  SeedRandom(7);
  StartPoly(6, 2);
  for (int i = 0; i < 400; ++i) {
    const double x = 180 + Random(260), y = 200 + Random(70) + (x - 180) / 8;
    const int32_t colour = i % 3 == 0 ? Rgb(230, 200, 120) : i % 3 == 1 ? Rgb(210, 160, 90) : Rgb(250, 230, 170);
    PolyNewStrip();
    PolyVector(x, y, 0, 0, colour);
    PolyVector(x + 5, y, 5, 0, colour);
    PolyVector(x, y + 5, 0, 5, colour);
    PolyVector(x + 5, y + 5, 5, 5, colour);
  }
  EndPoly();

  // A half transparent panel with text.
  AlphaMode(-0.6);
  DrawRect(10, 250, 160, 60, 0);
  AlphaMode(0);
  PrintText("Vendril test scene", 18, 258);
  PrintText("sprites, screen 0,", 18, 272);
  PrintText("grains and text", 18, 286);
  SaveAndShow(folder + "test-scene.png");
}

void Configure(ProjectSettings& settings) {
  settings.screenWidth = kWidth;
  settings.screenHeight = kHeight;
  settings.captureMouse = 0;
  settings.windowTitle = "Vendril pictures";
}

void Main() {
  const std::string folder = test::PictureFolder();
  FontPicture(folder);
  ScenePicture(folder);
}

const ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
