#pragma once
// The bytes of a media pack, read at any position: a file on disk or a block
// in memory. Every read is bounded by the size, so a hostile pack can name any
// offset without reaching outside it.

#include <cstddef>
#include <cstdint>

namespace vdr {

class PackInput {
 public:
  virtual ~PackInput() = default;
  virtual uint64_t Size() const = 0;
  // Copies exactly `count` bytes from `offset`; false when they are not all there.
  virtual bool ReadAt(uint64_t offset, void* out, size_t count) const = 0;
  // The bytes themselves when the pack is in memory (no copy needed), else null.
  virtual const uint8_t* View(uint64_t offset, size_t count) const = 0;

 protected:
  bool Holds(uint64_t offset, size_t count) const { return offset <= Size() && count <= Size() - offset; }
};

class MemoryPackInput final : public PackInput {
 public:
  MemoryPackInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, void* out, size_t count) const override;
  const uint8_t* View(uint64_t offset, size_t count) const override;

 private:
  const uint8_t* data_;
  size_t size_;
};

// Reads through a descriptor the caller keeps open; the size is taken once.
class FilePackInput final : public PackInput {
 public:
  explicit FilePackInput(int fd);
  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, void* out, size_t count) const override;
  const uint8_t* View(uint64_t, size_t) const override { return nullptr; }

 private:
  int fd_;
  uint64_t size_ = 0;
};

}  // namespace vdr
