#include "audio/wave_reader.h"

#include <cstdio>
#include <cstring>

namespace vdr {
namespace {

constexpr uint32_t kFormatBytes = 16;
constexpr uint32_t kLowestRate = 100;
constexpr uint32_t kHighestRate = 200000;

uint16_t Le16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }
uint32_t Le32(const uint8_t* bytes) { return Le16(bytes) | static_cast<uint32_t>(Le16(bytes + 2)) << 16; }

int64_t Remaining(const FileSource& source) { return source.Size() - source.Position(); }

// Skips a chunk body and the pad byte that keeps the next chunk at an even offset.
bool SkipBody(FileSource& source, uint32_t size) {
  return source.Seek(static_cast<int64_t>(size) + (size & 1), SEEK_CUR);
}

// Reads chunk headers, skipping the bodies of the others, until the chunk `id`.
// Its size must fit in what is left of the file.
bool FindChunk(FileSource& source, const char* id, uint32_t& size) {
  for (;;) {
    uint8_t header[8];
    if (!source.ReadExact(header, sizeof header)) return false;
    size = Le32(header + 4);
    if (static_cast<int64_t>(size) > Remaining(source)) return false;
    if (std::memcmp(header, id, 4) == 0) return true;
    if (!SkipBody(source, size)) return false;
  }
}

bool ReadFormat(FileSource& source, WaveFormat& format) {
  uint32_t size;
  if (!FindChunk(source, "fmt ", size) || size < kFormatBytes) return false;
  uint8_t bytes[kFormatBytes];
  if (!source.ReadExact(bytes, sizeof bytes)) return false;
  // The format tag (bytes 0-1) is not examined: every sound is taken as PCM;
  // the byte rate (8-11) follows from the rate and the block alignment.
  format.channels = Le16(bytes + 2);
  format.sampleRate = Le32(bytes + 4);
  format.blockAlign = Le16(bytes + 12);
  format.bitsPerSample = Le16(bytes + 14);
  return SkipBody(source, size - kFormatBytes);
}

bool FormatUsable(const WaveFormat& format) {
  const bool channels = format.channels == 1 || format.channels == 2;
  const bool bits = format.bitsPerSample == 8 || format.bitsPerSample == 16;
  const bool rate = format.sampleRate >= kLowestRate && format.sampleRate <= kHighestRate;
  return channels && bits && rate && format.blockAlign == format.channels * format.bitsPerSample / 8;
}

}  // namespace

bool ReadWave(FileSource& source, WaveSound& sound) {
  sound = WaveSound{};
  uint8_t riff[12];
  if (!source.ReadExact(riff, sizeof riff)) return false;
  if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return false;
  WaveFormat format;
  if (!ReadFormat(source, format) || !FormatUsable(format)) return false;
  uint32_t size;
  if (!FindChunk(source, "data", size)) return false;
  const uint32_t frames = size / format.blockAlign;
  if (frames == 0) return false;
  if (!SizeForWholeFile(sound.samples, static_cast<int64_t>(frames) * format.blockAlign) ||
      !source.ReadExact(sound.samples.data(), sound.samples.size())) {
    sound.samples.clear();
    return false;
  }
  sound.format = format;
  return true;
}

bool ReadWaveFile(const char* resolvedName, WaveSound& sound) {
  FileSource source;
  return source.Open(resolvedName) && ReadWave(source, sound);
}

}  // namespace vdr
