#include "tests/audio/wave_builder.h"

#include <cmath>
#include <fstream>

namespace vdr::test {

std::string Le16(uint16_t value) { return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)}; }

std::string Le32(uint32_t value) {
  return Le16(static_cast<uint16_t>(value & 0xFFFF)) + Le16(static_cast<uint16_t>(value >> 16));
}

std::string RiffWave(const std::vector<WaveChunk>& chunks) {
  std::string body = "WAVE";
  for (const WaveChunk& chunk : chunks) {
    body += chunk.id + Le32(chunk.declaredSize.value_or(static_cast<uint32_t>(chunk.body.size()))) + chunk.body;
    if (chunk.body.size() % 2 != 0) body += '\0';
  }
  return "RIFF" + Le32(static_cast<uint32_t>(body.size())) + body;
}

std::string FormatBody(uint16_t channels, uint32_t rate, uint16_t bits, std::optional<uint16_t> blockAlign) {
  const uint16_t align = blockAlign.value_or(static_cast<uint16_t>(channels * bits / 8));
  return Le16(1) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}

std::string SineSamples(int frames, int channels, uint32_t rate, uint16_t bits, double amplitude) {
  std::string samples;
  for (int frame = 0; frame < frames; ++frame) {
    const double value = amplitude * std::sin(2 * M_PI * 440 * frame / rate);
    for (int channel = 0; channel < channels; ++channel) {
      if (bits == 8) {
        samples += static_cast<char>(static_cast<uint8_t>(128 + std::lround(value / 256)));
      } else {
        samples += Le16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(value))));
      }
    }
  }
  return samples;
}

std::string PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& samples) {
  return RiffWave({{"fmt ", FormatBody(channels, rate, bits)}, {"data", samples}});
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
  return static_cast<bool>(file);
}

}  // namespace vdr::test
