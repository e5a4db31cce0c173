// Runtime values against the standard library, each pair printed side by
// side at the end: number to text against snprintf("%.10g"), RuntimeString
// appends against std::string, FindText against std::string_view::find,
// ReplaceText against a replacing loop over it, and the cost of one Random draw.
//
//   build/bench/bench/runtime/runtime_bench --benchmark_repetitions=5
//       --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/engine_state.h"
#include "runtime/number_text.h"
#include "runtime/random.h"
#include "runtime/runtime_string.h"
#include "runtime/string_commands.h"

namespace vdr {
namespace {

// The best of the repetitions: the fairest figure on a shared machine.
double Smallest(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// ---- number to text -------------------------------------------------------

std::vector<double> FractionValues() {
  std::mt19937_64 random(1);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 14);
  std::vector<double> values(4096);
  for (double& v : values) v = mantissa(random) * std::pow(10.0, exponent(random));
  return values;
}

std::vector<double> WholeValues() {
  std::mt19937_64 random(2);
  std::uniform_int_distribution<int64_t> whole(-100000, 10000000);
  std::vector<double> values(4096);
  for (double& v : values) v = static_cast<double>(whole(random));
  return values;
}

const std::vector<double>& Values(int set) {
  static const std::vector<double> fractions = FractionValues(), wholes = WholeValues();
  return set == 0 ? fractions : wholes;
}

void NumberTextRuntime(benchmark::State& state) {
  const std::vector<double>& values = Values(static_cast<int>(state.range(0)));
  char text[kNumberTextMax];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WriteNumberText(values[i++ & 4095], text));
    benchmark::ClobberMemory();
  }
}

void NumberTextSnprintf(benchmark::State& state) {
  const std::vector<double>& values = Values(static_cast<int>(state.range(0)));
  char text[kNumberTextMax];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.10g", values[i++ & 4095]));
    benchmark::ClobberMemory();
  }
}

BENCHMARK(NumberTextRuntime)->ComputeStatistics("min", Smallest)->ArgName("whole")->Arg(0)->Arg(1);
BENCHMARK(NumberTextSnprintf)->ComputeStatistics("min", Smallest)->ArgName("whole")->Arg(0)->Arg(1);

// ---- appending short pieces --------------------------------------------------

struct Piece {
  const char* text;
  size_t length;
};
const Piece kPieces[] = {{"a", 1}, {"bc", 2}, {"def", 3}, {"ghij", 4}, {"klmno", 5},
                         {"pq", 2}, {"rstuvw", 6}, {"x", 1}, {"yz0123", 6}, {"45", 2}};

// Builds a text of the given length from short plain-text pieces, as
// concatenating labels and numbers in a game does.
template <typename Text>
void BuildText(benchmark::State& state) {
  const size_t target = static_cast<size_t>(state.range(0));
  for (auto _ : state) {
    Text text;
    size_t length = 0;
    for (size_t i = 0; length < target; ++i) {
      const Piece& piece = kPieces[i % 10];
      text += piece.text;
      length += piece.length;
    }
    benchmark::DoNotOptimize(text);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * target));
}

void AppendRuntimeString(benchmark::State& state) { BuildText<RuntimeString>(state); }
void AppendStdString(benchmark::State& state) { BuildText<std::string>(state); }

BENCHMARK(AppendRuntimeString)->ComputeStatistics("min", Smallest)->ArgName("length")->Arg(20)->Arg(50)->Arg(200)->Arg(100000);
BENCHMARK(AppendStdString)->ComputeStatistics("min", Smallest)->ArgName("length")->Arg(20)->Arg(50)->Arg(200)->Arg(100000);

// ---- searching 1 MiB of text -------------------------------------------------

// Letters with an uneven spread (like prose), and the pattern once near the end.
std::string Haystack(const std::string& pattern) {
  std::mt19937 random(3);
  std::geometric_distribution<int> letter(0.15);
  std::string text(1 << 20, ' ');
  for (char& c : text) c = static_cast<char>('a' + letter(random) % 26);
  text.replace(text.size() - 1000, pattern.size(), pattern);
  return text;
}

const std::string& Pattern(int64_t length) {
  static const std::string shortPattern = "quiz", longPattern = "the quick brown fox jumps over the lazy dog";
  return length == 4 ? shortPattern : longPattern;
}

void FindTextRuntime(benchmark::State& state) {
  const std::string& pattern = Pattern(state.range(0));
  const RuntimeString text(Haystack(pattern).c_str()), needle(pattern.c_str());
  for (auto _ : state) benchmark::DoNotOptimize(FindText(text, needle, 0));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.length());
}

