#include "files/file_commands.h"

#include <bit>
#include <cmath>

#include "files/file_channels.h"
#include "runtime/number_text.h"

namespace vdr {
namespace {

uint64_t Read(double channel, int count) { return Channels().ReadValue(ToInt(channel), count); }

// The low `count` bytes of the value, little-endian.
void Write(double channel, uint64_t value, int count) {
  uint8_t bytes[8];
  for (int i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  Channels().Write(ToInt(channel), bytes, static_cast<size_t>(count));
}

// Integers are written as the low bits of the number truncated toward zero,
// however large it is (fmod is exact); NaN and infinities write 0.
void WriteInteger(double channel, double value, int count) {
  const double low = std::isfinite(value) ? std::fmod(std::trunc(value), 4294967296.0) : 0;
  Write(channel, static_cast<uint32_t>(static_cast<int64_t>(low)), count);
}

}  // namespace

int32_t OpenFile(double channel, const RuntimeString& name, double mode) {
  return Channels().Open(ToInt(channel), name, ToInt(mode));
}
void CloseFile(double channel) { Channels().Close(ToInt(channel)); }
int32_t FreeFileChannel() { return Channels().FreeChannel(); }
int32_t EndOfFile(double channel) { return Channels().EndOfFile(ToInt(channel)); }
int32_t FilePosition(double channel) { return Channels().Position(ToInt(channel)); }
void FileSeek(double channel, double offset, double origin) {
  Channels().Seek(ToInt(channel), ToInt(offset), ToInt(origin));
}

int32_t ReadByte(double channel) { return static_cast<int8_t>(Read(channel, 1)); }
int32_t ReadUByte(double channel) { return static_cast<uint8_t>(Read(channel, 1)); }
int32_t ReadWord(double channel) { return static_cast<int16_t>(Read(channel, 2)); }
int32_t ReadUWord(double channel) { return static_cast<uint16_t>(Read(channel, 2)); }
int32_t ReadLong(double channel) { return static_cast<int32_t>(Read(channel, 4)); }
int32_t ReadULong(double channel) { return static_cast<int32_t>(Read(channel, 4)); }
double ReadFloat(double channel) { return std::bit_cast<float>(static_cast<uint32_t>(Read(channel, 4))); }
double ReadDouble(double channel) { return std::bit_cast<double>(Read(channel, 8)); }

void ReadText(double channel, RuntimeString& target, double count) {
  Channels().ReadText(ToInt(channel), target, ToInt(count));
}
void ReadLine(double channel, RuntimeString& target) { Channels().ReadLine(ToInt(channel), target); }
double ReadLineNumber(double channel) {
  RuntimeString line;
  ReadLine(channel, line);
  return line.ToDouble();
}
int32_t ReadLineInteger(double channel) {
  RuntimeString line;
  ReadLine(channel, line);
  return line.ToInteger();
}

void WriteByte(double channel, double value) { WriteInteger(channel, value, 1); }
void WriteUByte(double channel, double value) { WriteInteger(channel, value, 1); }
void WriteWord(double channel, double value) { WriteInteger(channel, value, 2); }
void WriteUWord(double channel, double value) { WriteInteger(channel, value, 2); }
void WriteLong(double channel, double value) { WriteInteger(channel, value, 4); }
void WriteULong(double channel, double value) { WriteInteger(channel, value, 4); }
void WriteFloat(double channel, double value) {
  Write(channel, std::bit_cast<uint32_t>(static_cast<float>(value)), 4);
}
void WriteDouble(double channel, double value) { Write(channel, std::bit_cast<uint64_t>(value), 8); }
void WriteText(double channel, const RuntimeString& text) { Channels().Write(ToInt(channel), text.data(), text.length()); }
void WriteLine(double channel, const RuntimeString& text) {
  WriteText(channel, text);
  Channels().Write(ToInt(channel), "\r\n", 2);
}

}  // namespace vdr
