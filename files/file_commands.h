#pragma once
// File channel commands as programs call them: numbers are taken as 32-bit
// integers (ToInt) and handed to the channel table (files/file_channels.h).

#include <cstdint>

#include "runtime/runtime_string.h"

namespace vdr {

// New media packs for the memory context (every other file) and the disk
// context (music): names not found on disk are looked up in them.
void SetPackFile(const RuntimeString& memoryPack, const RuntimeString& diskPack);

int32_t OpenFile(double channel, const RuntimeString& name, double mode);
void CloseFile(double channel);
int32_t FreeFileChannel();
int32_t EndOfFile(double channel);
int32_t FilePosition(double channel);
void FileSeek(double channel, double offset, double origin);

int32_t ReadByte(double channel);
int32_t ReadUByte(double channel);
int32_t ReadWord(double channel);
int32_t ReadUWord(double channel);
int32_t ReadLong(double channel);
int32_t ReadULong(double channel);
double ReadFloat(double channel);
double ReadDouble(double channel);
void ReadText(double channel, RuntimeString& target, double count);
void ReadLine(double channel, RuntimeString& target);
double ReadLineNumber(double channel);
int32_t ReadLineInteger(double channel);

// The integer writes store the low 8, 16 or 32 bits of the value truncated
// toward zero, so numbers outside the range wrap; signed and unsigned forms
// write the same bytes.
void WriteByte(double channel, double value);
void WriteUByte(double channel, double value);
void WriteWord(double channel, double value);
void WriteUWord(double channel, double value);
void WriteLong(double channel, double value);
void WriteULong(double channel, double value);
void WriteFloat(double channel, double value);
void WriteDouble(double channel, double value);
void WriteText(double channel, const RuntimeString& text);
void WriteLine(double channel, const RuntimeString& text);

}  // namespace vdr
