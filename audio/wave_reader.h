#pragma once
// The runtime's own RIFF WAVE reader: the PCM format and the sample bytes of a
// sound file, read from a disk file or a memory file. Chunks before "fmt " and
// between it and "data" are skipped.
//
// Sound files are untrusted. The read fails, reading nothing past the file,
// when a chunk claims more bytes than the file has left, when "fmt " or "data"
// is missing, when the samples are more than kWholeFileLimit bytes, and when
// the format is not one the mixer can take: 1 or 2 channels of 8- or 16-bit
// samples at 100 to 200000 samples per second, with a block alignment of
// exactly one sample frame.

#include <cstdint>
#include <vector>

#include "files/file_source.h"

namespace vdr {

struct WaveFormat {
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
};

struct WaveSound {
  WaveFormat format;
  std::vector<uint8_t> samples;  // whole sample frames only
};

// Reads the WAVE file from the source's current position to the "data" chunk.
bool ReadWave(FileSource& source, WaveSound& sound);
// Opens a resolved name (disk path or memory file name) and reads it.
bool ReadWaveFile(const char* resolvedName, WaveSound& sound);

}  // namespace vdr
