// The costs of sound effects: loading a one-second sound (reading the WAVE
// file and converting it to the mixer's format, once per load), and a play
// with its voice choice, gains and mixer channel, followed by a stop. Runs
// with SDL's dummy audio driver unless SDL_AUDIODRIVER says otherwise.
//
// Run a release build: build/bench/bench/audio/sound_bench

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/sound_system.h"
#include "files/platform_paths.h"
#include "tests/audio/wave_builder.h"

namespace {

std::string WriteSound(uint16_t channels, uint32_t rate) {
  const std::string path = vdr::TempFolder() + "sound_bench.wav";
  vdr::test::WriteBytes(path, vdr::test::PcmWave(channels, rate, 16,
                                                  vdr::test::SineSamples(static_cast<int>(rate), channels, rate, 16, 20000)));
  return path;
}

struct OpenSounds {
  OpenSounds() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    sounds.CreateSlots();
    deviceOpen = sounds.OpenDevice();
  }
  ~OpenSounds() {
    sounds.ReleaseSlots();
    sounds.CloseDevice();
  }
  vdr::SoundSystem sounds;
  bool deviceOpen = false;
};

void LoadOneSecond(benchmark::State& state) {
  OpenSounds open;
  if (!open.deviceOpen) {
    state.SkipWithError("no audio device");
    return;
  }
  const std::string path = WriteSound(static_cast<uint16_t>(state.range(0)), static_cast<uint32_t>(state.range(1)));
  for (auto _ : state) open.sounds.Load(path.c_str(), 0, 4);
  std::remove(path.c_str());
  state.SetLabel(std::to_string(state.range(0)) + " channels at " + std::to_string(state.range(1)) + " Hz");
}
BENCHMARK(LoadOneSecond)->Args({2, 44100})->Args({2, 22050})->Args({1, 11025})->Unit(benchmark::kMicrosecond);

void PlayAndStop(benchmark::State& state) {
  OpenSounds open;
  if (!open.deviceOpen) {
    state.SkipWithError("no audio device");
    return;
  }
  const std::string path = WriteSound(2, 44100);
  open.sounds.Load(path.c_str(), 0, 4);
  std::remove(path.c_str());
  for (auto _ : state) {
    const int32_t handle = open.sounds.Play(0, 0.3, 0.9);
    if (handle < 0) {
      state.SkipWithError("nothing played");
      break;
    }
    benchmark::DoNotOptimize(open.sounds.Playing(handle));
    open.sounds.Stop(handle);
  }
}
BENCHMARK(PlayAndStop)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
