#pragma once
// The sound device on SDL_mixer: one chunk per loaded sound, already in the
// device's sample format, and voices played on mixer channels. A voice takes a
// free channel when it starts; when every channel is busy the channel table
// grows, so as many voices can sound at once as the slots have.

#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "audio/sound_levels.h"
#include "audio/wave_reader.h"

namespace vdr {

struct ChunkRelease {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkRelease>;

class SoundMixer {
 public:
  SoundMixer() = default;
  ~SoundMixer() { Close(); }
  SoundMixer(const SoundMixer&) = delete;
  SoundMixer& operator=(const SoundMixer&) = delete;

  // Opens the audio device; the mixer works in 16-bit stereo whatever the
  // device takes. False when there is none.
  bool Open();
  // Stops everything and closes the device.
  void Close();
  bool IsOpen() const { return open_; }

  // The sound converted to the device's format, or null.
  ChunkPtr MakeChunk(const WaveSound& sound) const;
  // Plays the chunk once from its start on a free channel, each side scaled
  // by its gain. The channel, or -1. `owner` names the voice, so that a
  // channel reused by another voice no longer answers for it.
  int Play(Mix_Chunk* chunk, int32_t owner, StereoGains gains);
  bool Playing(int channel, int32_t owner) const;
  void Halt(int channel, int32_t owner);

 private:
  int FreeChannel();

  // Per mixer channel: the voice that last started on it, and its gains
  // (read by the mixer's thread while the channel plays).
  struct Channel {
    int32_t owner = -1;
    std::unique_ptr<StereoGains> gains = std::make_unique<StereoGains>();
  };

  bool open_ = false;
  int frequency_ = 0;
  std::vector<Channel> channels_;
};

}  // namespace vdr
