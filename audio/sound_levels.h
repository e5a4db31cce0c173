#pragma once
// Loudness and balance of sound effects and music as the mixer takes them.
// Sound effects follow an attenuation law in hundredths of a decibel: volume
// 1.0 plays at 0 dB, 0.5 at -50 dB and 0 at -100 dB, which is silence. The pan
// is a balance in the same unit: the side away from the pan is attenuated.

#include <cstdint>

namespace vdr {

// Attenuation that counts as silence (hundredths of a decibel).
constexpr int32_t kSilentAttenuation = -10000;

// The attenuation of a PlaySound volume: volume x 100, at most 100, truncated
// and at least 0; then x 100 - 10000.
int32_t SoundAttenuation(double volume);
// The pan of a PlaySound pan: clamped to -1..1, x 10000, truncated
// (-10000 full left, +10000 full right).
int32_t SoundPan(double pan);

// The linear gain of an attenuation, 10^(dB / 20); 0 from -100 dB down.
double AttenuationGain(int32_t hundredthsOfDb);

struct StereoGains {
  double left = 1;
  double right = 1;
};
// Full gain on the side the pan points to, the other side attenuated by |pan|.
StereoGains PanGains(int32_t pan);

// The gains of a voice played with a PlaySound volume and pan.
StereoGains VoiceGains(double volume, double pan);

// Music: a MusicVolume value on the player's scale (1000 = normal volume), and
// that scale as a mixer music volume (0..128; the mixer cannot go above normal).
int32_t MusicPlayerVolume(double volume);
int MusicMixerVolume(int32_t playerVolume);

}  // namespace vdr
