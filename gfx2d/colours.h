#pragma once
// Colours are integers with red in the low byte: red + green * 256 +
// blue * 65536. Written in hexadecimal they read backwards from web colours:
// 0x402010 is a dark blue (blue 0x40, green 0x20, red 0x10), not a brown.
// Rgb puts the parts in their places:
//
//   vdr::DrawRect(10, 10, 50, 20, vdr::Rgb(255, 128, 0));  // orange

#include <cstdint>

namespace vdr {

// Each part is 0..255; values outside are taken as the nearest end.
constexpr int32_t Rgb(int red, int green, int blue) {
  const auto part = [](int value) { return value < 0 ? 0 : value > 255 ? 255 : value; };
  return part(red) | part(green) << 8 | part(blue) << 16;
}

}  // namespace vdr
