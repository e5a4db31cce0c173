#include "audio/sound_system.h"

#include <string>

#include "audio/sound_levels.h"
#include "audio/wave_reader.h"
#include "files/file_resolver.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {
SoundSystem* g_sounds = nullptr;
}  // namespace

SoundSystem* ActiveSoundSystem() { return g_sounds; }
void SetActiveSoundSystem(SoundSystem* sounds) { g_sounds = sounds; }

void SoundSystem::CreateSlots() {
  slots_.clear();
  slots_.resize(kSoundSlotCount);
}

bool SoundSystem::OpenDevice() { return mixer_.Open(); }

void SoundSystem::ReleaseSlots() {
  for (int32_t number = static_cast<int32_t>(slots_.size()) - 1; number >= 0; --number) Empty(number);
  slots_.clear();
}

void SoundSystem::CloseDevice() { mixer_.Close(); }

int32_t SoundSystem::SlotIndex(int32_t slot) const {
  if (slot < 0 || slots_.empty()) return -1;
  return ClampSoundSlot(slot);
}

const SoundSystem::Slot* SoundSystem::HandleSlotOf(int32_t channel) const {
  if (channel < 0 || HandleSlot(channel) >= static_cast<int32_t>(slots_.size())) return nullptr;
  return &slots_[static_cast<size_t>(HandleSlot(channel))];
}

bool SoundSystem::VoicePlaying(const Slot& slot, int32_t number, int32_t voice) const {
  return mixer_.Playing(slot.channels[static_cast<size_t>(voice)], ChannelHandle(number, voice));
}

void SoundSystem::StopVoice(Slot& slot, int32_t number, int32_t voice) {
  mixer_.Halt(slot.channels[static_cast<size_t>(voice)], ChannelHandle(number, voice));
  slot.channels[static_cast<size_t>(voice)] = -1;
}

void SoundSystem::StopSlot(int32_t number, int32_t voice) {
  Slot& slot = slots_[static_cast<size_t>(number)];
  if (slot.voiceCount == 0) return;
  if (voice >= 0 && voice < slot.voiceCount) {
    StopVoice(slot, number, voice);
    return;
  }
  for (int32_t each = 0; each < slot.voiceCount; ++each) StopVoice(slot, number, each);
}

void SoundSystem::Empty(int32_t number) {
  StopSlot(number, -1);
  slots_[static_cast<size_t>(number)] = Slot{};
}

void SoundSystem::Load(const char* name, int32_t slot, int32_t voices) {
  const int32_t number = SlotIndex(slot);
  if (number < 0) return;
  std::string resolved;
  if (!MemoryContext().Resolve(name, resolved)) resolved = name;
  Empty(number);
  if (!HasDevice()) return;
  WaveSound wave;
  if (!ReadWaveFile(resolved.c_str(), wave)) return;
  ChunkPtr chunk = mixer_.MakeChunk(wave);
  if (chunk == nullptr) return;
  Slot& loaded = slots_[static_cast<size_t>(number)];
  loaded.chunk = std::move(chunk);
  loaded.voiceCount = ClampVoiceCount(voices);
}

int32_t SoundSystem::Play(int32_t slot, double pan, double volume) {
  const int32_t number = SlotIndex(slot);
  if (number < 0 || !HasDevice()) return -1;
  Slot& target = slots_[static_cast<size_t>(number)];
  if (target.voiceCount == 0) return -1;
  const VoiceChoice choice = ChooseVoice(target.currentVoice, target.voiceCount,
                                         [&](int32_t voice) { return VoicePlaying(target, number, voice); });
  if (choice.voice < 0) return -1;
  target.currentVoice = choice.voice;
  if (choice.cut) StopVoice(target, number, choice.voice);
  const int channel = mixer_.Play(target.chunk.get(), ChannelHandle(number, choice.voice), VoiceGains(volume, pan));
  target.channels[static_cast<size_t>(choice.voice)] = channel;
  return channel < 0 ? -1 : ChannelHandle(number, choice.voice);
}

int32_t SoundSystem::Playing(int32_t channel) const {
  const Slot* slot = HandleSlotOf(channel);
  const int32_t voice = HandleVoice(channel);
  if (slot == nullptr || voice >= slot->voiceCount) return 0;
  return VoicePlaying(*slot, HandleSlot(channel), voice) ? 1 : 0;
}

void SoundSystem::Stop(int32_t channel) {
  if (HandleSlotOf(channel) != nullptr) StopSlot(HandleSlot(channel), HandleVoice(channel));
}

void SoundSystem::StopAll() {
  for (int32_t number = 0; number < static_cast<int32_t>(slots_.size()); ++number) StopSlot(number, -1);
}

int32_t SoundSystem::FreeSlot() const {
  for (size_t number = 0; number < slots_.size(); ++number) {
    if (slots_[number].chunk == nullptr) return static_cast<int32_t>(number);
  }
  return -1;
}

void LoadSound(const RuntimeString& name, double slot, double voices) {
  if (SoundSystem* sounds = ActiveSoundSystem()) sounds->Load(name.c_str(), ToInt(slot), ToInt(voices));
}

int32_t PlaySound(double slot, double pan, double volume) {
  SoundSystem* sounds = ActiveSoundSystem();
  return sounds != nullptr ? sounds->Play(ToInt(slot), pan, volume) : -1;
}

int32_t SoundPlaying(double channel) {
  const SoundSystem* sounds = ActiveSoundSystem();
  return sounds != nullptr ? sounds->Playing(ToInt(channel)) : 0;
}

void StopSound(double channel) {
  if (SoundSystem* sounds = ActiveSoundSystem()) sounds->Stop(ToInt(channel));
}

void StopAllSounds() {
  if (SoundSystem* sounds = ActiveSoundSystem()) sounds->StopAll();
}

int32_t FreeSoundSlot() {
  const SoundSystem* sounds = ActiveSoundSystem();
  return sounds != nullptr ? sounds->FreeSlot() : -1;
}

}  // namespace vdr
