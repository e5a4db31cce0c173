#include "files/memory_files.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <utility>

#include "runtime/process_object.h"

namespace vdr {
namespace {

constexpr char kPrefix[] = "mem://";
constexpr size_t kLengthAt = 6;
constexpr size_t kAddressAt = 15;

std::unordered_map<uint64_t, MemoryBlockRef>& Registry() { return Registered<MemoryFileRegistry>().blocks; }

uint64_t AddressOf(const void* address) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(address)); }

bool ReadHex(const char* text, uint64_t& value) {
  while (*text == ' ' || *text == '\t') ++text;
  value = 0;
  int digits = 0;
  for (;; ++text, ++digits) {
    const char c = *text;
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else break;
    if (value >> 60 != 0) return false;  // more than 64 bits
    value = value << 4 | static_cast<uint64_t>(digit);
  }
  return digits > 0;
}

}  // namespace

bool IsMemoryFileName(const char* name) {
  return name != nullptr && std::strncmp(name, kPrefix, kLengthAt) == 0;
}

bool ParseMemoryFileName(const char* name, uint64_t& length, uint64_t& address) {
  if (!IsMemoryFileName(name) || std::strlen(name) <= kAddressAt) return false;
  return ReadHex(name + kLengthAt, length) && ReadHex(name + kAddressAt, address);
}

std::string MemoryFileName(uint64_t length, const void* address) {
  char name[64];
  std::snprintf(name, sizeof name, "mem://%8" PRIx64 ".%8" PRIx64, length, AddressOf(address));
  return name;
}

MemoryBlockRef FindMemoryFile(const char* name) {
  uint64_t length = 0, address = 0;
  if (!ParseMemoryFileName(name, length, address)) return nullptr;
  const auto found = Registry().find(address);
  if (found == Registry().end() || found->second->size != length) return nullptr;
  return found->second;
}

MemoryFile::MemoryFile(MemoryBlockRef block) : block_(std::move(block)) {
  if (block_ == nullptr || block_->bytes == nullptr) {
    block_.reset();
    return;
  }
  name_ = MemoryFileName(block_->size, block_->bytes.get());
  Registry()[AddressOf(block_->bytes.get())] = block_;
}

MemoryFile::MemoryFile(MemoryFile&& other) noexcept
    : block_(std::move(other.block_)), name_(std::move(other.name_)) {
  other.name_.clear();
}

MemoryFile& MemoryFile::operator=(MemoryFile&& other) noexcept {
  if (this != &other) {
    Withdraw();
    block_ = std::move(other.block_);
    name_ = std::move(other.name_);
    other.name_.clear();
  }
  return *this;
}

void MemoryFile::Withdraw() {
  if (block_ != nullptr) Registry().erase(AddressOf(block_->bytes.get()));
  block_.reset();
  name_.clear();
}

}  // namespace vdr
