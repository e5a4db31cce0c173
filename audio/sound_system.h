#pragma once
// SoundSystem: the sound effects of the runtime. 4096 slots, each holding one
// loaded WAVE sound with up to four voices, so that a sound can overlap
// itself. A play answers with a channel handle, slot x 256 + voice, that the
// stop and is-playing commands take. Without an audio device every command
// does nothing: plays answer -1 and nothing is playing.

#include <array>
#include <cstdint>
#include <vector>

#include "audio/sound_mixer.h"
#include "audio/sound_voices.h"
#include "audio/sound_commands.h"
#include "runtime/runtime_string.h"

namespace vdr {

class SoundSystem {
 public:
  SoundSystem() = default;
  SoundSystem(const SoundSystem&) = delete;
  SoundSystem& operator=(const SoundSystem&) = delete;

  // Start-up: the table of empty slots, then the audio device. A machine
  // without audio keeps the slots and has no device.
  void CreateSlots();
  bool OpenDevice();
  bool HasDevice() const { return mixer_.IsOpen(); }
  // Shutdown: every slot stopped and emptied, last to first; then the device.
  void ReleaseSlots();
  void CloseDevice();

  void Load(const char* name, int32_t slot, int32_t voices);
  int32_t Play(int32_t slot, double pan, double volume);
  int32_t Playing(int32_t channel) const;
  void Stop(int32_t channel);
  void StopAll();
  int32_t FreeSlot() const;

 private:
  struct Slot {
    int32_t voiceCount = 0;  // 0: empty
    int32_t currentVoice = 0;
    ChunkPtr chunk;          // shared by the voices
    std::array<int, kMostVoices> channels{-1, -1, -1, -1};  // mixer channel per voice
  };

  // The table index of a slot number (above the table: the last slot), or -1.
  int32_t SlotIndex(int32_t slot) const;
  // The slot a channel handle names, or null.
  const Slot* HandleSlotOf(int32_t channel) const;
  bool VoicePlaying(const Slot& slot, int32_t number, int32_t voice) const;
  void StopVoice(Slot& slot, int32_t number, int32_t voice);
  // Stops one voice, or every voice when `voice` is not one of the slot's.
  void StopSlot(int32_t number, int32_t voice);
  void Empty(int32_t number);

  SoundMixer mixer_;
  std::vector<Slot> slots_;
};

// The process-wide sound system (owned by the engine state), or null.
SoundSystem* ActiveSoundSystem();
void SetActiveSoundSystem(SoundSystem* sounds);


}  // namespace vdr
