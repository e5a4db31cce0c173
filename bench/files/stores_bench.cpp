// The settings store and the line-file store on their busy paths: IniGet on a
// file of 50 sections of 50 keys (every key in turn, the last key of the last
// section, a missing key), and GetFileLine over all 256 lines of a file. Each
// iteration is one call, so the times are per call.
//
//   build/bench/bench/files/stores_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/engine_state.h"
#include "files/line_file_store.h"
#include "files/platform_paths.h"
#include "files/store_commands.h"

namespace vdr {
namespace {

constexpr int kSections = 50;
constexpr int kKeys = 50;

// A folder of its own with both files, removed by main when the benchmarks are done.
class BenchFiles {
 public:
  BenchFiles() : folder_(TempFolder() + "vendril-stores-bench-" + std::to_string(getpid())) {
    std::filesystem::create_directories(folder_);
    std::ofstream settings(folder_ + "/bench.ini", std::ios::binary);
    for (int s = 0; s < kSections; ++s) {
      settings << "[Section" << s << "]\r\n";
      for (int k = 0; k < kKeys; ++k) settings << "Key" << k << " = value " << s << "." << k << "\r\n";
    }
    std::ofstream lines(folder_ + "/bench.txt", std::ios::binary);
    for (int n = 0; n < 256; ++n) lines << "line " << n << ": some text as a line file holds it\r\n";
  }
  void Remove() const {
    IniOpen("");
    LineFiles().Release();
    std::filesystem::remove_all(folder_);
  }
  std::string Path(const char* name) const { return folder_ + "/" + name; }

 private:
  std::string folder_;
};

const BenchFiles& Files() {
  static const BenchFiles files;
  return files;
}

// Names as a program passes them, made once.
struct Names {
  std::vector<RuntimeString> sections, keys;
  Names() {
    for (int s = 0; s < kSections; ++s) sections.push_back(("section" + std::to_string(s)).c_str());
    for (int k = 0; k < kKeys; ++k) keys.push_back(("KEY" + std::to_string(k)).c_str());
  }
};

void BM_IniGetEveryKeyInTurn(benchmark::State& state) {
  IniOpen(Files().Path("bench.ini").c_str());
  const Names names;
  const RuntimeString fallback("none");
  int s = 0, k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(IniGet(names.sections[s], names.keys[k], fallback));
    if (++k == kKeys) {
      k = 0;
      s = (s + 1) % kSections;
    }
  }
}
BENCHMARK(BM_IniGetEveryKeyInTurn);

void BM_IniGetLastKeyOfLastSection(benchmark::State& state) {
  IniOpen(Files().Path("bench.ini").c_str());
  const RuntimeString section("section49"), key("key49"), fallback("none");
  for (auto _ : state) benchmark::DoNotOptimize(IniGet(section, key, fallback));
}
BENCHMARK(BM_IniGetLastKeyOfLastSection);

void BM_IniGetMissingKey(benchmark::State& state) {
  IniOpen(Files().Path("bench.ini").c_str());
  const RuntimeString section("section49"), key("nokey"), fallback("none");
  for (auto _ : state) benchmark::DoNotOptimize(IniGet(section, key, fallback));
}
BENCHMARK(BM_IniGetMissingKey);

void BM_GetFileLineEveryLineInTurn(benchmark::State& state) {
  const RuntimeString name(Files().Path("bench.txt").c_str());
  int n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GetFileLine(name, n));
    n = (n + 1) % 256;
  }
}
BENCHMARK(BM_GetFileLineEveryLineInTurn);

}  // namespace
}  // namespace vdr

int main(int argc, char** argv) {
  vdr::Engine();  // the owner of the runtime\'s process-wide objects
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  vdr::Files().Remove();
  benchmark::Shutdown();
  return 0;
}
