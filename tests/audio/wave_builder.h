#pragma once
// WAVE files for the audio tests, built chunk by chunk so that tests can put
// chunks in any order and give them any declared size.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vdr::test {

struct WaveChunk {
  std::string id;
  std::string body;
  std::optional<uint32_t> declaredSize = {};  // the size field when it must lie
};

std::string Le16(uint16_t value);
std::string Le32(uint32_t value);

// "RIFF", length, "WAVE" and the chunks, each padded to an even length.
std::string RiffWave(const std::vector<WaveChunk>& chunks);
// The 16 bytes of a "fmt " chunk; the block alignment defaults to one frame.
std::string FormatBody(uint16_t channels, uint32_t rate, uint16_t bits, std::optional<uint16_t> blockAlign = {});
// A sine of `frames` frames at `amplitude` (of 32767), the same on every channel.
std::string SineSamples(int frames, int channels, uint32_t rate, uint16_t bits, double amplitude);
// A plain "fmt " + "data" file.
std::string PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& samples);

// Writes bytes to a file; false when it cannot.
bool WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace vdr::test
