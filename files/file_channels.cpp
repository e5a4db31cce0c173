#include "files/file_channels.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "files/fd_io.h"
#include "files/file_resolver.h"
#include "files/file_source.h"
#include "files/name_case.h"
#include "files/platform_paths.h"
#include "files/text_lines.h"
#include "runtime/error_status.h"
#include "runtime/process_object.h"

namespace vdr {

FileChannels& Channels() { return Registered<FileChannels>(); }

void CloseAllFileChannels() { Channels().CloseAll(); }

FileChannels::Channel& FileChannels::Checked(int32_t channel) {
  if (channel < 0 || channel >= kCount) FatalError(kErrorOutOfMemory);
  return channels_[channel];
}

int32_t FileChannels::Open(int32_t channel, const RuntimeString& name, int32_t mode) {
  Channel& c = Checked(channel);
  ClearErrorCode();
  c.Close();
  if (mode >= 1) {
    std::string resolved;
    if (MemoryContext().Resolve(name.c_str(), resolved)) {
      if (IsMemoryFileName(resolved.c_str())) {
        c.block = FindMemoryFile(resolved.c_str());
        if (c.block != nullptr) c.size = static_cast<int64_t>(c.block->size);
      } else {
        c.fd = OpenDiskFileForReading(resolved.c_str(), c.size);
      }
    }
  } else if (!IsMemoryFileName(name.c_str())) {
    const std::string path = DiskPath(name.c_str());
    if (mode == 0) {
      ::unlink(path.c_str());
      c.fd.Reset(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    } else {
      c.fd.Reset(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
      if (c.fd.Valid()) ::lseek(c.fd.Get(), 0, SEEK_END);
    }
  }
  if (c.IsOpen()) return 1;
  c.Close();
  RecordError(kErrorNoSuchFile);
  return 0;
}

void FileChannels::Close(int32_t channel) {
  Checked(channel).Close();
  ClearErrorCode();
}

void FileChannels::CloseAll() {
  for (Channel& c : channels_) c.Close();
}

int32_t FileChannels::FreeChannel() const {
  for (int32_t i = 0; i < kCount; ++i) {
    if (!channels_[i].IsOpen()) return i;
  }
  return -1;
}

int32_t FileChannels::EndOfFile(int32_t channel) const {
  if (channel < 0 || channel >= kCount) return 1;
  return channels_[channel].position >= channels_[channel].size ? 1 : 0;
}

int32_t FileChannels::Position(int32_t channel) {
  const int64_t position = Checked(channel).position;
  return static_cast<int32_t>(std::clamp<int64_t>(position, INT32_MIN, INT32_MAX));
}

void FileChannels::Seek(int32_t channel, int32_t offset, int32_t origin) {
  Channel& c = Checked(channel);
  const int whence = origin == 0 ? SEEK_SET : origin > 0 ? SEEK_CUR : SEEK_END;
  c.position = (origin == 0 ? 0 : origin > 0 ? c.position : c.size) + offset;
  if (c.fd.Valid()) ::lseek(c.fd.Get(), offset, whence);
}

const uint8_t* FileChannels::MemoryAtPosition(const Channel& c, int64_t& left) {
  if (c.position < 0 || c.position > c.size) FatalError(kErrorNoSuchFile);
  left = c.size - c.position;
  return c.block->bytes.get() + c.position;
}

uint64_t FileChannels::ReadValue(int32_t channel, int count) {
  Channel& c = Checked(channel);
  uint8_t bytes[8] = {};
  if (c.block != nullptr) {
    // A value cut by the end of a memory file keeps the bytes that are there.
    int64_t left = 0;
    const uint8_t* at = MemoryAtPosition(c, left);
    const size_t n = static_cast<size_t>(std::min<int64_t>(count, left));
    std::memcpy(bytes, at, n);
    c.position += static_cast<int64_t>(n);
  } else {
    if (!c.fd.Valid()) FatalError(kErrorNoSuchFile);
    c.position += count;
    if (ReadFully(c.fd.Get(), bytes, static_cast<size_t>(count)) < static_cast<size_t>(count)) {
      FatalError(kErrorNoSuchFile);
    }
  }
  uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

void FileChannels::ReadText(int32_t channel, RuntimeString& target, int32_t count) {
  Channel& c = Checked(channel);
  if (count <= 0) {
    target.Truncate(0);
    return;
  }
  size_t n = static_cast<size_t>(count);
  const uint8_t* from = nullptr;
  if (c.block != nullptr) {
    int64_t left = 0;
    from = MemoryAtPosition(c, left);
    n = static_cast<size_t>(std::min<int64_t>(count, left));
  } else {
    // A disk read must deliver every byte: fail before reserving room for a
    // count the file cannot hold.
    struct stat info {};
    const off_t at = c.fd.Valid() ? ::lseek(c.fd.Get(), 0, SEEK_CUR) : -1;
    if (at < 0 || fstat(c.fd.Get(), &info) != 0 || info.st_size - at < count) FatalError(kErrorNoSuchFile);
  }
  char* buffer = target.WritableBuffer(static_cast<uint32_t>(n) + 32);
  std::memset(buffer, 0, n + 32);
  if (from != nullptr) {
    std::memcpy(buffer, from, n);
  } else if (ReadFully(c.fd.Get(), buffer, n) < n) {
    FatalError(kErrorNoSuchFile);
  }
  c.position += static_cast<int64_t>(n);
  target.RecountLength();
}

void FileChannels::ReadDiskLine(Channel& c, char* line, size_t& length, bool& ended) {
  constexpr size_t kChunk = 64, kMax = kLineMax;
  length = 0;
  ended = false;
  while (length < kMax && !ended) {
    const size_t wanted = std::min(kChunk, kMax - length);
    const size_t got = ReadFully(c.fd.Get(), line + length, wanted);
    c.position += static_cast<int64_t>(got);
    if (got == 0 && length == 0) FatalError(kErrorNoSuchFile);
    const auto* feed = static_cast<const char*>(std::memchr(line + length, '\n', got));
    if (feed != nullptr) {
      // Give back what was read past the line feed.
      const auto after = static_cast<size_t>(feed - line) + 1;
      const auto back = static_cast<off_t>(length + got - after);
      ::lseek(c.fd.Get(), -back, SEEK_CUR);
      c.position -= back;
      length = after - 1;
      ended = true;
    } else {
      length += got;
      ended = got < wanted;  // the end of the file ends the line
    }
  }
}

void FileChannels::ReadLine(int32_t channel, RuntimeString& target) {
  Channel& c = Checked(channel);
  char* line = target.WritableBuffer(kLineMax);
  std::memset(line, 0, kLineMax);
  size_t length = 0;
  bool ended = false;
  if (c.block != nullptr) {
    int64_t left = 0;
    const uint8_t* at = MemoryAtPosition(c, left);
    if (left == 0) FatalError(kErrorNoSuchFile);
    const TextLine next = NextTextLine(at, static_cast<size_t>(left), kLineMax);
    length = next.length;
    ended = next.ended;
    std::memcpy(line, at, length);
    c.position += static_cast<int64_t>(next.consumed);
  } else {
    if (!c.fd.Valid()) FatalError(kErrorNoSuchFile);
    ReadDiskLine(c, line, length, ended);
  }
  if (ended && length > 0 && line[length - 1] == '\r') --length;
  line[length] = 0;
  target.RecountLength();
}

void FileChannels::Write(int32_t channel, const void* bytes, size_t count) {
  Channel& c = Checked(channel);
  if (!c.fd.Valid()) FatalError(kErrorNoSuchFile);
  if (!WriteFully(c.fd.Get(), bytes, count)) FatalError(kErrorNoSuchFile);
}

}  // namespace vdr
