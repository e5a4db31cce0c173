#pragma once
// The eight numbered file channels. A channel reads a disk file or a memory
// file, or writes a disk file (new or appended). Values are little-endian.
// Faults the program cannot go on from end it through FatalError: a channel
// number outside 0..7 (error 7), and reading past the end, reading or writing
// a closed channel, or a short transfer (error 3).

#include <cstddef>
#include <cstdint>

#include "files/memory_files.h"
#include "files/unique_fd.h"
#include "runtime/runtime_string.h"

namespace vdr {

class FileChannels {
 public:
  static constexpr const char* kProcessObjectName = "the file channels";
  static constexpr int32_t kCount = 8;
  // Longest line ReadLine returns; a longer line comes in several parts.
  static constexpr int32_t kLineMax = 1024;

  // mode >= 1 reads (through the memory resolver context), 0 creates or
  // replaces a file for writing, < 0 appends. Writing and appending take the
  // file and its folders ignoring letter case where they exist, and create a
  // missing file in the given spelling. 1 on success; 0 with error 3.
  int32_t Open(int32_t channel, const RuntimeString& name, int32_t mode);
  void Close(int32_t channel);
  void CloseAll();
  // The lowest channel that is not open, or -1.
  int32_t FreeChannel() const;
  // 1 when the position is at or past the size (or the number is no channel).
  int32_t EndOfFile(int32_t channel) const;
  int32_t Position(int32_t channel);
  // origin 0: from the start, > 0: from the position, < 0: from the size.
  void Seek(int32_t channel, int32_t offset, int32_t origin);

  // Reads `count` (1, 2, 4 or 8) bytes as a little-endian value.
  uint64_t ReadValue(int32_t channel, int count);
  void ReadText(int32_t channel, RuntimeString& target, int32_t count);
  void ReadLine(int32_t channel, RuntimeString& target);
  void Write(int32_t channel, const void* bytes, size_t count);

 private:
  struct Channel {
    UniqueFd fd;
    MemoryBlockRef block;  // memory file being read
    int64_t size = 0;      // at opening, for reading; 0 for writing
    int64_t position = 0;
    bool IsOpen() const { return fd.Valid() || block != nullptr; }
    void Close() { *this = Channel(); }
  };

  Channel& Checked(int32_t channel);
  // The readable bytes of a memory channel from its position; fatal when the
  // position lies outside the block.
  const uint8_t* MemoryAtPosition(const Channel& c, int64_t& left);
  void ReadDiskLine(Channel& c, char* line, size_t& length, bool& ended);

  Channel channels_[kCount];
};

FileChannels& Channels();
// Shutdown: closes every channel.
void CloseAllFileChannels();

}  // namespace vdr
