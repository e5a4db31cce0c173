// Fuzz target: the input is a settings file and, at the same time, a line
// file. Each is parsed, written out and parsed again: what is written must
// read back as exactly what was read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/line_file_format.h"
#include "files/settings_format.h"

namespace {

bool SameSections(const std::vector<vdr::SettingsSection>& a, const std::vector<vdr::SettingsSection>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].entries.size() != b[i].entries.size()) return false;
    for (size_t j = 0; j < a[i].entries.size(); ++j) {
      const vdr::SettingsEntry& x = a[i].entries[j];
      const vdr::SettingsEntry& y = b[i].entries[j];
      if (x.key.view() != y.key.view() || x.value.view() != y.value.view() || x.value.empty()) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const auto sections = vdr::ParseSettings(text);
  if (!SameSections(sections, vdr::ParseSettings(vdr::FormatSettings(sections)))) std::abort();

  vdr::LineFileLines lines, again;
  const int32_t last = vdr::SplitLineFile(text.substr(0, vdr::kLineFileReadMax), lines);
  if (last < 0 || last >= vdr::kLineFileLines) std::abort();
  if (vdr::SplitLineFile(vdr::FormatLineFile(lines, last), again) != last || again != lines) std::abort();
  for (const std::string& line : lines) {
    if (line.size() > vdr::kLineFileLineMax) std::abort();
  }
  return 0;
}
