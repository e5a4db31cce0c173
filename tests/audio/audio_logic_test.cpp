// The arithmetic of sound effects and music, the voice choice, the restart
// schedule of looping music and the placing of movies, without audio.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "modal/movie_fit.h"
#include "audio/music_schedule.h"
#include "audio/sound_levels.h"
#include "audio/sound_voices.h"

namespace vdr {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(SoundLevelsTest, VolumeFollowsTheAttenuationLaw) {
  struct Case {
    double volume;
    int32_t attenuation;
  };
  const Case cases[] = {{1, 0},          {2, 0},          {0.5, -5000},   {0.999, -100},  {0, -10000},
                        {-1, -10000},    {0.005, -10000}, {kNaN, -10000}, {-1e300, -10000}};
  for (const Case& c : cases) EXPECT_EQ(SoundAttenuation(c.volume), c.attenuation) << c.volume;

  EXPECT_DOUBLE_EQ(AttenuationGain(0), 1);
  EXPECT_DOUBLE_EQ(AttenuationGain(-2000), 0.1);  // -20 dB
  EXPECT_NEAR(AttenuationGain(-5000), 0.003162, 1e-6);
  EXPECT_EQ(AttenuationGain(kSilentAttenuation), 0);
}

TEST(SoundLevelsTest, PanIsABalanceInHundredthsOfADecibel) {
  EXPECT_EQ(SoundPan(5), 10000);
  EXPECT_EQ(SoundPan(-5), -10000);
  EXPECT_EQ(SoundPan(0.33339), 3333);
  EXPECT_EQ(SoundPan(kNaN), 0);

  const StereoGains left = PanGains(-2000);
  EXPECT_DOUBLE_EQ(left.left, 1);
  EXPECT_DOUBLE_EQ(left.right, 0.1);
}

TEST(SoundLevelsTest, VoiceGainsCombineVolumeAndPan) {
  struct Case {
    double volume, pan, left, right;
  };
  const Case cases[] = {{1, 0, 1, 1},   {2, 0, 1, 1},     {-1, 0, 0, 0},        {1, 5, 0, 1},
                        {1, -5, 1, 0},  {0.9, 0.1, 0.1, 0.316227766}};
  for (const Case& c : cases) {
    const StereoGains gains = VoiceGains(c.volume, c.pan);
    EXPECT_NEAR(gains.left, c.left, 1e-9) << c.volume << ", " << c.pan;
    EXPECT_NEAR(gains.right, c.right, 1e-9) << c.volume << ", " << c.pan;
  }
}

TEST(SoundLevelsTest, MusicVolumeOnThePlayerScale) {
  EXPECT_EQ(MusicPlayerVolume(1), 1000);
  EXPECT_EQ(MusicPlayerVolume(0.5), 500);
  EXPECT_EQ(MusicPlayerVolume(kNaN), 0);
  EXPECT_EQ(MusicMixerVolume(1000), 128);
  EXPECT_EQ(MusicMixerVolume(500), 64);
  EXPECT_EQ(MusicMixerVolume(2000), 128);  // the mixer cannot go above normal
  EXPECT_EQ(MusicMixerVolume(-100), 0);
}

TEST(VoiceChoiceTest, FinishedVoiceIsReusedElseTheNextIsCutRoundRobin) {
  struct Case {
    int32_t current;
    std::vector<bool> playing;  // one per voice
    int32_t voice;
    bool cut;
  };
  const Case cases[] = {
      {0, {false}, 0, false},                     // a one-voice sound that has finished
      {0, {true}, -1, false},                     // ... that still plays cannot restart
      {0, {true, false}, 1, false},               // the next voice is free
      {1, {true, true}, 0, true},                 // both play: the oldest is cut
      {3, {false, false, false, true}, 0, false},  // wraps to voice 0
      {1, {true, false, true, true}, 1, false},   // the current voice has finished
  };
  for (const Case& c : cases) {
    const VoiceChoice choice = ChooseVoice(c.current, static_cast<int32_t>(c.playing.size()),
                                           [&](int32_t voice) { return c.playing[static_cast<size_t>(voice)]; });
    EXPECT_EQ(choice.voice, c.voice) << "current " << c.current;
    EXPECT_EQ(choice.cut, c.cut) << "current " << c.current;
  }
}

TEST(RestartScheduleTest, LoopingPieceRestartsAfterItsLengthCountedFromEachRestart) {
  RestartSchedule schedule;
  schedule.Start(1000, 1200, true);
  EXPECT_EQ(schedule.RestartTime(), 2200);
  EXPECT_FALSE(schedule.Due(2199.9));
  EXPECT_TRUE(schedule.Due(2200));
  // A check 20 ms late moves every later restart by those 20 ms.
  schedule.Restarted(2220, 1200);
  EXPECT_EQ(schedule.RestartTime(), 3420);

  schedule.Start(1000, 1200, false);
  EXPECT_FALSE(schedule.Looping());
  EXPECT_FALSE(schedule.Due(1e12));
}

TEST(RestartScheduleTest, ShortOrUnknownLengthsCountAsHalfASecond) {
  for (double length : {0.0, 120.0, -1.0, kNaN}) {
    RestartSchedule schedule;
    schedule.Start(1000, length, true);
    EXPECT_EQ(schedule.RestartTime(), 1500) << length;
  }
}

TEST(MovieFitTest, ScalesToFitAndCentres) {
  EXPECT_EQ(FitMovie(320, 240, 160, 60), (Rect{0, 60, 320, 120}));
  EXPECT_EQ(FitMovie(640, 480, 320, 240), (Rect{0, 0, 640, 480}));
  EXPECT_EQ(FitMovie(640, 480, 100, 300), (Rect{240, 0, 160, 480}));
  EXPECT_EQ(FitMovie(501, 300, 160, 120), (Rect{50, 0, 400, 300}));  // offsets by integer division
  EXPECT_EQ(FitMovie(640, 480, 0, 0), Rect{});  // no picture
}

}  // namespace
}  // namespace vdr
