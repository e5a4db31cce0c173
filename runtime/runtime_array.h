#pragma once
// Runtime arrays of numbers, integers, strings, bytes and records, up to four
// dimensions, first index fastest. Every access is tested; a fault records its
// error code and ends the program. Small number and integer arrays live in an
// inline block; capacity grows in steps of 8 or 64 elements and is kept.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <new>
#include <type_traits>
#include <utility>

#include "runtime/error_status.h"
#include "runtime/number_text.h"
#include "runtime/runtime_string.h"

namespace vdr {

namespace array_detail {
// Elements of the inline block, and the largest capacity that uses it with the
// usual capacity rule and with the exact-capacity form.
template <typename T> struct InlineRule { static constexpr int32_t block = 0, usual = 0, exact = 0; };
template <> struct InlineRule<double> { static constexpr int32_t block = 16, usual = 16, exact = 16; };
template <> struct InlineRule<int32_t> { static constexpr int32_t block = 16, usual = 8, exact = 8; };
template <typename T, int32_t N> struct InlineBlockOf { T items[N]; };
template <typename T> struct InlineBlockOf<T, 0> {};
template <typename T> constexpr int32_t kCapacityStep = (std::is_same_v<T, double> || std::is_same_v<T, int32_t>) ? 8 : 64;
}  // namespace array_detail

template <typename T>
class RuntimeArray {
  using Rule = array_detail::InlineRule<T>;

 public:
  RuntimeArray() = default;
  RuntimeArray(const RuntimeArray& other) { CopyFrom(other); }
  RuntimeArray& operator=(const RuntimeArray& other) {
    if (this != &other) CopyFrom(other);
    return *this;
  }
  ~RuntimeArray() { FreeStorage(); }

  // Makes the array the given shape with every element new (zero or empty).
  void Dim(int32_t s0, int32_t s1 = 0, int32_t s2 = 0, int32_t s3 = 0) { Size(s0, s1, s2, s3, false); }
  // The sizing form for runtime commands that fill arrays themselves:
  // capacity exactly the element count.
  void DimExact(int32_t s0, int32_t s1 = 0, int32_t s2 = 0, int32_t s3 = 0) { Size(s0, s1, s2, s3, true); }

  // Changes the shape keeping the elements inside both the old and new shape.
  void Redim(int32_t s0, int32_t s1 = 0, int32_t s2 = 0, int32_t s3 = 0);

  // Tested element access; a negative first index counts from the end.
  T& At(int32_t i0, int32_t i1 = 0, int32_t i2 = 0, int32_t i3 = 0) {
    return storage_[Position(i0, i1, i2, i3)];
  }
  const T& At(int32_t i0, int32_t i1 = 0, int32_t i2 = 0, int32_t i3 = 0) const {
    return storage_[Position(i0, i1, i2, i3)];
  }
  T& operator[](int32_t i0) { return At(i0); }
  const T& operator[](int32_t i0) const { return At(i0); }

  // Size of dimension 0..3; any other dimension gives 0.
  int32_t Bounds(int32_t dimension) const { return dimension >= 0 && dimension < 4 ? size_[dimension] : 0; }
  int32_t Count() const { return ElementCount(size_[0], size_[1], size_[2], size_[3]); }
  int32_t Capacity() const { return capacity_; }
  int32_t Dimensions() const { return dimensions_; }
  bool UsesInlineBlock() const { return storage_ != nullptr && storage_ == InlineBlock(); }
  T* Data() { return storage_; }
  const T* Data() const { return storage_; }

  // Appends one element to a one-dimensional array (error 8 otherwise).
  void Push(const T& value);
  // Removes element `index` of dimension 0, moving the later ones down.
  void Delete(int32_t index);
  // Takes the other array's shape and a copy of every element.
  void CopyFrom(const RuntimeArray& other);
  // One dimension of `count` elements holding the given values (which may be
  // this array's own).
  void FromList(int32_t count, const T* values);

