#include "runtime/runtime_string.h"

#include <cstring>
#include <utility>

#include "runtime/number_text.h"

namespace vdr {
namespace {

// The one shared empty text. Never written to, never freed.
const char kSharedEmpty[1] = {0};

char* SharedEmpty() { return const_cast<char*>(kSharedEmpty); }

uint32_t MeasureText(const char* text) {
  return text == nullptr ? 0 : static_cast<uint32_t>(std::strlen(text));
}

}  // namespace

RuntimeString::RuntimeString() noexcept : buffer_(SharedEmpty()), capacity_(0), length_(0) {}

RuntimeString::RuntimeString(const RuntimeString& other) : RuntimeString() {
  if (other.length_ == 0) return;
  Reserve(other.length_, false);
  std::memcpy(buffer_, other.buffer_, other.length_);
  buffer_[other.length_] = 0;
  length_ = other.length_;
}

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
  if (buffer_ != nullptr && buffer_ != kSharedEmpty) delete[] buffer_;
}

void RuntimeString::swap(RuntimeString& other) noexcept {
  std::swap(buffer_, other.buffer_);
  std::swap(capacity_, other.capacity_);
  std::swap(length_, other.length_);
}

bool RuntimeString::IsSharedEmpty() const { return buffer_ == kSharedEmpty; }

RuntimeString& RuntimeString::operator=(const RuntimeString& other) {
  if (buffer_ == other.buffer_) return *this;
  if (other.length_ != 0) {
    Reserve(other.length_, false);
    length_ = other.length_;
    std::memcpy(buffer_, other.buffer_, length_ + 1);
  } else {
    if (buffer_ != kSharedEmpty) buffer_[0] = 0;
    length_ = 0;
  }
  return *this;
}

RuntimeString& RuntimeString::operator=(RuntimeString&& other) noexcept {
  if (this != &other) {
    RuntimeString taken(std::move(other));
    swap(taken);
  }
  return *this;
}

RuntimeString& RuntimeString::operator=(const char* text) {
  RuntimeString fresh(text);
  swap(fresh);
  return *this;
}

void RuntimeString::Reserve(uint32_t n, bool keep) {
  if (n == 0 || capacity_ >= static_cast<uint64_t>(n) + 1) return;
  // The smallest multiple of 16 strictly above n + 1.
  const uint64_t wanted = ((static_cast<uint64_t>(n) + 1) & ~uint64_t{15}) + 16;
  const uint32_t newCapacity = wanted > UINT32_MAX ? (UINT32_MAX & ~uint32_t{15}) : static_cast<uint32_t>(wanted);
  char* fresh = new char[newCapacity];
  if (keep && length_ != 0) {
    std::memcpy(fresh, buffer_, length_);
    fresh[length_] = 0;
  } else {
    fresh[0] = 0;
  }
  Release();
  buffer_ = fresh;
  capacity_ = newCapacity;
}

char* RuntimeString::WritableBuffer(uint32_t n) {
  Reserve(n, true);
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

void RuntimeString::AppendBytes(const char* data, uint32_t count) {
  if (count == 0) return;
  if (data >= buffer_ && data < buffer_ + capacity_) {
    // Appending a part of ourselves: the buffer may move, so copy first.
    RuntimeString copy(data, count);
    AppendBytes(copy.buffer_, count);
    return;
  }
  Reserve(length_ + count, true);
  std::memcpy(buffer_ + length_, data, count);
  length_ += count;
  buffer_[length_] = 0;
}

void RuntimeString::Append(const char* data, uint32_t count) { AppendBytes(data, count); }

RuntimeString& RuntimeString::operator+=(const RuntimeString& other) {
  AppendBytes(other.buffer_, other.length_);
  return *this;
}

RuntimeString& RuntimeString::operator+=(const char* text) {
  AppendBytes(text, MeasureText(text));
  return *this;
}

RuntimeString& RuntimeString::operator+=(char byte) {
  Reserve(length_ + 1, true);
  buffer_[length_++] = byte;
  buffer_[length_] = 0;
  return *this;
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

int CompareNumeric(const RuntimeString& text, double number) {
  const double value = text.ToDouble();
  return value < number ? -1 : (value > number ? 1 : 0);
}

int CompareNumeric(const RuntimeString& text, int32_t number) {
  const int32_t value = text.ToInteger();
  return value < number ? -1 : (value > number ? 1 : 0);
}

}  // namespace vdr
