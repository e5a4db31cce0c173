#pragma once
// The line file format: up to 256 numbered text lines, read by the line rule
// of channels (files/text_lines.h) and written with "\r\n" after each.
// Whatever is written reads back as the same lines.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vdr {

constexpr int32_t kLineFileLines = 256;
// Longest text a line holds; longer texts are cut.
constexpr size_t kLineFileLineMax = 1023;
// Most bytes one line is read from: a full line with its "\r\n", so that
// every line written reads back as one line (the channel rule's 1024 would
// split a full line from its line feed and move every later line down).
constexpr size_t kLineFileLineBytes = kLineFileLineMax + 2;
// Bytes that can hold 256 lines, plus one that tells whether the last ends the file.
constexpr size_t kLineFileReadMax = kLineFileLines * kLineFileLineBytes + 1;

using LineFileLines = std::array<std::string, kLineFileLines>;

// The text as a line holds it: up to a NUL byte, at most 1023 characters.
std::string LineSlotText(std::string_view text);

// Fills `lines` (left empty beyond the file) from the first bytes of a file:
// each line as the channel rule takes it, but from at most 1025 bytes (a
// carriage return before its end dropped), cut by LineSlotText. Returns the
// number of the last line read, 0 when there is none.
int32_t SplitLineFile(std::string_view bytes, LineFileLines& lines);
// Lines 0 to `lastLine`, each followed by "\r\n".
std::string FormatLineFile(const LineFileLines& lines, int32_t lastLine);

}  // namespace vdr
