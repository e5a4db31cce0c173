#include "audio/sound_levels.h"

#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>

#include "runtime/number_text.h"

namespace vdr {
namespace {

constexpr int32_t kFullPan = 10000;
constexpr int32_t kNormalPlayerVolume = 1000;

int MixerLevel(double gain) { return static_cast<int>(std::lround(std::clamp(gain, 0.0, 1.0) * MIX_MAX_VOLUME)); }

}  // namespace

int32_t SoundAttenuation(double volume) {
  const int32_t level = std::max(ToInt(std::min(volume * 100, 100.0)), 0);
  return level * 100 - 10000;
}

int32_t SoundPan(double pan) {
  return ToInt(std::clamp(pan, -1.0, 1.0) * kFullPan);
}

double AttenuationGain(int32_t hundredthsOfDb) {
  if (hundredthsOfDb <= kSilentAttenuation) return 0;
  return std::pow(10.0, hundredthsOfDb / 2000.0);
}

StereoGains PanGains(int32_t pan) {
  StereoGains gains;
  if (pan > 0) gains.left = AttenuationGain(-pan);
  if (pan < 0) gains.right = AttenuationGain(pan);
  return gains;
}

StereoGains VoiceGains(double volume, double pan) {
  const double gain = AttenuationGain(SoundAttenuation(volume));
  const StereoGains sides = PanGains(SoundPan(pan));
  return {gain * sides.left, gain * sides.right};
}

int32_t MusicPlayerVolume(double volume) { return ToInt(volume * kNormalPlayerVolume); }

int MusicMixerVolume(int32_t playerVolume) {
  return MixerLevel(static_cast<double>(playerVolume) / kNormalPlayerVolume);
}

}  // namespace vdr
