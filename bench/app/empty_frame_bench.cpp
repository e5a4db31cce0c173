// The cost of the frame cycle itself: ShowScreen with nothing drawn and the
// frame-rate limit out of the way, against the bare buffer swap and clear; in
// a window of the screen's own size (scale 1) and in full screen, where the
// frame is presented enlarged.
// Run under Xvfb: xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench/app/empty_frame_bench

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>

#include <chrono>
#include <cstdio>

#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "app/program.h"
#include "gfx2d/render_context.h"

namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsPerFrame(int frames, void (*frame)()) {
  const auto start = Clock::now();
  for (int i = 0; i < frames; ++i) frame();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / frames;
}

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 480;
  settings.screenHeight = 320;
  settings.captureMouse = 0;
  settings.windowTitle = "empty frame";
}

void Measure(const char* name) {
  constexpr int kFrames = 3000;
  MicrosecondsPerFrame(200, vdr::ShowScreen);  // warm up
  double bestFrame = 1e9, bestSwap = 1e9;
  for (int round = 0; round < 5; ++round) {
    const double frame = MicrosecondsPerFrame(kFrames, vdr::ShowScreen);
    const double swap = MicrosecondsPerFrame(kFrames, [] {
      SDL_GL_SwapWindow(vdr::Engine().Window());
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    });
    if (frame < bestFrame) bestFrame = frame;
    if (swap < bestSwap) bestSwap = swap;
  }
  const vdr::FrameFit& fit = vdr::ActiveRenderContext()->Presentation();
  std::printf("%s, scale %d in %d x %d:\n", name, fit.scale, fit.shown.w + 2 * fit.shown.x,
              fit.shown.h + 2 * fit.shown.y);
  std::printf("  empty frame (480 x 320): %.1f us, %.0f frames/s\n", bestFrame, 1e6 / bestFrame);
  std::printf("  swap and clear alone:    %.1f us\n", bestSwap);
  std::printf("  outside the swap:        %.1f us (%.1f%% of the frame)\n", bestFrame - bestSwap,
              100.0 * (bestFrame - bestSwap) / bestFrame);
}

void Main() {
  // No pacing: a period of 0 skips the schedule, and a due time in the past
  // never waits.
  vdr::Engine().schedule = {};
  vdr::OpenGLLumet& context = *vdr::ActiveRenderContext();
  context.SetWindowScale(1);
  context.SetScreen(0, 0, 0, 0);
  Measure("window");
  context.SetScreen(0, 0, 0, 1);
  Measure("full screen");
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
