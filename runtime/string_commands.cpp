#include "runtime/string_commands.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "runtime/number_text.h"
#include "runtime/text_search.h"

namespace vdr {
namespace {

// Which bytes occur in a set of characters.
std::array<bool, 256> ByteSet(const RuntimeString& set) {
  std::array<bool, 256> member{};
  for (unsigned char c : set.view()) member[c] = true;
  return member;
}

RuntimeString MapLetters(const RuntimeString& text, char from, char to) {
  RuntimeString result(text);
  char* bytes = result.length() != 0 ? result.WritableBuffer(result.length()) : nullptr;
  for (uint32_t i = 0; i < result.length(); ++i) {
    if (bytes[i] >= from && bytes[i] <= to) bytes[i] = static_cast<char>(bytes[i] ^ 0x20);
  }
  return result;
}

}  // namespace

RuntimeString MidText(const RuntimeString& text, double start, double count) {
  return text.Substring(ToInt(start), ToInt(count));
}

int32_t FindText(const RuntimeString& text, const RuntimeString& pattern, double start) {
  const int64_t from = std::max(ToInt(start), 0);
  if (from >= text.length()) return -1;
  const int64_t at = FindBytes(text.view().substr(static_cast<size_t>(from)), pattern.view());
  return at < 0 ? -1 : static_cast<int32_t>(from + at);
}

RuntimeString ReplaceText(const RuntimeString& text, const RuntimeString& pattern, const RuntimeString& replacement) {
  const std::string_view source = text.view();
  RuntimeString result;
  size_t done = 0;  // bytes of source already in result
  for (;;) {
    const int64_t at = FindBytes(source.substr(done), pattern.view());
    if (at < 0) break;
    if (done == 0) result.Reserve(text.length(), false);
    result.Append(source.data() + done, static_cast<uint32_t>(at));
    result += replacement;
    done += static_cast<size_t>(at) + pattern.length();
  }
  if (done == 0) return text;
  result.Append(source.data() + done, static_cast<uint32_t>(source.size() - done));
  return result;
}

RuntimeString TrimLeft(const RuntimeString& text, const RuntimeString& set) {
  const auto member = ByteSet(set);
  uint32_t start = 0;
  while (start < text.length() && member[static_cast<unsigned char>(text[start])]) ++start;
  if (start == 0) return text;
  return RuntimeString(text.data() + start, text.length() - start);
}

RuntimeString TrimRight(const RuntimeString& text, const RuntimeString& set) {
  const auto member = ByteSet(set);
  uint32_t end = text.length();
  while (end > 0 && member[static_cast<unsigned char>(text[end - 1])]) --end;
  if (end == text.length()) return text;
  return RuntimeString(text.data(), end);
}

RuntimeString UpperText(const RuntimeString& text) { return MapLetters(text, 'a', 'z'); }
RuntimeString LowerText(const RuntimeString& text) { return MapLetters(text, 'A', 'Z'); }

int32_t CharCode(const RuntimeString& text) { return static_cast<unsigned char>(text[0]); }

RuntimeString CharText(double code) {
  const char byte = static_cast<char>(ToInt(code) & 0xFF);
  return RuntimeString(&byte, 1);
}

int32_t SplitText(const RuntimeString& source, RuntimeArray<RuntimeString>& target, const RuntimeString& delimiters) {
  // The text and the delimiters may be elements of the target: both are taken
  // before it is emptied.
  const RuntimeString text = source;
  const auto isDelimiter = ByteSet(delimiters);
  target.Redim(0);
  const uint32_t length = text.length();
  uint32_t i = 0;
  while (i < length) {
    while (i < length && isDelimiter[static_cast<unsigned char>(text[i])]) ++i;
    const uint32_t start = i;
    while (i < length && !isDelimiter[static_cast<unsigned char>(text[i])]) ++i;
    if (i > start) target.Push(RuntimeString(text.data() + start, i - start));
  }
  return target.Bounds(0);
}

}  // namespace vdr
