#pragma once
// Seeded smooth value noise for clouds, textures and terrain.

#include <cstdint>

namespace vdr::mediagen {

class Noise {
 public:
  explicit Noise(uint64_t seed) : seed_(seed) {}
  // Smooth noise in 0..1 with features about one unit apart.
  double At(double x, double y) const;
  // Sum of `octaves` layers, each twice as fine and half as strong; 0..1.
  double Fractal(double x, double y, int octaves) const;

 private:
  double Lattice(int64_t x, int64_t y) const;
  uint64_t seed_;
};

}  // namespace vdr::mediagen
