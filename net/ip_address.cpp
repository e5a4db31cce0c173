#include "net/ip_address.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vdr {

std::string DottedAddress(uint32_t ip) {
  char text[16];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", ip >> 24, ip >> 16 & 0xFF, ip >> 8 & 0xFF, ip & 0xFF);
  return text;
}

int32_t PeerAddressForm(uint32_t ip) {
  const uint32_t reversed = (ip >> 24) | (ip >> 8 & 0xFF00) | (ip << 8 & 0xFF0000) | (ip << 24);
  return static_cast<int32_t>(reversed);
}

uint32_t AddressArgument(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<uint32_t>(static_cast<int64_t>(std::fmod(std::trunc(value), 4294967296.0)));
}

std::string LocalAddressList(const std::vector<uint32_t>& addresses) {
  constexpr size_t kLongest = 2047;
  std::string list;
  for (const uint32_t ip : addresses) {
    if (ip >> 24 == 127) continue;
    const std::string item = DottedAddress(ip) + kAddressSeparator;
    if (list.size() + item.size() > kLongest) break;
    list += item;
  }
  if (!list.empty()) list.pop_back();
  return list;
}

std::string FirstListedAddress(const std::string& list) {
  constexpr size_t kLongest = 1023;
  const size_t end = list.find_first_of("|\r\n");
  return list.substr(0, std::min(end, kLongest));
}

}  // namespace vdr
