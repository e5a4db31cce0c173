// Figures of the 2D drawing layer in a real window, GPU work included (each
// measurement ends with glFinish). Run under Xvfb, once per screen path:
//   xvfb-run -a build/release/bench/gfx2d/gfx2d_bench
//   VENDRIL_NO_FRAMEBUFFER=1 xvfb-run -a build/release/bench/gfx2d/gfx2d_bench
// Small draws on llvmpipe cost one of two levels from run to run (a few or a
// few tens of microseconds, following Mesa's buffer allocations), so the
// figure of one batch per quad is worth taking from several runs.

#include <SDL2/SDL_opengl.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "app/frame_cycle.h"
#include "app/program.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/font_commands.h"
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

void Text() {
  std::string line;
  for (int i = 0; i < 200; ++i) line += static_cast<char>(32 + i % 95);
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
              ActiveRenderContext()->screens[0].HasFramebuffer() ? "framebuffer" : "copying", us);
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

void Quads() {
  RuntimeArray<int32_t> grain = Picture(5, 5, 3);
  MemToSprite(grain, 102, 5, 5);
  constexpr int kQuads = 5000;
  auto quad = [](int i) {
    const double x = i * 7 % 475, y = i * 13 % 315;
    PolyVector(x, y, 0, 0, 0xC0A080);
    PolyVector(x + 5, y, 5, 0, 0xC0A080);
    PolyVector(x, y + 5, 0, 5, 0xC0A080);
    PolyVector(x + 5, y + 5, 5, 5, 0xC0A080);
  };
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
  std::printf("textured 5 x 5 quads, one batch of %d: %.2f million/s; one batch each: %.3f million/s\n", kQuads,
              kQuads / batched, kQuads / separate);
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
}

const ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
