// The scene draws loose grains as one composed picture and settled grains as
// one batch; both must look exactly like drawing every grain on its own.

#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/game_state.h"
#include "game/grains.h"
#include "game/procedures.h"
#include "gfx2d/render_context.h"
#include "tests/game/plain_grain_drawing.h"
#include "tests/support/engine_harness.h"
#include "vendril.h"

namespace granzel {
namespace {

std::vector<uint32_t> WindowPixels() {
  std::vector<uint32_t> pixels(kFieldWidth * kFieldHeight);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, kFieldWidth, kFieldHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

std::vector<int32_t> CanvasPixels() {
  RuntimeArray<int32_t> pixels;
  vdr::SpriteToMem(pixels, kCanvas);
  return std::vector<int32_t>(pixels.Data(), pixels.Data() + pixels.Count());
}

class SceneDrawingTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    vdr::test::StartEngine({.width = kFieldWidth, .height = kFieldHeight});
    vdr::SetPackFile(GRANZEL_MEDIA_FOLDER "/media.sbx", GRANZEL_MEDIA_FOLDER "/snd.sbx");
    LoadGrainPictures();
    vdr::SmoothShading(1);
  }
  void SetUp() override { vdr::CreateScreen(0, kCanvas, kFieldWidth, kFieldHeight); }

  // Overlapping grains of every colour and variant, some at the edges.
  static void MakeGrains(RuntimeArray<Grain>& grains, int count) {
    vdr::SeedRandom(99);
    vdr::DimArray(grains, count);
    for (int i = 0; i < count; ++i) {
      grains[i] = Grain{static_cast<double>(vdr::Random(478)), static_cast<double>(vdr::Random(318)),
                        static_cast<double>(i % kColours), static_cast<double>(i % 5), 0};
    }
  }
};

TEST_F(SceneDrawingTest, SettledGrainsPaintAsIfDrawnOneByOne) {
  GameState& game = Game();
  MakeGrains(game.settledThisFrame, 2000);
  RuntimeArray<Grain> grains(game.settledThisFrame);
  PaintSettledGrains();
  const std::vector<int32_t> batched = CanvasPixels();
  ASSERT_GT(std::count_if(batched.begin(), batched.end(), [](int32_t p) { return p != 0; }), 20000);

  vdr::CreateScreen(0, kCanvas, kFieldWidth, kFieldHeight);
  vdr::UseScreen(0);
  vdr::AlphaMode(-1);
  for (int i = 0; i < grains.Count(); ++i) {
    const Grain& g = grains[i];
    vdr::DrawAnim(kGrainStrip, g.colour * 5 + g.variant, g.x, g.y);
  }
  vdr::AlphaMode(0);
  vdr::UseScreen(-1);
  EXPECT_TRUE(batched == CanvasPixels());
  EXPECT_EQ(vdr::ArrayBounds(game.settledThisFrame, 0), 0);
}

TEST_F(SceneDrawingTest, LooseGrainsLookAsIfEachWereItsOwnQuad) {
  GameState& game = Game();
  MakeGrains(game.grains, 3000);
  game.inOptions = 1;  // no options button over the grains
  vdr::ActiveRenderContext()->ClearFrame(0);
  pintafondo();
  const std::vector<uint32_t> composed = WindowPixels();
  ASSERT_GT(std::count_if(composed.begin(), composed.end(), [](uint32_t p) { return (p & 0xFFFFFF) != 0; }), 20000);

  vdr::ActiveRenderContext()->ClearFrame(0);
  vdr::DrawSprite(kCanvas, 0, 0);
  DrawEachGrainAsItsOwnBatch(game.grains);
  EXPECT_TRUE(composed == WindowPixels());
  game.inOptions = 0;
}

}  // namespace
}  // namespace granzel