 private:
  // max(s0, 0) x max(s1, 1) x max(s2, 1) x max(s3, 1); more than the address
  // space can hold is the fatal "out of memory" error.
  static int32_t ElementCount(int64_t s0, int64_t s1, int64_t s2, int64_t s3) {
    if (s0 <= 0) return 0;
    const int64_t n = s0 * std::max<int64_t>(s1, 1) * std::max<int64_t>(s2, 1) * std::max<int64_t>(s3, 1);
    if (n > INT32_MAX / static_cast<int64_t>(sizeof(T))) FatalError(kErrorOutOfMemory);
    return static_cast<int32_t>(n);
  }
  static int32_t RequiredCapacity(int32_t n, bool exact) {
    if (exact) return n;
    const int32_t step = array_detail::kCapacityStep<T>;
    return (n / step) * step + step;
  }
  T* InlineBlock() const {
    if constexpr (Rule::block > 0) {
      return const_cast<T*>(inline_.items);
    } else {
      return nullptr;
    }
  }
  bool FitsInline(int32_t capacity, bool exact) const {
    return capacity <= (exact ? Rule::exact : Rule::usual) && Rule::block > 0;
  }
  // New storage of `capacity` elements, all new values.
  T* Allocate(int32_t capacity, bool exact) {
    if (FitsInline(capacity, exact)) {
      for (int32_t i = 0; i < Rule::block; ++i) InlineBlock()[i] = T{};
      return InlineBlock();
    }
    T* block = new (std::nothrow) T[static_cast<size_t>(capacity)]();
    if (block == nullptr) FatalError(kErrorOutOfMemory);
    return block;
  }
  void FreeStorage() {
    if (storage_ != nullptr && storage_ != InlineBlock()) delete[] storage_;
    storage_ = nullptr;
  }
  void SetShape(int32_t s0, int32_t s1, int32_t s2, int32_t s3) {
    size_[0] = s0; size_[1] = s1; size_[2] = s2; size_[3] = s3;
    // An array without elements has no valid position, so its strides do not
    // matter; with elements, ElementCount has bounded every product here.
    const int32_t rows = std::max(s0, 0);
    stride_[0] = rows;
    stride_[1] = rows * std::max(s1, 1);
    stride_[2] = stride_[1] * std::max(s2, 1);
    dimensions_ = s3 != 0 ? 4 : s2 != 0 ? 3 : s1 != 0 ? 2 : s0 > 0 ? 1 : 0;
  }
  // Valid indices of dimensions 1 to 3: an unused one (size 0) takes index 0
  // only, one of negative size none.
  static int32_t IndexRange(int32_t size) { return size < 0 ? 0 : std::max(size, 1); }
  bool HasShape(int32_t s0, int32_t s1, int32_t s2, int32_t s3) const {
    return size_[0] == s0 && size_[1] == s1 && size_[2] == s2 && size_[3] == s3;
  }
  // Takes over the other array's storage and shape (the inline block by copy).
  void TakeStorage(RuntimeArray& other) {
    FreeStorage();
    if (other.UsesInlineBlock()) {
      for (int32_t i = 0; i < Rule::block; ++i) InlineBlock()[i] = std::move(other.InlineBlock()[i]);
      storage_ = InlineBlock();
    } else {
      storage_ = other.storage_;
    }
    other.storage_ = nullptr;
    capacity_ = other.capacity_;
    SetShape(other.size_[0], other.size_[1], other.size_[2], other.size_[3]);
  }
  void Size(int32_t s0, int32_t s1, int32_t s2, int32_t s3, bool exact);
  int64_t Position(int32_t i0, int32_t i1, int32_t i2, int32_t i3) const {
    int64_t first = i0;
    if (first < 0) first += size_[0];
    const bool bad = first < 0 || i1 < 0 || i2 < 0 || i3 < 0 || storage_ == nullptr || first >= size_[0] ||
                     (size_[1] != 0 ? i1 >= size_[1] : i1 != 0) || (size_[2] != 0 ? i2 >= size_[2] : i2 != 0) ||
                     (size_[3] != 0 ? i3 >= size_[3] : i3 != 0);
    if (bad) FatalError(kErrorOutOfBounds);
    return first + int64_t{i1} * stride_[0] + int64_t{i2} * stride_[1] + int64_t{i3} * stride_[2];
  }

