#pragma once
// The sound effect commands: WAVE files in 4096 numbered slots, each played
// on up to four voices at once.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

void LoadSound(const RuntimeString& name, double slot, double voices);
int32_t PlaySound(double slot, double pan, double volume);
int32_t SoundPlaying(double channel);
void StopSound(double channel);
void StopAllSounds();
int32_t FreeSoundSlot();

}  // namespace vdr
