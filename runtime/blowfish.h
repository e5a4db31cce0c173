#pragma once
// The Blowfish block cipher: 64-bit blocks as two 32-bit halves, the standard
// key schedule over 0 to 72 key bytes (longer keys use their first 72).

#include <cstdint>
#include <string_view>

namespace vdr {

class Blowfish {
 public:
  // The key bytes are taken cyclically, four to a big-endian word. An empty
  // key leaves the initial subkeys as they are before the schedule runs.
  explicit Blowfish(std::string_view key);

  void EncryptBlock(uint32_t& left, uint32_t& right) const;
  void DecryptBlock(uint32_t& left, uint32_t& right) const;

 private:
  static const uint32_t kInitialP[18];
  static const uint32_t kInitialS[4][256];

  uint32_t Round(uint32_t x) const;
  void Cipher(uint32_t& left, uint32_t& right, bool decrypt) const;

  uint32_t p_[18];
  uint32_t s_[4][256];
};

}  // namespace vdr
