// Figures of the 2D drawing layer in a real window, GPU work included (each
// measurement ends with glFinish). Run under Xvfb, once per screen path:
//   xvfb-run -a build/bench/bench/gfx2d/gfx2d_bench
//   VENDRIL_NO_FRAMEBUFFER=1 xvfb-run -a build/bench/bench/gfx2d/gfx2d_bench
// Small draws on llvmpipe cost one of two levels from run to run (a few or a
// few tens of microseconds, following Mesa's buffer allocations), so the
// figure of one batch per quad is worth taking from several runs.

#include <SDL2/SDL_opengl.h>
#include <png.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/frame_cycle.h"
#include "app/program.h"
#include "bench/sprite_sheet_picture.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/font_commands.h"
#include "gfx2d/image/image_writers.h"
#include "gfx2d/render_context.h"
#include "gfx2d/sprite_commands.h"

namespace {

using namespace vdr;
using Clock = std::chrono::steady_clock;

// Best of five rounds, in microseconds per call of `work`.
double BestMicroseconds(int calls, const std::function<void()>& work) {
  double best = 1e30;
  for (int round = 0; round < 5; ++round) {
    glFinish();
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i) work();
    glFinish();
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
    if (us < best) best = us;
    ClearScreen(0);
  }
  return best;
}

RuntimeArray<int32_t> Picture(int32_t w, int32_t h, int32_t seed) {
  RuntimeArray<int32_t> pixels;
  pixels.Dim(w * h);
  for (int32_t i = 0; i < w * h; ++i) pixels[i] = static_cast<int32_t>(0xFF000000u | static_cast<uint32_t>(i * 2654435761u + seed) >> 8);
  return pixels;
}

// Whole lines across the window, so every character counted is drawn.
void Text() {
  int32_t cellWidth = 0, cellHeight = 0;
  GetFontSize(cellWidth, cellHeight);
  std::string line;
  for (int i = 0; i < 480 / std::max(1, cellWidth); ++i) line += static_cast<char>(32 + i % 95);
  const RuntimeString text(line.c_str());
  constexpr int kLines = 100;
  const double us = BestMicroseconds(20, [&] {
    for (int i = 0; i < kLines; ++i) PrintText(text, 0, i * 3 % 300);
  });
  const double chars = 1e6 * kLines * line.size() / us;
  std::printf("PrintText, lines of %zu characters: %.1f million characters/s (%.2f us per line)\n", line.size(),
              chars / 1e6, us / kLines);
}

void ScreenPair() {
  CreateScreen(0, 100, 480, 320);
  const double us = BestMicroseconds(500, [] {
    UseScreen(0);
    DrawRect(10, 10, 1, 1, 0x00FF00);
    UseScreen(-1);
  });
  std::printf("UseScreen(0), 1-pixel DrawRect, UseScreen(-1) on a 480 x 320 screen (%s): %.1f us\n",
              ActiveRenderContext()->Screen(0).HasFramebuffer() ? "framebuffer" : "copying", us);
}

void Update() {
  const RuntimeArray<int32_t> first = Picture(480, 320, 1), second = Picture(480, 320, 2);
  MemToSprite(first, 101, 480, 320);
  int call = 0;
  const double us = BestMicroseconds(200, [&] { UpdateSprite(call++ % 2 ? first : second, 101); });
  const double drawn = BestMicroseconds(200, [&] {
    UpdateSprite(call++ % 2 ? first : second, 101);
    DrawSprite(101, 0, 0);
  });
  const double drawOnly = BestMicroseconds(200, [&] { DrawSprite(101, 0, 0); });
  const double remade = BestMicroseconds(20, [&] { MemToSprite(call++ % 2 ? first : second, 101, 480, 320); });
  std::printf("UpdateSprite 480 x 320: %.0f us; with DrawSprite %.0f us (DrawSprite alone %.0f us); "
              "MemToSprite for comparison: %.0f us\n",
              us, drawn, drawOnly, remade);
}

// The same 10,000 textured 5 x 5 quads drawn by DrawSprite, by one polygon
// batch, and by one batch per quad (the way a game would draw without batching).
void Quads() {
  RuntimeArray<int32_t> grain = Picture(5, 5, 3);
  MemToSprite(grain, 102, 5, 5);
  constexpr int kQuads = 10000;
  auto x = [](int i) { return i * 7 % 475; };
  auto y = [](int i) { return i * 13 % 315; };
  auto quad = [&](int i) {
    PolyVector(x(i), y(i), 0, 0, 0xFFFFFF);
    PolyVector(x(i) + 5, y(i), 5, 0, 0xFFFFFF);
    PolyVector(x(i), y(i) + 5, 0, 5, 0xFFFFFF);
    PolyVector(x(i) + 5, y(i) + 5, 5, 5, 0xFFFFFF);
  };
  const double sprites = BestMicroseconds(5, [&] {
    for (int i = 0; i < kQuads; ++i) DrawSprite(102, x(i), y(i));
  });
  const double batched = BestMicroseconds(20, [&] {
    StartPoly(102, 2);
    for (int i = 0; i < kQuads; ++i) {
      PolyNewStrip();
      quad(i);
    }
    EndPoly();
  });
  const double separate = BestMicroseconds(5, [&] {
    for (int i = 0; i < kQuads; ++i) {
      StartPoly(102, 2);
      quad(i);
      EndPoly();
    }
  });
  std::printf("%d textured 5 x 5 quads: DrawSprite each %.2f ms; one polygon batch %.2f ms (%.1fx faster); "
              "one batch each %.2f ms\n",
              kQuads, sprites / 1000, batched / 1000, sprites / batched, separate / 1000);
}

// LoadSprite of a 512 x 512 PNG file (resolve, decode, texture preparation and
// upload) against libpng alone decoding the same file into RGBA.
void PngLoading() {
  const PixelImage picture = bench::SpriteSheetPicture(512);
  std::vector<uint8_t> file;
  EncodePng(picture, file);
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "gfx2d_bench.png";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());

  const RuntimeString name(path.c_str());
  const double loaded = BestMicroseconds(10, [&] { LoadSprite(name, 103); });
  int32_t width = 0, height = 0;
  GetSpriteSize(103, width, height);
  std::vector<uint8_t> rgba(512 * 512 * 4);
  bool decoded = true;
  const double bare = BestMicroseconds(10, [&] {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
      decoded = false;
      return;
    }
    image.format = PNG_FORMAT_RGBA;  // the file's own format is what begin_read reports
    decoded &= png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr) != 0;
  });
  std::filesystem::remove(path);
  if (width != 512 || height != 512 || !decoded) {
    std::printf("PNG loading failed (sprite %d x %d, libpng %s)\n", width, height, decoded ? "ok" : "failed");
    return;
  }
  std::printf("512 x 512 PNG file (%zu bytes): LoadSprite %.2f ms; bare libpng decode %.2f ms (%.2fx)\n", file.size(),
              loaded / 1000, bare / 1000, loaded / bare);
}

void Configure(ProjectSettings& settings) {
  settings.screenWidth = 480;
  settings.screenHeight = 320;
  settings.captureMouse = 0;
  settings.windowTitle = "gfx2d bench";
}

void Main() {
  Text();
  ScreenPair();
  Update();
  Quads();
  PngLoading();
}

const ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
