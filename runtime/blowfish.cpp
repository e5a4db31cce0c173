#include "runtime/blowfish.h"

#include <cstring>
#include <utility>

namespace vdr {

Blowfish::Blowfish(std::string_view key) {
  std::memcpy(p_, kInitialP, sizeof p_);
  std::memcpy(s_, kInitialS, sizeof s_);
  if (!key.empty()) {
    size_t next = 0;
    for (uint32_t& subkey : p_) {
      uint32_t word = 0;
      for (int i = 0; i < 4; ++i) {
        word = (word << 8) | static_cast<unsigned char>(key[next]);
        next = (next + 1) % key.size();
      }
      subkey ^= word;
    }
  }
  // Every subkey in turn is replaced by the encryption of the running block.
  uint32_t left = 0, right = 0;
  for (int i = 0; i < 18; i += 2) {
    EncryptBlock(left, right);
    p_[i] = left;
    p_[i + 1] = right;
  }
  for (auto& box : s_) {
    for (int i = 0; i < 256; i += 2) {
      EncryptBlock(left, right);
      box[i] = left;
      box[i + 1] = right;
    }
  }
}

uint32_t Blowfish::Round(uint32_t x) const {
  return ((s_[0][x >> 24] + s_[1][(x >> 16) & 0xFF]) ^ s_[2][(x >> 8) & 0xFF]) + s_[3][x & 0xFF];
}

void Blowfish::Cipher(uint32_t& left, uint32_t& right, bool decrypt) const {
  // Decryption is encryption with the subkeys in reverse order.
  auto subkey = [&](int i) { return p_[decrypt ? 17 - i : i]; };
  uint32_t l = left, r = right;
  for (int i = 0; i < 16; ++i) {
    l ^= subkey(i);
    r ^= Round(l);
    std::swap(l, r);
  }
  left = r ^ subkey(17);
  right = l ^ subkey(16);
}

void Blowfish::EncryptBlock(uint32_t& left, uint32_t& right) const { Cipher(left, right, false); }
void Blowfish::DecryptBlock(uint32_t& left, uint32_t& right) const { Cipher(left, right, true); }

}  // namespace vdr
