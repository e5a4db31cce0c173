// Music in the running engine: looping by the runtime's restart check in the
// frame cycle, its pause loop and the blocking wait; the end of a piece;
// volume; packed music.

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "app/window_events.h"
#include "audio/music_player.h"
#include "audio/sound_system.h"
#include "files/file_resolver.h"
#include "files/pack_writer.h"
#include "files/platform_paths.h"
#include "modal/input_waits.h"
#include "runtime/clock.h"
#include "tests/audio/audio_window_support.h"
#include "tests/audio/wave_builder.h"
#include "tests/support/engine_harness.h"

namespace vdr {
namespace {

const std::string kOneSecond = test::AudioMedia("one_second.mp3");

// Where the mixer is in the piece it plays, in seconds; -1 when it plays none.
double PlayedPosition() { return Mix_PlayingMusic() != 0 ? Mix_GetMusicPosition(nullptr) : -1; }

// The tests sample the mixer once per frame; short frames sample it finely.
class MusicTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { test::EnsureEngine(); }
  void SetUp() override { SetFps(0); }
  void TearDown() override {
    StopMusic();
    SetFps(60);
  }
};

TEST_F(MusicTest, LoopingPieceStaysPlayingAndStartsOverAfterItsLength) {
  PlayMusic(kOneSecond.c_str(), 1);
  const double firstRestart = Music().RestartTime();
  ASSERT_GE(firstRestart, Clock() + 900);
  double previous = 0;
  bool startedOver = false;
  const double giveUp = Clock() + 30000;
  while (!startedOver && Clock() < giveUp) {
    ShowScreen();
    ASSERT_EQ(MusicPlaying(), 1);
    const double position = PlayedPosition();
    if (position < 0) continue;  // at its end, waiting for the restart
    if (position < previous) {
      startedOver = true;
      // The mixer's thread may fall behind the runtime's clock on a busy
      // machine; the clock says the restart was not early.
      EXPECT_GE(previous, 0.5);
      EXPECT_GE(Clock(), firstRestart);
      EXPECT_GE(Music().RestartTime(), firstRestart + 1000);  // counted from this restart
    }
    previous = position;
  }
  EXPECT_TRUE(startedOver);
}

TEST_F(MusicTest, PieceWithoutLoopStopsPlayingAtItsEnd) {
  const double started = Clock();
  PlayMusic(kOneSecond.c_str(), 0);
  EXPECT_EQ(Music().RestartTime(), 0);
  EXPECT_EQ(MusicPlaying(), 1);
  double last = 0;
  const double giveUp = Clock() + 30000;
  while (MusicPlaying() == 1 && Clock() < giveUp) {
    last = std::max(last, PlayedPosition());
    ShowScreen();
  }
  EXPECT_EQ(MusicPlaying(), 0);
  // Played through, not cut short: the device plays no faster than real
  // time, while a busy machine may let the mixer's position move on in
  // steps too large for the frames to see it near the end.
  EXPECT_GT(last, 0);
  EXPECT_GE(Clock() - started, 900);
  // Not started over: the mixer comes to its end too, and it stays stopped.
  for (const double giveUp = Clock() + 5000; Mix_PlayingMusic() != 0 && Clock() < giveUp;) {
    ShowScreen();
    ASSERT_EQ(MusicPlaying(), 0);
  }
  EXPECT_EQ(Mix_PlayingMusic(), 0);
  for (int frame = 0; frame < 5; ++frame) ShowScreen();
  EXPECT_EQ(MusicPlaying(), 0);
  EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(MusicTest, RestartMusicStartsThePieceOver) {
  PlayMusic(kOneSecond.c_str(), 0);
  for (const double giveUp = Clock() + 30000; PlayedPosition() < 0.3 && Clock() < giveUp;) ShowScreen();
  ASSERT_GE(PlayedPosition(), 0.3);
  RestartMusic();
  EXPECT_LT(PlayedPosition(), 0.2);
  EXPECT_EQ(MusicPlaying(), 1);
}

TEST_F(MusicTest, VolumeIsSentWhenItChangesWhileAPieceIsOpen) {
  PlayMusic(kOneSecond.c_str(), 1);
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);  // a piece starts at normal volume
  MusicVolume(0.5);
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
  Mix_VolumeMusic(10);  // behind the runtime's back, to see whether it sends again
  MusicVolume(0.5);
  EXPECT_EQ(Mix_VolumeMusic(-1), 10);

  StopMusic();
  MusicVolume(0.5);  // no piece: kept, not sent
  EXPECT_EQ(Music().Volume(), 0.5);
  EXPECT_EQ(Mix_VolumeMusic(-1), 10);
  PlayMusic(kOneSecond.c_str(), 1);
  EXPECT_EQ(Music().Volume(), 1.0);
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
}

TEST_F(MusicTest, MissingAndUnplayableFiles) {
  PlayMusic("no-such-piece.mp3", 1);
  EXPECT_EQ(MusicPlaying(), 0);
  EXPECT_EQ(Music().RestartTime(), 0);

  const std::string text = test::TempFile("not-music.mp3");
  ASSERT_TRUE(test::WriteBytes(text, "not a piece of music"));
  PlayMusic(text.c_str(), 0);
  EXPECT_EQ(MusicPlaying(), 0);
  // A looping piece counts as playing, and a broken one is retried twice a second.
  const double before = Clock();
  PlayMusic(text.c_str(), 1);
  EXPECT_EQ(MusicPlaying(), 1);
  EXPECT_GE(Music().RestartTime(), before + 500);
  EXPECT_LE(Music().RestartTime(), Clock() + 500);
}

TEST_F(MusicTest, PackedPieceIsPlayedFromATemporaryFile) {
  std::ifstream file(kOneSecond, std::ios::binary);
  const std::vector<uint8_t> mp3((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<uint8_t> pack;
  std::string error;
  ASSERT_TRUE(BuildPack({{"tune.mp3", mp3}}, false, pack, error)) << error;
  const std::string packPath = test::TempFile("snd.sbx");
  ASSERT_TRUE(test::WriteBytes(packPath, std::string(pack.begin(), pack.end())));
  SetPackFile(ExecutablePath().c_str(), packPath.c_str());

  const double before = Clock();
  PlayMusic("Media/Tune.MP3", 1);
  EXPECT_EQ(MusicPlaying(), 1);
  EXPECT_GE(Music().RestartTime(), before + 1000);  // the decoder knows its length
  for (const double giveUp = Clock() + 30000; PlayedPosition() < 0.2 && Clock() < giveUp;) ShowScreen();
  EXPECT_GE(PlayedPosition(), 0.2);
  SetPackFile(ExecutablePath().c_str(), ExecutablePath().c_str());
}

Uint32 RegainFocus(Uint32, void*) {
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  return 0;
}

Uint32 TapKey(Uint32, void*) {
  test::PushKeyTap();
  return 0;
}

// Schedules `event` for a little after the looping piece's first restart is due.
SDL_TimerID AfterFirstRestart(double firstRestart, SDL_TimerCallback event) {
  return SDL_AddTimer(static_cast<Uint32>(firstRestart - Clock() + 600), event, nullptr);
}

double g_restartTimeAtResume = 0;
void RecordRestartTimeAtResume() { g_restartTimeAtResume = Music().RestartTime(); }
const ProcedureEntry kResumeProcedure[] = {{RecordRestartTimeAtResume, "VDR_ON_RESUME"}, {nullptr, nullptr}};

TEST_F(MusicTest, PauseLoopKeepsTheMusicLooping) {
  Engine().procedures = kResumeProcedure;
  PlayMusic(kOneSecond.c_str(), 1);
  const double firstRestart = Music().RestartTime();
  const SDL_TimerID timer = AfterFirstRestart(firstRestart, RegainFocus);
  SetPaused(1);
  ShowScreen();  // held in the pause loop until the focus comes back
  SDL_RemoveTimer(timer);
  Engine().procedures = nullptr;
  EXPECT_EQ(Engine().paused, 0);
  EXPECT_GT(g_restartTimeAtResume, firstRestart);  // restarted while paused
}

TEST_F(MusicTest, WaitAnyInputKeepsTheMusicLooping) {
  PlayMusic(kOneSecond.c_str(), 1);
  const double firstRestart = Music().RestartTime();
  const SDL_TimerID timer = AfterFirstRestart(firstRestart, TapKey);
  WaitAnyInput();
  SDL_RemoveTimer(timer);
  EXPECT_GT(Music().RestartTime(), firstRestart);
  ShowScreen();  // takes the key release
}

}  // namespace
}  // namespace vdr
