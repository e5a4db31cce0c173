#pragma once
// The settings file format: "[section]" lines, each followed by "key=value"
// lines. Parsing is forgiving: lines it cannot read are skipped, never
// reported. Writing puts out what parsing reads back.

#include <string>
#include <string_view>
#include <vector>

#include "runtime/runtime_string.h"

namespace vdr {

struct SettingsEntry {
  RuntimeString key;
  RuntimeString value;
};

struct SettingsSection {
  RuntimeString name;
  std::vector<SettingsEntry> entries;
};

// Longest line the parser reads; the rest of a longer line is skipped.
constexpr size_t kSettingsLineMax = 1024;

// Line by line (a line feed ends a line, a carriage return before it is
// dropped, a NUL byte ends its text):
// - leading blanks, tabs and carriage returns are skipped; ";" starts a comment;
// - "[" names a section: after it and any blanks the name runs up to a blank,
//   tab, carriage return, "=" or the end, without one trailing "]". Entries
//   read before it form a section under the previous name ("" before the
//   first header). A header with an empty name ("[]") changes nothing;
// - any other line is "key = value": the key runs up to a blank, tab,
//   carriage return or "="; blanks and tabs may stand around the "="; the
//   value is the rest of the line without trailing bytes below 32 (trailing
//   blanks stay). A line without "=" after its key, or with an empty value, is
//   skipped.
// Sections without entries are dropped; repeated names and keys are kept,
// each where it stands.
std::vector<SettingsSection> ParseSettings(std::string_view text);

// Sections named "" first, without a header, so that they read back as
// entries before the first header; then every other section as its "[name]"
// line and "key=value" lines, in order. Lines end with "\r\n".
std::string FormatSettings(const std::vector<SettingsSection>& sections);

}  // namespace vdr
