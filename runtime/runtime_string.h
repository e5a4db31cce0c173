#pragma once
// RuntimeString: the runtime's one text value. Three fields (buffer, capacity,
// length); the empty value points at one shared read-only byte and allocates
// nothing. Copies are deep; capacity grows in steps of 16 bytes and never shrinks.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vdr {

class RuntimeString {
 public:
  RuntimeString() noexcept;
  RuntimeString(const RuntimeString& other);
  RuntimeString(RuntimeString&& other) noexcept;
  RuntimeString(const char* text);  // NOLINT: plain text converts implicitly
  RuntimeString(const char* data, uint32_t count);
  explicit RuntimeString(int32_t value);
  explicit RuntimeString(float value);
  explicit RuntimeString(double value);
  ~RuntimeString();

  RuntimeString& operator=(const RuntimeString& other);
  // Like the copy: a large enough buffer is reused, so capacity never shrinks;
  // only a buffer that is too small is replaced by the source's.
  RuntimeString& operator=(RuntimeString&& other) noexcept;
  RuntimeString& operator=(const char* text);

  // Appending stays inline while the buffer has room; growing is out of line.
  RuntimeString& operator+=(const RuntimeString& other) {
    Append(other.buffer_, other.length_);
    return *this;
  }
  RuntimeString& operator+=(const char* text) {
    if (text != nullptr) Append(text, std::strlen(text));
    return *this;
  }
  RuntimeString& operator+=(char byte) {
    if (length_ + 1 < capacity_) {
      buffer_[length_++] = byte;
      buffer_[length_] = 0;
    } else {
      AppendGrowing(&byte, 1);
    }
    return *this;
  }
  RuntimeString& operator+=(int32_t value);
  RuntimeString& operator+=(float value);
  RuntimeString& operator+=(double value);
  // Appends count bytes (which may include NUL bytes).
  void Append(const char* data, size_t count) {
    if (count == 0) return;
    if (count < capacity_ - length_) {
      std::memcpy(buffer_ + length_, data, count);
      length_ += static_cast<uint32_t>(count);
      buffer_[length_] = 0;
    } else {
      AppendGrowing(data, count);
    }
  }

  const char* c_str() const { return buffer_; }
  const char* data() const { return buffer_; }
  uint32_t length() const { return length_; }
  uint32_t capacity() const { return capacity_; }
  bool empty() const { return length_ == 0; }
  char operator[](uint32_t index) const { return buffer_[index]; }
  std::string_view view() const { return {buffer_, length_}; }
  // True while the value holds the shared empty text.
  bool IsSharedEmpty() const;

  // Makes room for n bytes plus the terminator: the capacity becomes the
  // smallest multiple of 16 above n + 1. keep copies the content over;
  // otherwise the value is left empty. A text too long for 32-bit sizes, or
  // memory running out, is the fatal "out of memory" error.
  void Reserve(uint32_t n, bool keep);
  // Reserve(n) keeping the content and hands out the buffer (n + 1 writable
  // bytes, never the shared empty text) for a platform call to fill; call
  // RecountLength or Truncate afterwards.
  char* WritableBuffer(uint32_t n);
  // length := bytes before the first NUL, at most capacity - 1.
  void RecountLength();
  // Cuts the value to n bytes when 0 <= n < capacity.
  void Truncate(int64_t n);
  // Number of bytes before the first NUL of the buffer.
  uint32_t TextLength() const;
  // Substring by the text commands' rule: negative count means to the end;
  // out-of-range start gives the empty value.
  RuntimeString Substring(int64_t start, int64_t count) const;

  double ToDouble() const;
  int32_t ToInteger() const;

  void swap(RuntimeString& other) noexcept;

 private:
  void AppendGrowing(const char* data, size_t count);
  void CopyFrom(const RuntimeString& other);
  void Release() noexcept;

  char* buffer_;
  uint32_t capacity_;
  uint32_t length_;
};

// Concatenation: a new value, the left operand converted, the right appended.
RuntimeString operator+(const RuntimeString& a, const RuntimeString& b);
RuntimeString operator+(const RuntimeString& a, const char* b);
RuntimeString operator+(const RuntimeString& a, int32_t b);
RuntimeString operator+(const RuntimeString& a, float b);
RuntimeString operator+(const RuntimeString& a, double b);
RuntimeString operator+(const char* a, const RuntimeString& b);
RuntimeString operator+(int32_t a, const RuntimeString& b);
RuntimeString operator+(float a, const RuntimeString& b);
RuntimeString operator+(double a, const RuntimeString& b);
// The pairs C++ cannot overload as operators (plain text with plain text or a number).
RuntimeString Concat(const char* a, const char* b);
RuntimeString Concat(const char* a, int32_t b);
RuntimeString Concat(const char* a, float b);
RuntimeString Concat(const char* a, double b);
RuntimeString Concat(int32_t a, const char* b);
RuntimeString Concat(float a, const char* b);
RuntimeString Concat(double a, const char* b);

// Byte comparison of NUL-terminated texts, unsigned; the three-way form
// returns the signed difference of the first differing bytes.
int Compare(const char* a, const char* b);
inline int Compare(const RuntimeString& a, const RuntimeString& b) { return Compare(a.c_str(), b.c_str()); }
inline int Compare(const RuntimeString& a, const char* b) { return Compare(a.c_str(), b); }
inline int Compare(const char* a, const RuntimeString& b) { return Compare(a, b.c_str()); }

#define VDR_TEXT_RELATION(op)                                                                  \
  inline bool operator op(const RuntimeString& a, const RuntimeString& b) { return Compare(a, b) op 0; } \
  inline bool operator op(const RuntimeString& a, const char* b) { return Compare(a, b) op 0; }          \
  inline bool operator op(const char* a, const RuntimeString& b) { return Compare(a, b) op 0; }
VDR_TEXT_RELATION(==)
VDR_TEXT_RELATION(!=)
VDR_TEXT_RELATION(<)
VDR_TEXT_RELATION(>)
VDR_TEXT_RELATION(<=)
VDR_TEXT_RELATION(>=)
#undef VDR_TEXT_RELATION

// Mixed comparisons: the text is read as a number (text to double for float
// and double operands, text to integer for integer operands) and compared
// numerically. The three-way forms give -1, 0 or 1 (0 also when NaN is involved).
int CompareNumeric(const RuntimeString& text, double number);
int CompareNumeric(const RuntimeString& text, int32_t number);

#define VDR_NUMBER_RELATION(op, T, Read, Widen)                                                      \
  inline bool operator op(const RuntimeString& a, T b) { return a.Read() op Widen(b); }             \
  inline bool operator op(T a, const RuntimeString& b) { return Widen(a) op b.Read(); }
#define VDR_NUMBER_RELATIONS(T, Read, Widen) \
  VDR_NUMBER_RELATION(==, T, Read, Widen)    \
  VDR_NUMBER_RELATION(!=, T, Read, Widen)    \
  VDR_NUMBER_RELATION(<, T, Read, Widen)     \
  VDR_NUMBER_RELATION(>, T, Read, Widen)     \
  VDR_NUMBER_RELATION(<=, T, Read, Widen)    \
  VDR_NUMBER_RELATION(>=, T, Read, Widen)
VDR_NUMBER_RELATIONS(int32_t, ToInteger, static_cast<int32_t>)
VDR_NUMBER_RELATIONS(float, ToDouble, static_cast<double>)
VDR_NUMBER_RELATIONS(double, ToDouble, static_cast<double>)
#undef VDR_NUMBER_RELATIONS
#undef VDR_NUMBER_RELATION

}  // namespace vdr
