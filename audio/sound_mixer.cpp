#include "audio/sound_mixer.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "audio/sound_voices.h"

namespace vdr {
namespace {

// The device rate. The music shares the device, so it is the rate music files
// are made at; sound effects of other rates are converted when they load.
constexpr int kDeviceRate = 44100;
constexpr int kDeviceChannels = 2;
constexpr int kBufferSamples = 1024;
constexpr int kFirstChannels = 16;
constexpr int kMostChannels = kSoundSlotCount * kMostVoices;

// Scales a channel's 16-bit stereo stream by the voice's gains. Runs on the
// mixer's thread.
void ApplyGains(int, void* stream, int length, void* data) {
  const StereoGains& gains = *static_cast<const StereoGains*>(data);
  auto* samples = static_cast<int16_t*>(stream);
  const int count = length / static_cast<int>(sizeof(int16_t));
  for (int i = 0; i + 1 < count; i += 2) {
    samples[i] = static_cast<int16_t>(std::lround(samples[i] * gains.left));
    samples[i + 1] = static_cast<int16_t>(std::lround(samples[i + 1] * gains.right));
  }
}

}  // namespace

bool SoundMixer::Open() {
  if (open_) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudioDevice(kDeviceRate, AUDIO_S16SYS, kDeviceChannels, kBufferSamples, nullptr,
                          SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_QuerySpec(&frequency_, nullptr, nullptr);
  channels_.resize(static_cast<size_t>(Mix_AllocateChannels(kFirstChannels)));
  open_ = true;
  return true;
}

void SoundMixer::Close() {
  if (!open_) return;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  channels_.clear();
  open_ = false;
}

ChunkPtr SoundMixer::MakeChunk(const WaveSound& sound) const {
  if (!open_ || sound.samples.empty()) return nullptr;
  const SDL_AudioFormat source = sound.format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, source, static_cast<Uint8>(sound.format.channels),
                        static_cast<int>(sound.format.sampleRate), AUDIO_S16SYS, kDeviceChannels, frequency_) < 0) {
    return nullptr;
  }
  // The conversion works in place in a buffer len_mult times the input.
  if (sound.samples.size() > static_cast<size_t>(INT_MAX / cvt.len_mult)) return nullptr;
  cvt.len = static_cast<int>(sound.samples.size());
  cvt.buf = static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(cvt.len) * cvt.len_mult));
  if (cvt.buf == nullptr) return nullptr;
  std::memcpy(cvt.buf, sound.samples.data(), sound.samples.size());
  if (SDL_ConvertAudio(&cvt) != 0 || cvt.len_cvt <= 0) {
    SDL_free(cvt.buf);
    return nullptr;
  }
  Mix_Chunk* chunk = Mix_QuickLoad_RAW(cvt.buf, static_cast<Uint32>(cvt.len_cvt));
  if (chunk == nullptr) {
    SDL_free(cvt.buf);
    return nullptr;
  }
  chunk->allocated = 1;  // the chunk owns the converted samples from here on
  return ChunkPtr(chunk);
}

int SoundMixer::FreeChannel() {
  const int count = static_cast<int>(channels_.size());
  for (int channel = 0; channel < count; ++channel) {
    if (Mix_Playing(channel) == 0) return channel;
  }
  if (count >= kMostChannels) return -1;
  const int grown = Mix_AllocateChannels(std::min(count * 2, kMostChannels));
  if (grown <= count) return -1;
  channels_.resize(static_cast<size_t>(grown));
  return count;
}

int SoundMixer::Play(Mix_Chunk* chunk, int32_t owner, StereoGains gains) {
  if (!open_ || chunk == nullptr) return -1;
  const int channel = FreeChannel();
  if (channel < 0) return -1;
  Channel& slot = channels_[static_cast<size_t>(channel)];
  *slot.gains = gains;
  Mix_UnregisterAllEffects(channel);
  if (gains.left != 1 || gains.right != 1) Mix_RegisterEffect(channel, ApplyGains, nullptr, slot.gains.get());
  if (Mix_PlayChannel(channel, chunk, 0) != channel) return -1;
  slot.owner = owner;
  return channel;
}

bool SoundMixer::Playing(int channel, int32_t owner) const {
  if (!open_ || channel < 0 || channel >= static_cast<int>(channels_.size())) return false;
  return channels_[static_cast<size_t>(channel)].owner == owner && Mix_Playing(channel) != 0;
}

void SoundMixer::Halt(int channel, int32_t owner) {
  if (Playing(channel, owner)) Mix_HaltChannel(channel);
}

}  // namespace vdr
