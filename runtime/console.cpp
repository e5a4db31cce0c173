// Console text commands over the process's standard streams.

#include <cstdio>

#include "runtime/string_commands.h"

namespace vdr {
namespace {

void WriteAll(const RuntimeString& text, std::FILE* out) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.length(), out);
  std::fflush(out);
}

}  // namespace

void ConsoleWrite(const RuntimeString& text) { WriteAll(text, stdout); }
void ConsoleWriteError(const RuntimeString& text) { WriteAll(text, stderr); }

RuntimeString ConsoleReadLine() {
  std::fflush(stdout);  // a prompt written just before shows before we wait
  return ReadTextLine(stdin);
}

RuntimeString ReadTextLine(std::FILE* in) {
  char line[kConsoleLineMax];
  uint32_t n = 0;
  int c = EOF;
  while (n < kConsoleLineMax && (c = std::getc(in)) != EOF && c != '\n') line[n++] = static_cast<char>(c);
  if (n == kConsoleLineMax) {
    // A full piece: take the line feed that may end the line right here, so
    // it does not come back as an empty line; anything else is the next piece.
    c = std::getc(in);
    if (c != '\n' && c != EOF) std::ungetc(c, in);
  }
  // A line ended by CR LF loses its CR too.
  if (c == '\n' && n > 0 && line[n - 1] == '\r') --n;
  return RuntimeString(line, n);
}

}  // namespace vdr
