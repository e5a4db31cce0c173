#pragma once
// The game's music: a calm, loopable piece composed and played in code.

#include <vector>

namespace vdr::mediagen {

constexpr int kMusicSampleRate = 44100;

// Interleaved stereo samples in -1..1; silent at both ends so it loops cleanly.
std::vector<float> ComposeMusic();

}  // namespace vdr::mediagen
