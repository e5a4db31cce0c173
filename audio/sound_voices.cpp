#include "audio/sound_voices.h"

namespace vdr {

VoiceChoice ChooseVoice(int32_t current, int32_t voiceCount, const std::function<bool(int32_t)>& playing) {
  if (!playing(current)) return {current, false};
  if (voiceCount <= 1) return {};
  const int32_t next = (current + 1) % voiceCount;
  return {next, playing(next)};
}

}  // namespace vdr
