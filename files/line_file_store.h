#pragma once
// The line-file store: one text file held as 256 numbered lines of at most
// 1023 characters (files/line_file_format.h). Every command names its file;
// naming another file than the current one writes the current one back (when
// changed) and loads the new one. Files are read through the memory resolver
// context; only disk files are written back, and to where they were loaded
// from (files/file_replace.h).

#include <cstdint>
#include <string>

#include "files/line_file_format.h"
#include "runtime/runtime_string.h"

namespace vdr {

class LineFileStore {
 public:
  static constexpr const char* kProcessObjectName = "the line-file store";
  // Line n of the file without its trailing bytes below 32; "NO_DATA" for an
  // empty line and for n outside 0..255 (error 7), "NO_FILE" when the file
  // does not exist (error 3). The error code is 0 otherwise, or 3 when
  // writing the previous file back failed.
  RuntimeString Get(const RuntimeString& name, int32_t n);
  // Stores the text (cut at a NUL byte and at 1023 characters) as line n; a
  // file that does not exist starts empty. n outside 0..255 records error 7
  // and changes nothing.
  void Put(const RuntimeString& name, int32_t n, const RuntimeString& text);
  // Program end: the current file is written back and none is selected.
  void Release();

  // The highest line number present.
  int32_t LastLine() const { return lastLine_; }

 private:
  // Makes `name` the current file; true when it exists (on disk, in the pack,
  // as a memory file, or made by a put). A failed write-back records error 3.
  bool Select(const RuntimeString& name);
  // Lines 0 to the last line, each followed by "\r\n", when changed.
  bool WriteBack();
  void Load(const RuntimeString& name);

  std::string name_;       // compared exactly
  std::string writePath_;  // absolute; empty for memory files and no file
  bool exists_ = false;
  bool modified_ = false;
  int32_t lastLine_ = 0;
  LineFileLines lines_;
};

LineFileStore& LineFiles();

}  // namespace vdr
