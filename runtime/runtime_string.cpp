#include "runtime/runtime_string.h"

#include <cstring>
#include <utility>

#include "runtime/error_status.h"
#include "runtime/number_text.h"
#include "runtime/string_buffers.h"

namespace vdr {
namespace {

// The one shared empty text. Never written to, never freed.
const char kSharedEmpty[1] = {0};

char* SharedEmpty() { return const_cast<char*>(kSharedEmpty); }

// The longest text whose capacity still fits the 32-bit capacity field.
constexpr uint64_t kMaxLength = UINT32_MAX - 32;

uint32_t MeasureText(const char* text) {
  if (text == nullptr) return 0;
  const size_t n = std::strlen(text);
  if (n > kMaxLength) FatalError(kErrorOutOfMemory);
  return static_cast<uint32_t>(n);
}

}  // namespace

RuntimeString::RuntimeString() noexcept : buffer_(SharedEmpty()), capacity_(0), length_(0) {}

RuntimeString::RuntimeString(const RuntimeString& other) : RuntimeString() { CopyFrom(other); }

RuntimeString::RuntimeString(RuntimeString&& other) noexcept : RuntimeString() { swap(other); }

RuntimeString::RuntimeString(const char* text) : RuntimeString(text, MeasureText(text)) {}

RuntimeString::RuntimeString(const char* data, uint32_t count) : RuntimeString() {
  if (count == 0) return;
  Reserve(count, false);
  std::memcpy(buffer_, data, count);
  buffer_[count] = 0;
  length_ = count;
}

RuntimeString::RuntimeString(int32_t value) : RuntimeString() {
  Reserve(15, false);
  WriteIntegerText(value, buffer_);
  RecountLength();
}

RuntimeString::RuntimeString(float value) : RuntimeString(static_cast<double>(value)) {}

RuntimeString::RuntimeString(double value) : RuntimeString() {
  Reserve(63, false);
  WriteNumberText(value, buffer_);
  RecountLength();
}

RuntimeString::~RuntimeString() { Release(); }

void RuntimeString::Release() noexcept {
  if (buffer_ != nullptr && buffer_ != kSharedEmpty) string_buffers::Release(buffer_, capacity_);
}

void RuntimeString::swap(RuntimeString& other) noexcept {
  std::swap(buffer_, other.buffer_);
  std::swap(capacity_, other.capacity_);
  std::swap(length_, other.length_);
}

bool RuntimeString::IsSharedEmpty() const { return buffer_ == kSharedEmpty; }

void RuntimeString::CopyFrom(const RuntimeString& other) {
  if (other.length_ != 0) {
    Reserve(other.length_, false);
    length_ = other.length_;
    std::memcpy(buffer_, other.buffer_, length_ + 1);
  } else {
    if (buffer_ != kSharedEmpty) buffer_[0] = 0;
    length_ = 0;
  }
}

RuntimeString& RuntimeString::operator=(const RuntimeString& other) {
  if (buffer_ != other.buffer_) CopyFrom(other);
  return *this;
}

RuntimeString& RuntimeString::operator=(RuntimeString&& other) noexcept {
  if (buffer_ == other.buffer_) return *this;
  if (other.length_ < capacity_ || other.length_ == 0) {
    CopyFrom(other);  // fits: no allocation
  } else {
    swap(other);
  }
  return *this;
}

RuntimeString& RuntimeString::operator=(const char* text) {
  RuntimeString fresh(text);
  swap(fresh);
  return *this;
}

void RuntimeString::Reserve(uint32_t n, bool keep) {
  if (n == 0 || capacity_ >= uint64_t{n} + 1) return;
  if (n > kMaxLength) FatalError(kErrorOutOfMemory);
  // The smallest multiple of 16 strictly above n + 1.
  const uint32_t newCapacity = ((n + 1) & ~uint32_t{15}) + 16;
  char* fresh;
  if (keep && length_ != 0) {
    fresh = string_buffers::Grow(buffer_, capacity_, length_ + 1, newCapacity);
    if (fresh == nullptr) FatalError(kErrorOutOfMemory);
  } else {
    fresh = string_buffers::Allocate(newCapacity);
    if (fresh == nullptr) FatalError(kErrorOutOfMemory);
    fresh[0] = 0;
    Release();
    length_ = 0;
  }
  buffer_ = fresh;
  capacity_ = newCapacity;
}

char* RuntimeString::WritableBuffer(uint32_t n) {
  Reserve(n == 0 ? 1 : n, true);
  return buffer_;
}

void RuntimeString::RecountLength() {
  if (capacity_ == 0) {
    length_ = 0;
    return;
  }
  const void* nul = std::memchr(buffer_, 0, capacity_ - 1);
  if (nul != nullptr) {
    length_ = static_cast<uint32_t>(static_cast<const char*>(nul) - buffer_);
  } else {
    length_ = capacity_ - 1;
    buffer_[length_] = 0;
  }
}

void RuntimeString::Truncate(int64_t n) {
  if (n < 0 || n >= capacity_) return;
  buffer_[n] = 0;
  length_ = static_cast<uint32_t>(n);
}

uint32_t RuntimeString::TextLength() const { return MeasureText(buffer_); }

RuntimeString RuntimeString::Substring(int64_t start, int64_t count) const {
  const int64_t total = length_;
  if (count < 0) count = total;
  if (start + count > total) count = total - start;
  if (count < 1 || start >= total || start < 0) return RuntimeString();
  return RuntimeString(buffer_ + start, static_cast<uint32_t>(count));
}

double RuntimeString::ToDouble() const { return TextToDouble(buffer_); }
int32_t RuntimeString::ToInteger() const { return TextToInteger(buffer_); }

void RuntimeString::AppendGrowing(const char* data, size_t count) {
  const uint64_t total = uint64_t{length_} + count;
  if (total > kMaxLength) FatalError(kErrorOutOfMemory);
  if (data >= buffer_ && data < buffer_ + capacity_) {
    // Appending a part of ourselves: the growth moves the buffer, so copy first.
    const RuntimeString copy(data, static_cast<uint32_t>(count));
    AppendGrowing(copy.buffer_, count);
    return;
  }
  Reserve(static_cast<uint32_t>(total), true);
  std::memcpy(buffer_ + length_, data, count);
  length_ = static_cast<uint32_t>(total);
  buffer_[length_] = 0;
}

RuntimeString& RuntimeString::operator+=(int32_t value) { return *this += RuntimeString(value); }
RuntimeString& RuntimeString::operator+=(float value) { return *this += RuntimeString(value); }
RuntimeString& RuntimeString::operator+=(double value) { return *this += RuntimeString(value); }

RuntimeString operator+(const RuntimeString& a, const RuntimeString& b) { RuntimeString r(a); r += b; return r; }
RuntimeString operator+(const RuntimeString& a, const char* b) { RuntimeString r(a); r += b; return r; }
RuntimeString operator+(const RuntimeString& a, int32_t b) { RuntimeString r(a); r += b; return r; }
RuntimeString operator+(const RuntimeString& a, float b) { RuntimeString r(a); r += b; return r; }
RuntimeString operator+(const RuntimeString& a, double b) { RuntimeString r(a); r += b; return r; }
RuntimeString operator+(const char* a, const RuntimeString& b) { RuntimeString r(a); r += b; return r; }
RuntimeString operator+(int32_t a, const RuntimeString& b) { RuntimeString r(a); r += b; return r; }
RuntimeString operator+(float a, const RuntimeString& b) { RuntimeString r(a); r += b; return r; }
RuntimeString operator+(double a, const RuntimeString& b) { RuntimeString r(a); r += b; return r; }
RuntimeString Concat(const char* a, const char* b) { RuntimeString r(a); r += b; return r; }
RuntimeString Concat(const char* a, int32_t b) { RuntimeString r(a); r += b; return r; }
RuntimeString Concat(const char* a, float b) { RuntimeString r(a); r += b; return r; }
RuntimeString Concat(const char* a, double b) { RuntimeString r(a); r += b; return r; }
RuntimeString Concat(int32_t a, const char* b) { RuntimeString r(a); r += b; return r; }
RuntimeString Concat(float a, const char* b) { RuntimeString r(a); r += b; return r; }
RuntimeString Concat(double a, const char* b) { RuntimeString r(a); r += b; return r; }

int Compare(const char* a, const char* b) {
  const auto* x = reinterpret_cast<const unsigned char*>(a);
  const auto* y = reinterpret_cast<const unsigned char*>(b);
  while (*x != 0 && *x == *y) {
    ++x;
    ++y;
  }
  return static_cast<int>(*x) - static_cast<int>(*y);
}

namespace {
template <typename T>
int ThreeWay(T a, T b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}
}  // namespace

int CompareNumeric(const RuntimeString& text, double number) { return ThreeWay(text.ToDouble(), number); }
int CompareNumeric(const RuntimeString& text, int32_t number) { return ThreeWay(text.ToInteger(), number); }

}  // namespace vdr
