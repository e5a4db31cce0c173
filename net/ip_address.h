#pragma once
// The forms IPv4 addresses take at the commands: integers with the first
// octet in the most significant byte (127.0.0.1 is 0x7F000001), dotted text,
// and the list of this machine's addresses.

#include <cstdint>
#include <string>
#include <vector>

namespace vdr {

// "%d.%d.%d.%d", first octet first.
std::string DottedAddress(uint32_t ip);
// The octets packed the other way round, first octet in the least
// significant byte (127.0.0.1 gives 0x0100007F): the peer address form of
// TcpAccept.
int32_t PeerAddressForm(uint32_t ip);
// A number taken as an address: truncated toward zero and kept to its low 32
// bits, so both HostToIp's negative results and values above 2^31 name the
// address they spell; NaN is 0.
uint32_t AddressArgument(double value);

constexpr char kAddressSeparator = '|';
// The addresses that do not start with "127.", each as dotted text followed
// by "|" while the text stays within 2047 characters, without the last "|".
std::string LocalAddressList(const std::vector<uint32_t>& addresses);
// The first address of such a list: up to its first "|" or line break, at
// most 1023 characters.
std::string FirstListedAddress(const std::string& list);

}  // namespace vdr