void FindTextStringView(benchmark::State& state) {
  const std::string& pattern = Pattern(state.range(0));
  const std::string text = Haystack(pattern);
  const std::string_view view(text);
  for (auto _ : state) benchmark::DoNotOptimize(view.find(pattern));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

// Every occurrence replaced by the pattern in capitals: ReplaceText against
// the same loop over std::string_view::find building a std::string.
void ReplaceTextRuntime(benchmark::State& state) {
  const std::string& pattern = Pattern(state.range(0));
  const RuntimeString text(Haystack(pattern).c_str()), needle(pattern.c_str());
  const RuntimeString replacement = UpperText(needle);
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceText(text, needle, replacement));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.length());
}

void ReplaceTextStdString(benchmark::State& state) {
  const std::string& pattern = Pattern(state.range(0));
  const std::string text = Haystack(pattern);
  std::string replacement = pattern;
  for (char& c : replacement) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string_view view(text);
  for (auto _ : state) {
    std::string result;
    size_t done = 0;
    for (size_t at; (at = view.find(pattern, done)) != std::string_view::npos; done = at + pattern.size()) {
      if (result.empty()) result.reserve(text.size());
      result.append(view.substr(done, at - done));
      result += replacement;
    }
    result.append(view.substr(done));
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

BENCHMARK(FindTextRuntime)->ComputeStatistics("min", Smallest)->ArgName("pattern")->Arg(4)->Arg(43);
BENCHMARK(FindTextStringView)->ComputeStatistics("min", Smallest)->ArgName("pattern")->Arg(4)->Arg(43);
BENCHMARK(ReplaceTextRuntime)->ComputeStatistics("min", Smallest)->ArgName("pattern")->Arg(4)->Arg(43);
BENCHMARK(ReplaceTextStdString)->ComputeStatistics("min", Smallest)->ArgName("pattern")->Arg(4)->Arg(43);

// ---- random numbers ------------------------------------------------------------

void RandomDraw(benchmark::State& state) {
  SeedRandom(1);
  for (auto _ : state) benchmark::DoNotOptimize(Random(1));
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(RandomDraw)->ComputeStatistics("min", Smallest);

// ---- side-by-side summary --------------------------------------------------------

// Keeps each benchmark's best CPU time per iteration (of single runs, or the
// "min" aggregate of repetitions), so the pairs can be shown together.
class PairReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "min") continue;
      const std::string name = run.run_name.str();
      const double time = run.GetAdjustedCPUTime();
      const auto known = times_.find(name);
      if (known == times_.end() || time < known->second) times_[name] = time;
    }
  }

  void PrintPairs() const {
    struct Pair { const char* ours; const char* theirs; const char* what; };
    const Pair pairs[] = {
        {"NumberTextRuntime/whole:0", "NumberTextSnprintf/whole:0", "number to text, fractions (ns)"},
        {"NumberTextRuntime/whole:1", "NumberTextSnprintf/whole:1", "number to text, whole numbers (ns)"},
        {"AppendRuntimeString/length:20", "AppendStdString/length:20", "build 20-char text (ns)"},
        {"AppendRuntimeString/length:50", "AppendStdString/length:50", "build 50-char text (ns)"},
        {"AppendRuntimeString/length:200", "AppendStdString/length:200", "build 200-char text (ns)"},
        {"AppendRuntimeString/length:100000", "AppendStdString/length:100000", "build 100,000-char text (ns)"},
        {"FindTextRuntime/pattern:4", "FindTextStringView/pattern:4", "find 4-byte pattern in 1 MiB (ns)"},
        {"FindTextRuntime/pattern:43", "FindTextStringView/pattern:43", "find 43-byte pattern in 1 MiB (ns)"},
        {"ReplaceTextRuntime/pattern:4", "ReplaceTextStdString/pattern:4", "replace 4-byte pattern in 1 MiB (ns)"},
        {"ReplaceTextRuntime/pattern:43", "ReplaceTextStdString/pattern:43", "replace 43-byte pattern in 1 MiB (ns)"},
        {"ReplaceTextRuntime/pattern:4", "FindTextStringView/pattern:4", "replace 4-byte against find only (ns)"},
        {"ReplaceTextRuntime/pattern:43", "FindTextStringView/pattern:43", "replace 43-byte against find only (ns)"},
    };
    std::printf("\n%-38s %14s %14s %8s\n", "", "runtime", "std", "ratio");
    for (const Pair& p : pairs) {
      const auto ours = times_.find(p.ours), theirs = times_.find(p.theirs);
      if (ours == times_.end() || theirs == times_.end()) continue;
      std::printf("%-38s %14.1f %14.1f %8.2f\n", p.what, ours->second, theirs->second, ours->second / theirs->second);
    }
    const auto draw = times_.find("RandomDraw");
    if (draw != times_.end()) {
      std::printf("%-38s %14.1f ns, %.2f million draws per second\n", "Random(1), one draw", draw->second,
                  1e3 / draw->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace vdr

int main(int argc, char** argv) {
  vdr::Engine();  // the owner of the runtime\'s process-wide objects
  benchmark::Initialize(&argc, argv);
  vdr::PairReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintPairs();
  benchmark::Shutdown();
  return 0;
}
