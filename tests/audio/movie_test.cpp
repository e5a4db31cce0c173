// Movies in the game window: where the picture goes, how a movie ends, and
// that 2D drawing goes on afterwards.

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "modal/movie_player.h"
#include "gfx2d/render_context.h"
#include "tests/audio/audio_window_support.h"
#include "tests/audio/wave_builder.h"
#include "tests/support/engine_harness.h"

namespace vdr {
namespace {

const std::string kRedOverBlue = test::AudioMedia("red_over_blue.avi");

using test::ShownPixel;

// Within the colour error of a compressed movie.
testing::AssertionResult CloseTo(int32_t colour, int32_t expected) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(((colour >> shift) & 0xFF) - ((expected >> shift) & 0xFF)) > 40) {
      return testing::AssertionFailure() << std::hex << colour << " is not " << expected;
    }
  }
  return testing::AssertionSuccess();
}

class MovieTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { test::EnsureEngine(); }
};

TEST_F(MovieTest, FileThatCannotBeOpenedGives3) {
  EXPECT_EQ(PlayMovie("no-such-movie.avi", 0), 3);
  const std::string text = test::TempFile("not-a-movie.avi");
  ASSERT_TRUE(test::WriteBytes(text, "not a movie"));
  EXPECT_EQ(PlayMovie(text.c_str(), 1), 3);
}

TEST_F(MovieTest, PlaysScaledAndCentredOnTheBackgroundColourUntilItsEnd) {
  OpenGLLumet& context = *ActiveRenderContext();
  context.ClearFrame(0x00FF00);
  context.PresentFrame();
  ASSERT_EQ(ShownPixel(160, 120), 0x00FF00);

  EXPECT_EQ(PlayMovie(kRedOverBlue.c_str(), 0), 0);
  // 160 x 60 in 320 x 240: twice the size, 320 x 120 from y = 60.
  EXPECT_TRUE(CloseTo(ShownPixel(2, 62), 0x0000FF));
  EXPECT_TRUE(CloseTo(ShownPixel(160, 110), 0x0000FF));
  EXPECT_TRUE(CloseTo(ShownPixel(160, 130), 0xFF0000));
  EXPECT_TRUE(CloseTo(ShownPixel(317, 177), 0xFF0000));
  EXPECT_EQ(ShownPixel(160, 57), 0x00FF00);
  EXPECT_EQ(ShownPixel(160, 182), 0x00FF00);

  // The 2D drawing state is the runtime's own again.
  context.ClearFrame(0);
  glColor4f(0, 1, 0, 1);
  glBegin(GL_POINTS);
  glVertex2f(20.5f, 30.5f);
  glEnd();
  EXPECT_EQ(test::ReadBackPixel(20, 30), 0x00FF00);
}

Uint32 TapKeyAgain(Uint32 interval, void*) {
  test::PushKeyTap();
  return interval;
}

TEST_F(MovieTest, LoopingMoviePlaysOnUntilAKeyIsTyped) {
  const Uint32 started = SDL_GetTicks();
  // Taps keep coming, so one of them falls after the wait for released keys.
  const SDL_TimerID timer = SDL_AddTimer(1500, TapKeyAgain, nullptr);
  EXPECT_EQ(PlayMovie(kRedOverBlue.c_str(), 1), 0);
  SDL_RemoveTimer(timer);
  EXPECT_GE(SDL_GetTicks() - started, 1500u);  // past the movie's one-second end
}

}  // namespace
}  // namespace vdr
