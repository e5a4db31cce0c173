// Sound slots and voices on SDL_mixer: with SDL's dummy driver for the voice
// rules, with its disk driver for what is actually played, and without any
// audio device.

#include "audio/sound_system.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/platform_paths.h"
#include "tests/audio/wave_builder.h"

namespace vdr {
namespace {

std::string TempPath(const std::string& name) { return TempFolder() + name; }

// A sound file of `seconds` of a loud 440 Hz tone, 16-bit stereo at 22050 Hz.
std::string WriteTone(const std::string& name, double seconds) {
  const std::string path = TempPath(name);
  const int frames = static_cast<int>(seconds * 22050);
  EXPECT_TRUE(test::WriteBytes(path, test::PcmWave(2, 22050, 16, test::SineSamples(frames, 2, 22050, 16, 20000))));
  return path;
}

// Waits (a generous half minute at most) until the voice has finished.
bool FinishesPlaying(int32_t handle) {
  for (int i = 0; i < 3000 && SoundPlaying(handle) == 1; ++i) SDL_Delay(10);
  return SoundPlaying(handle) == 0;
}

class SoundSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    sounds_.CreateSlots();
    ASSERT_TRUE(sounds_.OpenDevice()) << SDL_GetError();
    SetActiveSoundSystem(&sounds_);
  }
  void TearDown() override {
    SetActiveSoundSystem(nullptr);
    sounds_.ReleaseSlots();
    sounds_.CloseDevice();
  }

  SoundSystem sounds_;
};

TEST_F(SoundSystemTest, VoiceCountsAreClampedToOneToFour) {
  const std::string tone = WriteTone("long.wav", 3);
  struct Case {
    double voices;
    std::vector<int32_t> voicesOfFivePlays;  // -1: not started
  };
  const Case cases[] = {
      {0, {0, -1, -1, -1, -1}},
      {1, {0, -1, -1, -1, -1}},
      {2, {0, 1, 0, 1, 0}},
      {9, {0, 1, 2, 3, 0}},
  };
  for (const Case& c : cases) {
    LoadSound(tone.c_str(), 7, c.voices);
    for (size_t play = 0; play < c.voicesOfFivePlays.size(); ++play) {
      const int32_t voice = c.voicesOfFivePlays[play];
      EXPECT_EQ(PlaySound(7, 0, 1), voice < 0 ? -1 : 7 * 256 + voice) << c.voices << " voices, play " << play;
    }
  }
}

TEST_F(SoundSystemTest, ThirdPlayOfTwoVoicesCutsVoiceZeroAndAnOutsideVoiceStopsAll) {
  LoadSound(WriteTone("long.wav", 3).c_str(), 12, 2);
  EXPECT_EQ(PlaySound(12, 0, 1), 12 * 256);
  EXPECT_EQ(PlaySound(12, 0, 1), 12 * 256 + 1);
  EXPECT_EQ(PlaySound(12, 0, 1), 12 * 256);
  EXPECT_EQ(SoundPlaying(12 * 256), 1);
  EXPECT_EQ(SoundPlaying(12 * 256 + 1), 1);
  EXPECT_EQ(SoundPlaying(12 * 256 + 7), 0);

  StopSound(12 * 256 + 1);
  EXPECT_EQ(SoundPlaying(12 * 256), 1);
  EXPECT_EQ(SoundPlaying(12 * 256 + 1), 0);
  PlaySound(12, 0, 1);
  StopSound(12 * 256 + 7);
  EXPECT_EQ(SoundPlaying(12 * 256), 0);
  EXPECT_EQ(SoundPlaying(12 * 256 + 1), 0);
}

TEST_F(SoundSystemTest, AOneVoiceSoundPlaysAgainOnceItHasEnded) {
  LoadSound(WriteTone("short.wav", 0.1).c_str(), 3, 1);
  const int32_t handle = PlaySound(3, 0, 1);
  ASSERT_EQ(handle, 3 * 256);
  EXPECT_EQ(PlaySound(3, 0, 1), -1);
  ASSERT_TRUE(FinishesPlaying(handle));
  EXPECT_EQ(PlaySound(3, 0, 1), handle);
}

TEST_F(SoundSystemTest, StopAllSoundsStopsEverySlot) {
  const std::string tone = WriteTone("long.wav", 3);
  LoadSound(tone.c_str(), 0, 2);
  LoadSound(tone.c_str(), 4095, 1);
  const std::vector<int32_t> handles = {PlaySound(0, 0, 1), PlaySound(0, -1, 0.5), PlaySound(4095, 1, 1)};
  for (int32_t handle : handles) EXPECT_EQ(SoundPlaying(handle), 1) << handle;
  StopAllSounds();
  for (int32_t handle : handles) EXPECT_EQ(SoundPlaying(handle), 0) << handle;
}

TEST_F(SoundSystemTest, SlotNumbersAndHandlesOutsideTheTable) {
  const std::string tone = WriteTone("long.wav", 3);
  LoadSound(tone.c_str(), 5000, 1);  // the last slot
  EXPECT_EQ(PlaySound(9999, 0, 1), 4095 * 256);
  EXPECT_EQ(SoundPlaying(4095 * 256), 1);
  EXPECT_EQ(SoundPlaying(4096 * 256), 0);
  StopSound(4096 * 256);
  StopSound(-1);
  EXPECT_EQ(SoundPlaying(4095 * 256), 1);

  LoadSound(tone.c_str(), -1, 1);
  EXPECT_EQ(FreeSoundSlot(), 0);
  EXPECT_EQ(PlaySound(-1, 0, 1), -1);
  EXPECT_EQ(SoundPlaying(-256), 0);
}

