// Resolving a 16 MiB packed entry through the memory context (open the pack,
// read its trailer and directory, read the stored bytes, unpack into a new
// memory file) against a bare lzo1x_decompress_safe of the same stream into a
// buffer that is already there. The two are timed in turns, so both see the
// same machine load; medians and minimums are printed with their ratios.
//
// Run a release build: build/bench/bench/files/pack_unpack_bench [ROUNDS]

#include <lzo/lzo1x.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/engine_state.h"
#include "files/file_resolver.h"
#include "files/memory_files.h"
#include "files/pack_writer.h"
#include "files/platform_paths.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Picture-like data: runs and gradients with some noise; LZO1X-999 packs it to about 45 %.
std::vector<uint8_t> SampleData(size_t size) {
  std::vector<uint8_t> data(size);
  std::mt19937 random(1);
  for (size_t i = 0; i < size; ++i) data[i] = i % 7 == 0 ? static_cast<uint8_t>(random()) : static_cast<uint8_t>(i / 64);
  return data;
}

struct Figures {
  std::vector<double> times;
  double Median() {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  }
  double Min() const { return *std::min_element(times.begin(), times.end()); }
};

}  // namespace

int main(int argc, char** argv) {
  vdr::Engine();  // the owner of the runtime\'s process-wide objects
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  constexpr size_t kSize = 16u << 20;
  const std::vector<uint8_t> data = SampleData(kSize);

  std::vector<uint8_t> pack;
  std::string error;
  if (!vdr::BuildPack({{"big.bin", data}}, false, pack, error)) {
    std::fprintf(stderr, "cannot build the pack: %s\n", error.c_str());
    return 1;
  }
  std::vector<uint8_t> stored;
  vdr::CompressPackEntry(data.data(), data.size(), stored);

  const std::filesystem::path folder = vdr::TempFolder() + "vendril-pack-bench-" + std::to_string(getpid());
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::ofstream("media.sbx", std::ios::binary).write(reinterpret_cast<const char*>(pack.data()),
                                                     static_cast<std::streamsize>(pack.size()));
  auto memoryPackBlock = std::make_shared<vdr::ByteBlock>();
  memoryPackBlock->Allocate(pack.size());
  std::memcpy(memoryPackBlock->bytes.get(), pack.data(), pack.size());
  const vdr::MemoryFile memoryPack(memoryPackBlock);

  std::vector<uint8_t> output(kSize);
  auto bare = [&] {
    lzo_uint produced = output.size();
    const int result = lzo1x_decompress_safe(stored.data() + 4, stored.size() - 4, output.data(), &produced, nullptr);
    return result == LZO_E_OK && produced == kSize && output[kSize - 1] == data[kSize - 1];
  };
  auto resolve = [&](const std::string& packName) {
    vdr::MemoryContext().SetPack(packName);
    std::string name;
    if (!vdr::MemoryContext().Resolve("big.bin", name)) return false;
    const vdr::MemoryBlockRef block = vdr::FindMemoryFile(name.c_str());
    return block != nullptr && block->size == kSize && std::memcmp(block->bytes.get(), data.data(), kSize) == 0;
  };
  if (lzo_init() != LZO_E_OK || !bare() || !resolve("media.sbx") || !resolve(memoryPack.Name())) {
    std::fprintf(stderr, "the entry does not unpack to its data\n");
    return 1;
  }

  Figures bareTimes, diskTimes, memoryTimes;
  std::string name;
  for (int round = 0; round < rounds; ++round) {
    auto start = Clock::now();
    bare();
    bareTimes.times.push_back(MillisecondsSince(start));

    vdr::MemoryContext().SetPack("media.sbx");
    start = Clock::now();
    vdr::MemoryContext().Resolve("big.bin", name);
    diskTimes.times.push_back(MillisecondsSince(start));

    vdr::MemoryContext().SetPack(memoryPack.Name());
    start = Clock::now();
    vdr::MemoryContext().Resolve("big.bin", name);
    memoryTimes.times.push_back(MillisecondsSince(start));
  }
  vdr::ReleaseResolverContexts();
  std::filesystem::current_path("/");
  std::filesystem::remove_all(folder);

  std::printf("16 MiB entry, stored %.1f MiB (%.0f %%), %d rounds, milliseconds\n", stored.size() / 1048576.0,
              100.0 * static_cast<double>(stored.size()) / kSize, rounds);
  std::printf("%-34s %8s %8s %14s %11s\n", "", "median", "min", "median ratio", "min ratio");
  const double bareMedian = bareTimes.Median(), bareMin = bareTimes.Min();
  std::printf("%-34s %8.2f %8.2f\n", "bare lzo1x_decompress_safe", bareMedian, bareMin);
  std::printf("%-34s %8.2f %8.2f %14.3f %11.3f\n", "resolve, pack file on disk", diskTimes.Median(), diskTimes.Min(),
              diskTimes.Median() / bareMedian, diskTimes.Min() / bareMin);
  std::printf("%-34s %8.2f %8.2f %14.3f %11.3f\n", "resolve, pack in a memory file", memoryTimes.Median(),
              memoryTimes.Min(), memoryTimes.Median() / bareMedian, memoryTimes.Min() / bareMin);
  return 0;
}
