// Tests that need an engine of their own, run as death tests in a fresh
// process before any test of this program starts the shared engine: start-up
// and shutdown of the sound device and the music, and movies on a context
// without framebuffer objects.

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/engine_state.h"
#include "modal/movie_player.h"
#include "audio/music_player.h"
#include "audio/sound_system.h"
#include "gfx2d/render_context.h"
#include "tests/audio/audio_window_support.h"
#include "tests/support/engine_harness.h"
#include "tests/support/process_threads.h"

namespace vdr {
namespace {

class FreshEngineTest : public testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FreshEngineTest, ShutdownStopsTheMusicAndReleasesTheSoundDevice) {
  EXPECT_EXIT(
      {
        test::StartEngine();
        const bool started = ActiveSoundSystem() != nullptr && ActiveSoundSystem()->HasDevice() &&
                             FreeSoundSlot() == 0;
        PlayMusic(test::AudioMedia("one_second.mp3").c_str(), 1);
        const bool playing = MusicPlaying() == 1 && Mix_PlayingMusic() != 0;
        EngineShutdown();
        const bool released = MusicPlaying() == 0 && !IsRegistered<MusicPlayer>() && ActiveSoundSystem() == nullptr &&
                              Engine().sound == nullptr && Mix_QuerySpec(nullptr, nullptr, nullptr) == 0;
        std::_Exit(started && playing && released ? 0 : 3);
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(FreshEngineTest, ClosingTheWindowDuringAMovieEndsThePlayerWithTheProgram) {
  EXPECT_EXIT(
      {
        test::StartEngine();
        test::ExpectNoOtherThreadsAtExit();
        // The close request waits in the queue; the movie's first pump takes it.
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        PlayMovie(test::AudioMedia("red_over_blue.avi").c_str(), 1);
        std::_Exit(1);  // END did not run
      },
      testing::ExitedWithCode(0), "");
  const std::vector<std::string> log = test::ReadRuntimeLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "vdr is shut down");
}

TEST_F(FreshEngineTest, WithoutFramebufferObjectsTheMovieFitsItselfIntoTheWindow) {
  EXPECT_EXIT(
      {
        setenv("VENDRIL_NO_FRAMEBUFFER", "1", 1);
        test::StartEngine();
        OpenGLLumet& context = *ActiveRenderContext();
        context.ClearFrame(0x00FF00);
        context.PresentFrame();
        const bool played = PlayMovie(test::AudioMedia("red_over_blue.avi").c_str(), 0) == 0;
        // The same place as with them; mpv fills the rest of the window with black.
        const int32_t top = test::ShownPixel(160, 80);
        const int32_t bottom = test::ShownPixel(160, 160);
        const bool placed = (top & 0xFF) > 200 && (top >> 16) < 60 && (bottom >> 16) > 200 && (bottom & 0xFF) < 60 &&
                            test::ShownPixel(160, 30) == 0;
        std::fprintf(stderr, "played %d, top %06x, bottom %06x\n", played, top, bottom);
        std::_Exit(played && placed ? 0 : 3);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vdr
