#pragma once
// Names of the numbered pictures: backgrounds b01.png … b60.png, clips
// c01.png … c60.png.

#include "vendril.h"

namespace granzel {

// The letter, the last two characters of "0" followed by the number, ".png".
inline vdr::RuntimeString NumberedPicture(const char* letter, double number) {
  const vdr::RuntimeString digits = vdr::RuntimeString("0") + vdr::ToInt(number);
  return vdr::RuntimeString(letter) + vdr::MidText(digits, digits.length() - 2, 2) + ".png";
}

}  // namespace granzel
