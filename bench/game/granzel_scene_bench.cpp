// The cost of Granzel's frame with many loose grains: advance (the sand step
// and painting settled grains into the canvas), draw (the scene) and present
// (the frame cycle without its pacing wait), for 1,000 to 100,000 grains from
// a fixed seed (the shares of the steps measured waiting for the GPU after
// each one); and the same frames drawn the plain way, each grain with its
// own polygon batch and each settled grain with its own visit of screen 0.
// Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench/game/granzel_scene_bench

#include <SDL2/SDL_opengl.h>

#include <chrono>
#include <cstdio>

#include "app/engine_state.h"
#include "game/game_state.h"
#include "game/grains.h"
#include "game/procedures.h"
#include "tests/game/plain_grain_drawing.h"
#include "vendril.h"

namespace {

using granzel::GameState;
using granzel::Grain;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

void Configure(vdr::ProjectSettings& settings) {
  settings.screenWidth = 480;
  settings.screenHeight = 320;
  settings.captureMouse = 0;
  settings.windowTitle = "Granzel scene benchmark";
}

void SetUpScene() {
  vdr::SetPackFile(GRANZEL_MEDIA_FOLDER "/media.sbx", GRANZEL_MEDIA_FOLDER "/snd.sbx");
  vdr::SetScreen(480, 320, 0);
  vdr::SmoothShading(1);
  vdr::CreateScreen(0, granzel::kCanvas, 480, 320);
  granzel::LoadGrainPictures();
  vdr::LoadSprite("options.png", granzel::kOptionsButton);
  // No pacing wait: only the frame's own work is measured.
  vdr::Engine().schedule.framePeriod = 0;
}

void Populate(GameState& game, int count) {
  vdr::SeedRandom(1234);
  granzel::ResetField(game);
  vdr::DimArray(game.grains, count);
  for (int i = 0; i < count; ++i) {
    game.grains[i] = Grain{static_cast<double>(vdr::Random(477) + 1), static_cast<double>(vdr::Random(250) + 1),
                           static_cast<double>(vdr::Random(59)), static_cast<double>(vdr::Random(4)), 0};
  }
  // A settled floor of sand, so that grains land, slide and settle.
  for (int x = 1; x < 479; ++x) game.cells[316 * 480 + x] = 5;
}

// The plain way: one polygon batch per loose grain ...
void DrawGrainsOneByOne(const GameState& game) {
  vdr::DrawSprite(granzel::kCanvas, 0, 0);
  granzel::DrawEachGrainAsItsOwnBatch(game.grains);
  vdr::DrawSprite(granzel::kOptionsButton, 456, 0);
}

// ... and one visit of screen 0 per settled grain.
void PaintSettledOneByOne(GameState& game) {
  for (int32_t i = 0; i < vdr::ArrayBounds(game.settledThisFrame, 0); ++i) {
    const Grain& g = game.settledThisFrame[i];
    vdr::UseScreen(0);
    vdr::AlphaMode(-1);
    vdr::DrawAnim(granzel::kGrainStrip, g.colour * 5 + g.variant, g.x, g.y);
    vdr::AlphaMode(0);
    vdr::UseScreen(-1);
  }
  vdr::RedimArray(game.settledThisFrame, 0);
}

struct FrameCost {
  double advance = 0, draw = 0, present = 0;
  double Total() const { return advance + draw + present; }
};

// With `waitForGpu`, each step ends when the GPU has done its work: llvmpipe
// renders when commands are flushed, so the drawing would otherwise count in
// the present step. The waits cost overlap, so the frame time is taken
// without them.
FrameCost Measure(GameState& game, int grains, bool plain, int frames, bool waitForGpu) {
  Populate(game, grains);
  FrameCost cost;
  auto stepEnd = [&](Clock::time_point start) {
    if (waitForGpu) glFinish();
    return Milliseconds(start);
  };
  for (int frame = 0; frame < frames; ++frame) {
    auto start = Clock::now();
    granzel::AdvanceGrains(game);
    if (plain) {
      PaintSettledOneByOne(game);
    } else {
      granzel::PaintSettledGrains();
    }
    cost.advance += stepEnd(start);
    start = Clock::now();
    if (plain) {
      DrawGrainsOneByOne(game);
    } else {
      granzel::pintafondo();
    }
    cost.draw += stepEnd(start);
    start = Clock::now();
    vdr::ShowScreen();
    cost.present += stepEnd(start);
  }
  cost.advance /= frames;
  cost.draw /= frames;
  cost.present /= frames;
  return cost;
}

void Main() {
  GameState& game = granzel::Game();
  SetUpScene();
  std::printf("%8s %9s %9s %9s %9s   %s\n", "grains", "frame ms", "advance", "draw", "present", "plain way");
  for (int grains : {1000, 10000, 50000, 100000}) {
    const double frame = Measure(game, grains, false, 30, false).Total();
    const FrameCost steps = Measure(game, grains, false, 30, true);
    const double plain = Measure(game, grains, true, grains >= 50000 ? 3 : 10, false).Total();
    std::printf("%8d %9.2f %8.0f%% %8.0f%% %8.0f%%   %.1f ms (%.1f times)\n", grains, frame,
                100 * steps.advance / steps.Total(), 100 * steps.draw / steps.Total(),
                100 * steps.present / steps.Total(), plain, plain / frame);
  }
}

const vdr::ProcedureEntry kProcedures[] = {{nullptr, nullptr}};

}  // namespace

const vdr::Program vdr::kProgram = {Configure, Main, kProcedures};
