#pragma once
// Random numbers: one process-wide ISAAC generator behind Random and SeedRandom.

#include <cstdint>

#include "runtime/isaac.h"

namespace vdr {

class RandomGenerator {
 public:
  static constexpr const char* kProcessObjectName = "the random generator";
  RandomGenerator() { Seed(0); }
  // Clears the whole generator and initialises it with the seed, so that
  // each seed gives one fixed sequence.
  void Seed(int32_t seed);
  // 0 for n <= 0 (nothing is drawn); otherwise 0..n. Every draw runs one
  // full generator pass and uses the first word of its results.
  int32_t Draw(int32_t n);

 private:
  Isaac isaac_;
};

RandomGenerator& TheRandomGenerator();

// An integer from 0 to n inclusive; 0 when n <= 0.
int32_t Random(double n);
// Re-initialises the generator; start-up seeds it with the elapsed milliseconds.
void SeedRandom(double seed);

}  // namespace vdr
