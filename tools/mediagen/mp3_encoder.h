#pragma once
// MP3 encoding through libmp3lame.

#include <cstdint>
#include <vector>

namespace vdr::mediagen {

// Encodes interleaved stereo samples in -1..1; throws std::runtime_error.
std::vector<uint8_t> EncodeMp3(const std::vector<float>& stereo, int sampleRate);

}  // namespace vdr::mediagen