TEST_F(SoundSystemTest, FreeSlotIsTheFirstEmptyOne) {
  EXPECT_EQ(FreeSoundSlot(), 0);
  // One frame of 16-bit stereo at the device's rate: nothing to convert.
  const std::string tiny = TempPath("tiny.wav");
  ASSERT_TRUE(test::WriteBytes(tiny, test::PcmWave(2, 44100, 16, "abcd")));
  LoadSound(tiny.c_str(), 0, 1);
  LoadSound(tiny.c_str(), 1, 1);
  EXPECT_EQ(FreeSoundSlot(), 2);
  // A load that fails leaves the slot empty, even when it held a sound.
  LoadSound("no-such-sound.wav", 0, 1);
  EXPECT_EQ(FreeSoundSlot(), 0);
  EXPECT_EQ(PlaySound(0, 0, 1), -1);

  for (int slot = 0; slot < 4096; ++slot) LoadSound(tiny.c_str(), slot, 1);
  EXPECT_EQ(FreeSoundSlot(), -1);
}

TEST_F(SoundSystemTest, ReloadingASlotStopsItsVoices) {
  const std::string tone = WriteTone("long.wav", 3);
  LoadSound(tone.c_str(), 9, 4);
  for (int i = 0; i < 4; ++i) PlaySound(9, 0, 1);
  LoadSound(tone.c_str(), 9, 2);
  for (int voice = 0; voice < 4; ++voice) EXPECT_EQ(SoundPlaying(9 * 256 + voice), 0) << voice;
  EXPECT_EQ(PlaySound(9, 0, 1), 9 * 256);
}

// Restores the driver that the other tests use.
class AudioDriverTest : public testing::Test {
 protected:
  void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(AudioDriverTest, WithoutAnAudioDeviceEveryCommandDoesNothing) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  SoundSystem sounds;
  sounds.CreateSlots();
  EXPECT_FALSE(sounds.OpenDevice());
  SetActiveSoundSystem(&sounds);
  LoadSound(WriteTone("short.wav", 0.1).c_str(), 0, 4);
  EXPECT_EQ(FreeSoundSlot(), 0);
  EXPECT_EQ(PlaySound(0, 0, 1), -1);
  EXPECT_EQ(SoundPlaying(0), 0);
  StopSound(0);
  StopAllSounds();
  SetActiveSoundSystem(nullptr);
}

struct Peaks {
  int left = 0;
  int right = 0;
};

// Plays the sound file once through SDL's disk driver and returns the loudest
// sample of each side of what was written.
Peaks PlayThroughDiskDriver(const std::string& wave, double pan, double volume) {
  const std::string output = TempPath("output.raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  {
    SoundSystem sounds;
    sounds.CreateSlots();
    EXPECT_TRUE(sounds.OpenDevice()) << SDL_GetError();
    SetActiveSoundSystem(&sounds);
    LoadSound(wave.c_str(), 0, 1);
    const int32_t handle = PlaySound(0, pan, volume);
    EXPECT_EQ(handle, 0);
    EXPECT_TRUE(FinishesPlaying(handle));
    SetActiveSoundSystem(nullptr);
    sounds.ReleaseSlots();
    sounds.CloseDevice();
  }
  std::ifstream file(output, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_GT(bytes.size(), 22050u);  // at least what the sound lasts
  Peaks peaks;
  for (size_t at = 0; at + 4 <= bytes.size(); at += 4) {
    int16_t left, right;  // the mixer's 16-bit stereo in the machine's byte order
    std::memcpy(&left, bytes.data() + at, 2);
    std::memcpy(&right, bytes.data() + at + 2, 2);
    peaks.left = std::max(peaks.left, std::abs(static_cast<int>(left)));
    peaks.right = std::max(peaks.right, std::abs(static_cast<int>(right)));
  }
  return peaks;
}

TEST_F(AudioDriverTest, WhatIsPlayedFollowsVolumeAndPan) {
  const std::string stereo = WriteTone("tone.wav", 0.25);
  // 8-bit mono at 11025 Hz, converted to the device's format when it loads.
  const std::string mono8 = TempPath("mono8.wav");
  ASSERT_TRUE(test::WriteBytes(mono8, test::PcmWave(1, 11025, 8, test::SineSamples(2756, 1, 11025, 8, 20000))));
  struct Case {
    const char* what;
    const std::string& wave;
    double pan, volume;
    bool left, right;  // sounds on that side
  };
  const Case cases[] = {
      {"volume 1", stereo, 0, 1, true, true},
      {"volume -1 is silence", stereo, 0, -1, false, false},
      {"pan 5 is the right side only", stereo, 5, 1, false, true},
      {"pan -5 is the left side only", stereo, -5, 1, true, false},
      {"8-bit mono", mono8, 0, 1, true, true},
  };
  for (const Case& c : cases) {
    const Peaks peaks = PlayThroughDiskDriver(c.wave, c.pan, c.volume);
    if (c.left) {
      EXPECT_GT(peaks.left, 10000) << c.what;
    } else {
      EXPECT_EQ(peaks.left, 0) << c.what;
    }
    if (c.right) {
      EXPECT_GT(peaks.right, 10000) << c.what;
    } else {
      EXPECT_EQ(peaks.right, 0) << c.what;
    }
  }
}

TEST_F(AudioDriverTest, HalfVolumeIsMinusFiftyDecibels) {
  const std::string tone = WriteTone("tone.wav", 0.25);
  const Peaks full = PlayThroughDiskDriver(tone, 0, 1);
  ASSERT_GT(full.left, 10000);
  ASSERT_GT(full.right, 10000);
  const Peaks half = PlayThroughDiskDriver(tone, 0, 0.5);
  EXPECT_NEAR(half.left, full.left * 0.0031623, 2);
  EXPECT_NEAR(half.right, full.right * 0.0031623, 2);
}

}  // namespace
}  // namespace vdr
