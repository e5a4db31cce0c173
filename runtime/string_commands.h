#pragma once
// The text commands. They take and return RuntimeString values and never
// fail: arguments out of range give an empty or unchanged result. Positions
// are 0-based byte offsets, "not found" is -1; numeric arguments are
// truncated to integers.

#include <cstdint>
#include <cstdio>

#include "runtime/runtime_array.h"
#include "runtime/runtime_string.h"

namespace vdr {

// count bytes from start; a negative count means up to the end.
RuntimeString MidText(const RuntimeString& text, double start, double count);
// Position of the first occurrence of pattern at or after start (a negative
// start searches from 0), or -1; an empty pattern is never found.
int32_t FindText(const RuntimeString& text, const RuntimeString& pattern, double start);
// Every occurrence replaced, left to right; the replacement is not searched again.
RuntimeString ReplaceText(const RuntimeString& text, const RuntimeString& pattern, const RuntimeString& replacement);
// Without the leading / trailing run of bytes that occur in set.
RuntimeString TrimLeft(const RuntimeString& text, const RuntimeString& set);
RuntimeString TrimRight(const RuntimeString& text, const RuntimeString& set);
// Only A-Z and a-z change.
RuntimeString UpperText(const RuntimeString& text);
RuntimeString LowerText(const RuntimeString& text);
// Code of the first byte (0..255), 0 for empty text.
int32_t CharCode(const RuntimeString& text);
// One byte of that code (the low 8 bits), length 1 also for code 0.
RuntimeString CharText(double code);
// Empties target and pushes every field separated by runs of delimiter bytes;
// returns the number of fields. Without delimiters the whole text is one field.
// The text and the delimiters may be elements of target.
int32_t SplitText(const RuntimeString& text, RuntimeArray<RuntimeString>& target, const RuntimeString& delimiters);

// Letters and digits stay, a blank becomes "+", every other byte "%xx".
RuntimeString UrlEncode(const RuntimeString& text);
// "%xx" (either case) becomes its byte, "+" a blank; a "%" without two hex
// digits after it is dropped with the one byte that follows it.
RuntimeString UrlDecode(const RuntimeString& text);
// Two hexadecimal digits per byte.
RuntimeString HexText(const uint8_t* bytes, int32_t count, bool upperCase);
// The first count bytes of the text (at most its length).
RuntimeString HexText(const RuntimeString& bytes, double count, double upperCase);
// Blowfish in ECB mode keyed by the key's bytes, zero-filled to whole 8-byte
// blocks, as lower-case hexadecimal text.
RuntimeString EncryptText(const RuntimeString& key, const RuntimeString& text);
// The reverse of EncryptText, up to the first NUL byte of the clear text.
// Text that is not whole blocks of hexadecimal digits gives empty text.
RuntimeString DecryptText(const RuntimeString& key, const RuntimeString& hexText);

// The text's bytes to standard output / standard error, no line end added.
void ConsoleWrite(const RuntimeString& text);
void ConsoleWriteError(const RuntimeString& text);
// One line from standard input without its line end; empty at end of input.
RuntimeString ConsoleReadLine();
// Longest line ConsoleReadLine returns; a longer line comes in pieces of
// this length, one per call.
constexpr uint32_t kConsoleLineMax = 4094;
// ConsoleReadLine's reading, from any stream.
RuntimeString ReadTextLine(std::FILE* in);

}  // namespace vdr
