#pragma once
// The music commands: one piece at a time, looped by the runtime itself.

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

void PlayMusic(const RuntimeString& name, double loop);
int32_t StopMusic();
void RestartMusic();
void MusicVolume(double volume);
int32_t MusicPlaying();

}  // namespace vdr
