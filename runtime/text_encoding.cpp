// URL encoding, hexadecimal text and the keyed text cipher of the text commands.

#include <algorithm>
#include <cstring>
#include <vector>

#include "runtime/blowfish.h"
#include "runtime/number_text.h"
#include "runtime/string_commands.h"

namespace vdr {
namespace {

constexpr char kLowerDigits[] = "0123456789abcdef";
constexpr char kUpperDigits[] = "0123456789ABCDEF";

bool IsAlphanumeric(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// 0..15 for a hexadecimal digit of either case, -1 for anything else.
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

uint32_t LoadLittleEndian(const uint8_t* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

void StoreLittleEndian(uint32_t word, uint8_t* bytes) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(word >> (8 * i));
}

// ECB over whole 8-byte blocks, each half read and written little-endian.
template <typename Step>
void ForEachBlock(std::vector<uint8_t>& data, Step step) {
  for (size_t at = 0; at + 8 <= data.size(); at += 8) {
    uint32_t left = LoadLittleEndian(&data[at]);
    uint32_t right = LoadLittleEndian(&data[at + 4]);
    step(left, right);
    StoreLittleEndian(left, &data[at]);
    StoreLittleEndian(right, &data[at + 4]);
  }
}

}  // namespace

RuntimeString UrlEncode(const RuntimeString& text) {
  RuntimeString result;
  result.Reserve(text.length(), false);
  for (unsigned char c : text.view()) {
    if (IsAlphanumeric(c)) {
      result += static_cast<char>(c);
    } else if (c == ' ') {
      result += '+';
    } else {
      const char escape[3] = {'%', kLowerDigits[c >> 4], kLowerDigits[c & 15]};
      result.Append(escape, 3);
    }
  }
  return result;
}

RuntimeString UrlDecode(const RuntimeString& text) {
  const std::string_view in = text.view();
  RuntimeString result;
  result.Reserve(text.length(), false);
  for (size_t i = 0; i < in.size(); ++i) {
    const char c = in[i];
    if (c == '%') {
      const int high = i + 1 < in.size() ? HexValue(in[i + 1]) : -1;
      const int low = i + 2 < in.size() ? HexValue(in[i + 2]) : -1;
      if (high >= 0 && low >= 0) result += static_cast<char>(high << 4 | low);
      // Either way the next byte is consumed; a valid escape takes a second one.
      i += high >= 0 && low >= 0 ? 2 : 1;
    } else {
      result += c == '+' ? ' ' : c;
    }
  }
  return result;
}

RuntimeString HexText(const uint8_t* bytes, int32_t count, bool upperCase) {
  RuntimeString result;
  if (count < 1) return result;
  const char* digits = upperCase ? kUpperDigits : kLowerDigits;
  char* out = result.WritableBuffer(static_cast<uint32_t>(count) * 2);
  for (int32_t i = 0; i < count; ++i) {
    out[2 * i] = digits[bytes[i] >> 4];
    out[2 * i + 1] = digits[bytes[i] & 15];
  }
  result.Truncate(int64_t{count} * 2);
  return result;
}

RuntimeString HexText(const RuntimeString& bytes, double count, double upperCase) {
  const int32_t n = std::min<int64_t>(ToInt(count), bytes.length());
  return HexText(reinterpret_cast<const uint8_t*>(bytes.data()), n, ToInt(upperCase) != 0);
}

RuntimeString EncryptText(const RuntimeString& key, const RuntimeString& text) {
  const Blowfish cipher(key.view());
  std::vector<uint8_t> data((text.length() + 7) / 8 * 8, 0);
  if (!text.empty()) std::memcpy(data.data(), text.data(), text.length());
  ForEachBlock(data, [&](uint32_t& left, uint32_t& right) { cipher.EncryptBlock(left, right); });
  return HexText(data.data(), static_cast<int32_t>(data.size()), false);
}

RuntimeString DecryptText(const RuntimeString& key, const RuntimeString& hexText) {
  const std::string_view hex = hexText.view();
  if (hex.empty() || hex.size() % 16 != 0) return RuntimeString();
  std::vector<uint8_t> data(hex.size() / 2);
  for (size_t i = 0; i < data.size(); ++i) {
    const int high = HexValue(hex[2 * i]);
    const int low = HexValue(hex[2 * i + 1]);
    if (high < 0 || low < 0) return RuntimeString();
    data[i] = static_cast<uint8_t>(high << 4 | low);
  }
  const Blowfish cipher(key.view());
  ForEachBlock(data, [&](uint32_t& left, uint32_t& right) { cipher.DecryptBlock(left, right); });
  const auto* clear = reinterpret_cast<const char*>(data.data());
  return RuntimeString(clear, static_cast<uint32_t>(strnlen(clear, data.size())));
}

}  // namespace vdr
