#include "tools/mediagen/noise.h"

#include <cmath>

namespace vdr::mediagen {

double Noise::Lattice(int64_t x, int64_t y) const {
  uint64_t h = seed_ ^ (static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull) ^ (static_cast<uint64_t>(y) * 0xC2B2AE3D27D4EB4Full);
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return (h >> 11) * (1.0 / 9007199254740992.0);
}

double Noise::At(double x, double y) const {
  const double fx = std::floor(x), fy = std::floor(y);
  const auto ix = static_cast<int64_t>(fx), iy = static_cast<int64_t>(fy);
  auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  const double tx = smooth(x - fx), ty = smooth(y - fy);
  const double top = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * tx;
  const double bottom = Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

double Noise::Fractal(double x, double y, int octaves) const {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += At(x, y) * weight;
    total += weight;
    x = x * 2 + 17.3;
    y = y * 2 + 9.1;
    weight *= 0.5;
  }
  return sum / total;
}

}  // namespace vdr::mediagen
