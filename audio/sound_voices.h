#pragma once
// Sound slots and their voices as numbers: slot numbers, channel handles
// (slot x 256 + voice) and the choice of the voice a new play uses.

#include <cstdint>
#include <functional>

namespace vdr {

constexpr int32_t kSoundSlotCount = 4096;
constexpr int32_t kMostVoices = 4;

// Slot numbers above the table use its last slot; negative ones stay negative
// (rejected by every command).
inline int32_t ClampSoundSlot(int32_t slot) { return slot < kSoundSlotCount ? slot : kSoundSlotCount - 1; }
inline int32_t ClampVoiceCount(int32_t voices) { return voices < 1 ? 1 : voices > kMostVoices ? kMostVoices : voices; }

inline int32_t ChannelHandle(int32_t slot, int32_t voice) { return slot * 256 + voice; }
inline int32_t HandleSlot(int32_t handle) { return handle >> 8; }
inline int32_t HandleVoice(int32_t handle) { return handle & 0xFF; }

struct VoiceChoice {
  int32_t voice = -1;  // -1: nothing can be played
  bool cut = false;    // the voice is still playing and is stopped first
};

// The voice for a new play of a slot whose last play used `current`: that
// voice when it has finished; else, round-robin, the next one, cutting it when
// it still plays. A one-voice sound that still plays cannot be restarted.
VoiceChoice ChooseVoice(int32_t current, int32_t voiceCount, const std::function<bool(int32_t)>& playing);

}  // namespace vdr
