#pragma once
// The ISAAC pseudo-random generator (32-bit words, 256-word state).

#include <cstdint>

namespace vdr {

class Isaac {
 public:
  static constexpr int kSize = 256;

  // State, results and the three registers all zero.
  void Clear();
  // The standard initialisation from the golden ratio; with useResults the
  // current result array is mixed into the state as the seed. Ends with one
  // Generate(), like the published generator.
  void Initialise(bool useResults);
  // One pass over all 256 state words, refilling the result array.
  void Generate();

  uint32_t* Results() { return results_; }
  const uint32_t* Results() const { return results_; }

 private:
  uint32_t state_[kSize] = {};
  uint32_t results_[kSize] = {};
  uint32_t accumulator_ = 0;
  uint32_t lastResult_ = 0;
  uint32_t counter_ = 0;
};

}  // namespace vdr
