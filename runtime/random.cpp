#include "runtime/random.h"

#include "runtime/number_text.h"
#include "runtime/process_object.h"

namespace vdr {

void RandomGenerator::Seed(int32_t seed) {
  isaac_.Clear();
  isaac_.Results()[0] = static_cast<uint32_t>(seed);
  isaac_.Initialise(true);
}

int32_t RandomGenerator::Draw(int32_t n) {
  if (n <= 0) return 0;
  isaac_.Generate();
  return static_cast<int32_t>(isaac_.Results()[0] % (static_cast<uint32_t>(n) + 1));
}

RandomGenerator& TheRandomGenerator() { return Registered<RandomGenerator>(); }

int32_t Random(double n) { return TheRandomGenerator().Draw(ToInt(n)); }
void SeedRandom(double seed) { TheRandomGenerator().Seed(ToInt(seed)); }

}  // namespace vdr
