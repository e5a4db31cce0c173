#pragma once
// The settings store: one settings file held in memory (files/settings_format.h),
// read with Get, changed with Put, and written back to disk when another file
// is opened or the program ends, never on each change. Files are read through
// the memory resolver context, so packed media and memory files serve too;
// memory files are never written back. Sections and keys are found without
// regard to letter case; of repeated ones, the first.

#include <string>
#include <vector>

#include "files/settings_format.h"
#include "runtime/runtime_string.h"

namespace vdr {

class SettingsStore {
 public:
  static constexpr const char* kProcessObjectName = "the settings store";
  // Writes the current file back (WriteBack), then loads `name`; a file that
  // cannot be found gives an empty store. The error code is set to 0 first
  // and to 3 ("no such file") when the old file could not be written or the
  // new one was not found.
  void Open(const RuntimeString& name);
  // The value, or `fallback` when the section or its key is missing.
  RuntimeString Get(const RuntimeString& section, const RuntimeString& key, const RuntimeString& fallback) const;
  // An empty key removes the section, the last section taking its place; an
  // empty value removes the entry, the section's last entry taking its place;
  // any other value replaces the entry's or is appended, in a section
  // appended when missing.
  void Put(const RuntimeString& section, const RuntimeString& key, const RuntimeString& value);
  // When changed since loading, writes the file to disk where it was opened
  // (files/file_replace.h). False when that failed; the store then stays changed.
  bool WriteBack();

 private:
  std::string writePath_;  // absolute; empty for memory files and no file
  bool modified_ = false;
  std::vector<SettingsSection> sections_;
};

SettingsStore& Ini();

}  // namespace vdr
