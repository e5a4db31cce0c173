#include "runtime/isaac.h"

namespace vdr {
namespace {

struct Mix {
  uint32_t a, b, c, d, e, f, g, h;

  void Run() {
    a ^= b << 11; d += a; b += c;
    b ^= c >> 2;  e += b; c += d;
    c ^= d << 8;  f += c; d += e;
    d ^= e >> 16; g += d; e += f;
    e ^= f << 10; h += e; f += g;
    f ^= g >> 4;  a += f; g += h;
    g ^= h << 8;  b += g; h += a;
    h ^= a >> 9;  c += h; a += b;
  }
  void Add(const uint32_t* w) {
    a += w[0]; b += w[1]; c += w[2]; d += w[3]; e += w[4]; f += w[5]; g += w[6]; h += w[7];
  }
  void Store(uint32_t* w) const {
    w[0] = a; w[1] = b; w[2] = c; w[3] = d; w[4] = e; w[5] = f; w[6] = g; w[7] = h;
  }
};

}  // namespace

void Isaac::Clear() { *this = Isaac(); }

void Isaac::Initialise(bool useResults) {
  accumulator_ = lastResult_ = counter_ = 0;
  constexpr uint32_t kGoldenRatio = 0x9e3779b9;
  Mix mix{kGoldenRatio, kGoldenRatio, kGoldenRatio, kGoldenRatio,
          kGoldenRatio, kGoldenRatio, kGoldenRatio, kGoldenRatio};
  for (int i = 0; i < 4; ++i) mix.Run();
  for (int i = 0; i < kSize; i += 8) {
    if (useResults) mix.Add(results_ + i);
    mix.Run();
    mix.Store(state_ + i);
  }
  if (useResults) {
    // A second pass lets every seed word reach every state word.
    for (int i = 0; i < kSize; i += 8) {
      mix.Add(state_ + i);
      mix.Run();
      mix.Store(state_ + i);
    }
  }
  Generate();
}

void Isaac::Generate() {
  uint32_t a = accumulator_;
  uint32_t b = lastResult_ + ++counter_;
  auto step = [&](int i, uint32_t mixed, int other) {
    const uint32_t x = state_[i];
    a = mixed + state_[other];
    const uint32_t y = state_[(x >> 2) & (kSize - 1)] + a + b;
    state_[i] = y;
    b = state_[(y >> 10) & (kSize - 1)] + x;
    results_[i] = b;
  };
  constexpr int kHalf = kSize / 2;
  for (int i = 0; i < kSize; i += 4) {
    const int other = (i + kHalf) % kSize;
    step(i, a ^ (a << 13), other);
    step(i + 1, a ^ (a >> 6), other + 1);
    step(i + 2, a ^ (a << 2), other + 2);
    step(i + 3, a ^ (a >> 16), other + 3);
  }
  accumulator_ = a;
  lastResult_ = b;
}

}  // namespace vdr