  T* storage_ = nullptr;
  [[no_unique_address]] array_detail::InlineBlockOf<T, Rule::block> inline_{};
  int32_t stride_[3] = {0, 0, 0};
  int32_t size_[4] = {0, 0, 0, 0};
  int32_t dimensions_ = 0;
  int32_t capacity_ = 0;
};

template <typename T>
void RuntimeArray<T>::Size(int32_t s0, int32_t s1, int32_t s2, int32_t s3, bool exact) {
  const int32_t n = ElementCount(s0, s1, s2, s3);
  const int32_t required = RequiredCapacity(n, exact);
  if (capacity_ < required || s0 <= 0 || storage_ == nullptr) {
    FreeStorage();
    storage_ = Allocate(required, exact);
    capacity_ = required;
  } else {
    for (int32_t i = 0; i < capacity_; ++i) storage_[i] = T{};
  }
  SetShape(s0, s1, s2, s3);
}

template <typename T>
void RuntimeArray<T>::Redim(int32_t s0, int32_t s1, int32_t s2, int32_t s3) {
  const int32_t oldCount = Count();
  if (s0 < 1) {
    // Empty, but the storage stays for later use.
    for (int32_t i = 0; i < oldCount; ++i) storage_[i] = T{};
    SetShape(0, 0, 0, 0);
    return;
  }
  const int32_t n = ElementCount(s0, s1, s2, s3);
  if (storage_ != nullptr && HasShape(s0, s1, s2, s3)) return;
  const bool oneDimensional = s1 == 0 && s2 == 0 && s3 == 0 && size_[1] == 0 && size_[2] == 0 && size_[3] == 0;
  if (storage_ != nullptr && oneDimensional && n <= capacity_) {
    // Only the length changes: no element moves, the dropped ones become new.
    for (int32_t i = n; i < oldCount; ++i) storage_[i] = T{};
    SetShape(s0, s1, s2, s3);
    return;
  }
  RuntimeArray fresh;
  fresh.capacity_ = std::max(RequiredCapacity(n, false), capacity_);
  fresh.storage_ = fresh.Allocate(fresh.capacity_, false);
  fresh.SetShape(s0, s1, s2, s3);
  if (storage_ != nullptr) {
    // Every element whose indices lie inside both shapes keeps its indices.
    const int32_t k0 = std::min(s0, size_[0]);
    const int32_t k1 = std::min(IndexRange(s1), IndexRange(size_[1]));
    const int32_t k2 = std::min(IndexRange(s2), IndexRange(size_[2]));
    const int32_t k3 = std::min(IndexRange(s3), IndexRange(size_[3]));
    for (int32_t i3 = 0; i3 < k3; ++i3)
      for (int32_t i2 = 0; i2 < k2; ++i2)
        for (int32_t i1 = 0; i1 < k1; ++i1)
          for (int32_t i0 = 0; i0 < k0; ++i0) fresh.At(i0, i1, i2, i3) = std::move(At(i0, i1, i2, i3));
  }
  TakeStorage(fresh);
}

template <typename T>
void RuntimeArray<T>::Push(const T& value) {
  if (size_[1] != 0) FatalError(kErrorArrayOperation);
  const T copy = value;  // the value may live in this array
  Redim(size_[0] + 1);
  storage_[size_[0] - 1] = copy;
}

template <typename T>
void RuntimeArray<T>::Delete(int32_t index) {
  int64_t at = index;
  if (at < 0) at += size_[0];
  if (at < 0 || at >= size_[0] || storage_ == nullptr) FatalError(kErrorArrayOperation);
  const int32_t rows = Count() / size_[0];
  for (int32_t row = 0; row < rows; ++row) {
    T* line = storage_ + int64_t{row} * size_[0];
    for (int64_t i = at + 1; i < size_[0]; ++i) line[i - 1] = std::move(line[i]);
  }
  if (dimensions_ <= 1) {
    Redim(size_[0] - 1);
    return;
  }
  // Several dimensions: the last element of each row is dropped by the
  // re-dimensioning copy.
  Redim(size_[0] - 1, size_[1], size_[2], size_[3]);
}

template <typename T>
void RuntimeArray<T>::CopyFrom(const RuntimeArray& other) {
  if (this == &other || (other.storage_ == nullptr && storage_ == nullptr)) return;
  Dim(other.size_[0], other.size_[1], other.size_[2], other.size_[3]);
  const int32_t n = other.Count();
  for (int32_t i = 0; i < n; ++i) storage_[i] = other.storage_[i];
}

template <typename T>
void RuntimeArray<T>::FromList(int32_t count, const T* values) {
  // The values may be this array's own elements, which Dim resets: they are
  // then copied first.
  const std::less<const T*> before;
  if (count > 0 && storage_ != nullptr && !before(values, storage_) && before(values, storage_ + capacity_)) {
    RuntimeArray copy;
    copy.FromList(count, values);
    FromList(count, copy.storage_);
    return;
  }
  Dim(count);
  for (int32_t i = 0; i < count; ++i) storage_[i] = values[i];
}

// Commands, as compiled programs call them: numbers truncated to integers.
template <typename T>
void DimArray(RuntimeArray<T>& array, double s0, double s1 = 0, double s2 = 0, double s3 = 0) {
  array.Dim(ToInt(s0), ToInt(s1), ToInt(s2), ToInt(s3));
}
template <typename T>
void RedimArray(RuntimeArray<T>& array, double s0, double s1 = 0, double s2 = 0, double s3 = 0) {
  array.Redim(ToInt(s0), ToInt(s1), ToInt(s2), ToInt(s3));
}
template <typename T>
int32_t ArrayBounds(const RuntimeArray<T>& array, double dimension) {
  return array.Bounds(ToInt(dimension));
}
inline void ArrayPush(RuntimeArray<RuntimeString>& array, const RuntimeString& value) { array.Push(value); }
template <typename T>
void ArrayDelete(RuntimeArray<T>& array, double index) {
  array.Delete(ToInt(index));
}

// Sorts first..last (inclusive) of a string array; without a comparison by
// unsigned byte order. Safe with any comparison function, even inconsistent ones.
using StringComparison = int (*)(const RuntimeString&, const RuntimeString&);
void SortArray(RuntimeString* first, RuntimeString* last, StringComparison compare = nullptr);

}  // namespace vdr
