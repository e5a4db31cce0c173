#pragma once
// A growable vertex array for the batched drawers (polygon batch, text):
// it grows to 512 vertices when that suffices, else to the next block of 128
// above the need, keeps its vertices when it grows and never shrinks, so
// steady drawing does not allocate.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

namespace vdr {

inline constexpr int32_t kFirstVertexCapacity = 512;
inline constexpr int32_t kVertexGrowthBlock = 128;

// The capacity a buffer grows to when it must hold `needed` vertices.
inline int64_t GrownVertexCapacity(int64_t needed) {
  if (needed <= kFirstVertexCapacity) return kFirstVertexCapacity;
  return kVertexGrowthBlock * (needed / kVertexGrowthBlock + 1);
}

template <typename Vertex>
class VertexBuffer {
 public:
  // Makes room for `needed` vertices; false (contents kept) when memory fails
  // or the count is out of range.
  bool Reserve(int64_t needed) {
    if (needed <= capacity_) return true;
    if (needed > kMaxVertices) return false;
    const int64_t capacity = GrownVertexCapacity(needed);
    std::unique_ptr<Vertex[]> grown(new (std::nothrow) Vertex[static_cast<size_t>(capacity)]);
    if (grown == nullptr) return false;
    std::copy(vertices_.get(), vertices_.get() + count_, grown.get());
    vertices_ = std::move(grown);
    capacity_ = static_cast<int32_t>(capacity);
    return true;
  }
  // Appends one vertex (taken by value: it may be one of this buffer's own);
  // false (nothing stored) when the buffer cannot grow.
  bool Push(Vertex vertex) {
    if (!Reserve(int64_t{count_} + 1)) return false;
    vertices_[static_cast<size_t>(count_++)] = vertex;
    return true;
  }
  void SetCount(int32_t count) { count_ = count; }
  void Clear() { count_ = 0; }

  int32_t Count() const { return count_; }
  int32_t Capacity() const { return capacity_; }
  Vertex* Data() { return vertices_.get(); }
  const Vertex* Data() const { return vertices_.get(); }
  const Vertex& Last() const { return vertices_[static_cast<size_t>(count_ - 1)]; }

 private:
  static constexpr int64_t kMaxVertices = INT32_MAX - kVertexGrowthBlock;
  std::unique_ptr<Vertex[]> vertices_;
  int32_t count_ = 0;
  int32_t capacity_ = 0;
};

}  // namespace vdr
