#include "files/line_file_format.h"

#include <algorithm>

#include "files/text_lines.h"

namespace vdr {
namespace {

}  // namespace

std::string LineSlotText(std::string_view text) {
  return std::string(text.substr(0, std::min(text.find('\0'), kLineFileLineMax)));
}

int32_t SplitLineFile(std::string_view bytes, LineFileLines& lines) {
  int32_t lastLine = 0;
  size_t at = 0;
  for (int32_t n = 0; n < kLineFileLines && at < bytes.size(); ++n) {
    const TextLine line = NextTextLine(reinterpret_cast<const uint8_t*>(bytes.data()) + at, bytes.size() - at,
                                       kLineFileLineBytes);
    std::string_view text = bytes.substr(at, line.length);
    if (line.ended && !text.empty() && text.back() == '\r') text.remove_suffix(1);
    lines[n] = LineSlotText(text);
    lastLine = n;
    at += line.consumed;
  }
  return lastLine;
}

std::string FormatLineFile(const LineFileLines& lines, int32_t lastLine) {
  std::string text;
  for (int32_t n = 0; n <= lastLine && n < kLineFileLines; ++n) text.append(lines[n]).append("\r\n");
  return text;
}

}  // namespace vdr
