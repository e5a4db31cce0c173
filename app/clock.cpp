#include "app/clock.h"

#include <SDL2/SDL_timer.h>

#include <chrono>
#include <thread>

#include "app/engine_state.h"
#include "runtime/number_text.h"

namespace vdr {

void InitClock() {
  EngineState& engine = Engine();
  const uint64_t frequency = SDL_GetPerformanceFrequency();
  engine.clockUsesCounter = frequency > 0;
  engine.counterFrequency = static_cast<double>(frequency);
}

double Clock() {
  EngineState& engine = Engine();
  double reading;
  if (engine.clockUsesCounter) {
    // Whole seconds and the remainder separately: counter × 1000 would
    // overflow 64 bits on a machine that has been up for long.
    const uint64_t counter = SDL_GetPerformanceCounter();
    const uint64_t frequency = static_cast<uint64_t>(engine.counterFrequency);
    reading = static_cast<double>((counter / frequency) * 1000 + (counter % frequency) * 1000 / frequency);
  } else {
    reading = static_cast<double>(SDL_GetTicks64());
  }
  if (!engine.clockStarted) {
    engine.clockStarted = true;
    engine.clockBase = reading;
    return 0;
  }
  return reading - engine.clockBase;
}

double ElapsedMs() { return Clock() - Engine().startTime; }

double FrameTime() {
  const EngineState& engine = Engine();
  const double frame = engine.currentFrameTime - engine.previousFrameTime;
  return frame > 0 ? frame : 1;
}

void SleepMs(double milliseconds) {
  const int32_t ms = ToInt(milliseconds);
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace vdr
