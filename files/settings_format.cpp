#include "files/settings_format.h"

#include <algorithm>
#include <utility>

namespace vdr {
namespace {

constexpr std::string_view kNameEnds = " \t\r\n=";

RuntimeString TextOf(std::string_view text) { return RuntimeString(text.data(), static_cast<uint32_t>(text.size())); }

size_t Skip(std::string_view line, size_t at, std::string_view set) {
  while (at < line.size() && set.find(line[at]) != std::string_view::npos) ++at;
  return at;
}

class SettingsParser {
 public:
  void ParseLine(std::string_view line) {
    size_t at = Skip(line, 0, " \t\r\n");
    if (at == line.size() || line[at] == ';') return;
    if (line[at] == '[') {
      ParseHeader(line, Skip(line, at + 1, " "));
    } else {
      ParseEntry(line, at);
    }
  }

  std::vector<SettingsSection> Finish() {
    StoreSection();
    return std::move(sections_);
  }

 private:
  void ParseHeader(std::string_view line, size_t at) {
    std::string_view name = line.substr(at, line.find_first_of(kNameEnds, at) - at);
    if (!name.empty() && name.back() == ']') name.remove_suffix(1);
    if (name.empty()) return;
    StoreSection();
    name_ = TextOf(name);
  }

  void ParseEntry(std::string_view line, size_t at) {
    const size_t keyEnd = line.find_first_of(kNameEnds, at);
    if (keyEnd == std::string_view::npos) return;
    const size_t equals = Skip(line, keyEnd, " \t");
    if (equals == line.size() || line[equals] != '=') return;
    std::string_view value = line.substr(Skip(line, equals + 1, " \t"));
    while (!value.empty() && static_cast<unsigned char>(value.back()) < 32) value.remove_suffix(1);
    if (value.empty()) return;
    entries_.push_back({TextOf(line.substr(at, keyEnd - at)), TextOf(value)});
  }

  void StoreSection() {
    if (!entries_.empty()) sections_.push_back({name_, std::move(entries_)});
    entries_.clear();
  }

  std::vector<SettingsSection> sections_;
  RuntimeString name_;
  std::vector<SettingsEntry> entries_;
};

void AppendEntries(const SettingsSection& section, std::string& text) {
  for (const SettingsEntry& entry : section.entries) {
    text.append(entry.key.view()).append("=").append(entry.value.view()).append("\r\n");
  }
}

}  // namespace

std::vector<SettingsSection> ParseSettings(std::string_view text) {
  SettingsParser parser;
  while (!text.empty()) {
    const size_t feed = text.find('\n');
    std::string_view line = text.substr(0, feed);
    text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
    if (feed != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = line.substr(0, std::min(line.find('\0'), kSettingsLineMax));
    parser.ParseLine(line);
  }
  return parser.Finish();
}

std::string FormatSettings(const std::vector<SettingsSection>& sections) {
  std::string text;
  for (const SettingsSection& section : sections) {
    if (section.name.empty()) AppendEntries(section, text);
  }
  for (const SettingsSection& section : sections) {
    if (section.name.empty()) continue;
    text.append("[").append(section.name.view()).append("]\r\n");
    AppendEntries(section, text);
  }
  return text;
}

}  // namespace vdr
