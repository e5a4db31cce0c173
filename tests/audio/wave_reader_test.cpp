// The WAVE reader over disk and memory files, and the layouts it refuses.

#include "audio/wave_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "files/memory_files.h"
#include "files/platform_paths.h"
#include "tests/audio/wave_builder.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using test::FormatBody;
using test::Le32;
using test::RiffWave;
using test::WaveChunk;

bool ReadFromMemory(const std::string& bytes, WaveSound& sound) {
  const MemoryFile file = test::PublishBytes(bytes);
  return ReadWaveFile(file.Name().c_str(), sound);
}

std::string Samples(const WaveSound& sound) { return std::string(sound.samples.begin(), sound.samples.end()); }

TEST(WaveReaderTest, SkipsOtherChunksBeforeFormatAndData) {
  const std::string samples = test::SineSamples(100, 2, 22050, 16, 8000);
  // The odd-sized LIST chunk is followed by its pad byte.
  const std::string bytes = RiffWave({{"LIST", "INFOISFT" + Le32(5) + std::string("Tool", 5)},
                                      {"fmt ", FormatBody(2, 22050, 16)},
                                      {"fact", Le32(100)},
                                      {"data", samples}});
  const std::string path = TempFolder() + "chunks.wav";
  ASSERT_TRUE(test::WriteBytes(path, bytes));

  WaveSound fromDisk, fromMemory;
  ASSERT_TRUE(ReadWaveFile(path.c_str(), fromDisk));
  ASSERT_TRUE(ReadFromMemory(bytes, fromMemory));
  for (const WaveSound* sound : {&fromDisk, &fromMemory}) {
    EXPECT_EQ(sound->format.channels, 2);
    EXPECT_EQ(sound->format.sampleRate, 22050u);
    EXPECT_EQ(sound->format.bitsPerSample, 16);
    EXPECT_EQ(sound->format.blockAlign, 4);
    EXPECT_EQ(Samples(*sound), samples);
  }
}

TEST(WaveReaderTest, KeepsWholeSampleFramesOnly) {
  const std::string samples = test::SineSamples(10, 2, 8000, 16, 1000);
  WaveSound sound;
  ASSERT_TRUE(ReadFromMemory(test::PcmWave(2, 8000, 16, samples + "abc"), sound));
  EXPECT_EQ(Samples(sound), samples);
}

TEST(WaveReaderTest, FormatLimits) {
  struct Case {
    uint16_t channels;
    uint32_t rate;
    uint16_t bits;
    bool loads;
  };
  const Case cases[] = {
      {1, 11025, 8, true},  {2, 44100, 8, true},  {1, 100, 16, true},    {2, 200000, 16, true},
      {0, 22050, 16, false}, {3, 22050, 16, false}, {1, 0, 16, false},     {1, 99, 16, false},
      {1, 200001, 16, false}, {1, 22050, 24, false}, {2, 22050, 32, false}, {1, 22050, 4, false},
  };
  for (const Case& c : cases) {
    const std::string samples(64, '\x10');
    WaveSound sound;
    EXPECT_EQ(ReadFromMemory(test::PcmWave(c.channels, c.rate, c.bits, samples), sound), c.loads)
        << c.channels << " channels, " << c.rate << " Hz, " << c.bits << " bits";
  }
}

TEST(WaveReaderTest, RefusesUntrustedLayouts) {
  const std::string format = FormatBody(1, 22050, 16);
  const std::string samples = test::SineSamples(50, 1, 22050, 16, 1000);
  const std::string good = RiffWave({{"fmt ", format}, {"data", samples}});
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"shorter than the RIFF header", good.substr(0, 11)},
      {"not RIFF", "RIFX" + good.substr(4)},
      {"not WAVE", good.substr(0, 8) + "AVI " + good.substr(12)},
      {"no format chunk", RiffWave({{"data", samples}})},
      {"no data chunk", RiffWave({{"fmt ", format}, {"LIST", "abcd"}})},
      {"format chunk under 16 bytes", RiffWave({{"fmt ", format.substr(0, 14)}, {"data", samples}})},
      {"data beyond the file", RiffWave({{"fmt ", format}, {"data", samples, 4096}})},
      {"data size of 4 GiB", RiffWave({{"fmt ", format}, {"data", samples, 0xFFFFFFFF}})},
      {"skipped chunk beyond the file", RiffWave({{"LIST", "abcd", 1u << 30}, {"fmt ", format}, {"data", samples}})},
      {"format chunk beyond the file", RiffWave({{"fmt ", format, 0x7FFFFFF0}, {"data", samples}})},
      {"block alignment of two frames", RiffWave({{"fmt ", FormatBody(1, 22050, 16, 4)}, {"data", samples}})},
      {"block alignment of zero", RiffWave({{"fmt ", FormatBody(1, 22050, 16, 0)}, {"data", samples}})},
      {"less data than one frame", RiffWave({{"fmt ", format}, {"data", "x"}})},
      {"truncated chunk header", good.substr(0, 12 + 8 + 16 + 5)},
  };
  for (const Case& c : cases) {
    WaveSound sound;
    EXPECT_FALSE(ReadFromMemory(c.bytes, sound)) << c.what;
    EXPECT_TRUE(sound.samples.empty()) << c.what;
  }
  WaveSound sound;
  EXPECT_TRUE(ReadFromMemory(good, sound));
}

// A sound of more than kWholeFileLimit bytes is refused before its samples
// are read (the file is sparse: its bytes take no room on disk).
TEST(WaveReaderTest, SamplesBeyondTheLimitAreRefused) {
  const auto size = static_cast<uint32_t>(kWholeFileLimit + 2);
  const std::string path = TempFolder() + "huge.wav";
  ASSERT_TRUE(test::WriteBytes(path, RiffWave({{"fmt ", FormatBody(1, 22050, 16)}, {"data", "", size}})));
  std::filesystem::resize_file(path, 12 + 8 + 16 + 8 + uint64_t{size});
  WaveSound sound;
  EXPECT_FALSE(ReadWaveFile(path.c_str(), sound));
  EXPECT_TRUE(sound.samples.empty());
  std::filesystem::remove(path);
}

TEST(WaveReaderTest, MissingFileAndWithdrawnMemoryFileFail) {
  WaveSound sound;
  EXPECT_FALSE(ReadWaveFile("no-such-sound.wav", sound));
  std::string name;
  {
    const MemoryFile file = test::PublishBytes(test::PcmWave(1, 22050, 16, "abcd"));
    name = file.Name();
  }
  EXPECT_FALSE(ReadWaveFile(name.c_str(), sound));
}

}  // namespace
}  // namespace vdr
