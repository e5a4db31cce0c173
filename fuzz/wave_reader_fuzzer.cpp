// Fuzz target: the input is a sound file, read by the WAVE reader as a memory
// file. What a successful read hands out must be a usable format and whole
// sample frames that were in the input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "audio/wave_reader.h"
#include "files/memory_files.h"
#include "runtime/process_object.h"

// Without an engine state, the target owns the memory-file registry itself.
vdr::ProcessObject<vdr::MemoryFileRegistry> g_memoryFiles;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto block = std::make_shared<vdr::ByteBlock>();
  if (!block->Allocate(size)) return 0;
  if (size > 0) std::memcpy(block->bytes.get(), data, size);
  const vdr::MemoryFile file(block);
  vdr::WaveSound sound;
  if (!vdr::ReadWaveFile(file.Name().c_str(), sound)) {
    if (!sound.samples.empty()) std::abort();
    return 0;
  }
  const vdr::WaveFormat& format = sound.format;
  const bool usable = (format.channels == 1 || format.channels == 2) &&
                      (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
                      format.blockAlign == format.channels * format.bitsPerSample / 8 &&
                      format.sampleRate >= 100 && format.sampleRate <= 200000;
  const bool wholeFrames = !sound.samples.empty() && sound.samples.size() % format.blockAlign == 0;
  if (!usable || !wholeFrames || sound.samples.size() > size) std::abort();
  return 0;
}
