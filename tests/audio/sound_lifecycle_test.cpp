// Start-up opens the sound device with empty slots; shutdown stops the music
// and releases the slots and the device. Runs before any test of this program
// starts the shared engine, as death tests must.

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/engine_state.h"
#include "audio/music_player.h"
#include "audio/sound_system.h"
#include "tests/audio/audio_window_support.h"
#include "tests/support/engine_harness.h"

namespace vdr {
namespace {

TEST(SoundLifecycleTest, ShutdownStopsTheMusicAndReleasesTheDevice) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        test::StartEngine();
        const bool started = ActiveSoundSystem() != nullptr && ActiveSoundSystem()->HasDevice() &&
                             FreeSoundSlot() == 0;
        PlayMusic(test::AudioMedia("one_second.mp3").c_str(), 1);
        const bool playing = MusicPlaying() == 1 && Mix_PlayingMusic() != 0;
        EngineShutdown();
        const bool released = MusicPlaying() == 0 && Music().RestartTime() == 0 && ActiveSoundSystem() == nullptr &&
                              Engine().sound == nullptr && Mix_QuerySpec(nullptr, nullptr, nullptr) == 0;
        std::_Exit(started && playing && released ? 0 : 3);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vdr
