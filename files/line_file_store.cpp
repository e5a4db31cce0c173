#include "files/line_file_store.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "files/file_replace.h"
#include "files/file_resolver.h"
#include "files/file_source.h"
#include "files/memory_files.h"
#include "files/text_lines.h"
#include "runtime/error_status.h"

namespace vdr {
namespace {

// A line is read by the channel rule, which takes up to this many bytes.
constexpr size_t kReadLineMax = 1024;

std::string_view WithoutTrailingControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) < 32) text.remove_suffix(1);
  return text;
}

// The text as a line slot holds it: up to a NUL byte, at most 1023 characters.
std::string SlotText(std::string_view text) {
  return std::string(text.substr(0, std::min(text.find('\0'), LineFileStore::kLineMax)));
}

}  // namespace

LineFileStore& LineFiles() {
  static LineFileStore store;
  return store;
}

RuntimeString LineFileStore::Get(const RuntimeString& name, int32_t n) {
  if (n < 0 || n >= kLines) {
    RecordError(kErrorOutOfMemory);
    return RuntimeString("NO_DATA");
  }
  ClearErrorCode();
  if (!Select(name)) {
    RecordError(kErrorNoSuchFile);
    return RuntimeString("NO_FILE");
  }
  const std::string_view text = WithoutTrailingControls(lines_[n]);
  if (text.empty()) return RuntimeString("NO_DATA");
  return RuntimeString(text.data(), static_cast<uint32_t>(text.size()));
}

void LineFileStore::Put(const RuntimeString& name, int32_t n, const RuntimeString& text) {
  if (n < 0 || n >= kLines) {
    RecordError(kErrorOutOfMemory);
    return;
  }
  ClearErrorCode();
  Select(name);
  lines_[n] = SlotText(text.view());
  lastLine_ = std::max(lastLine_, n);
  exists_ = true;
  modified_ = true;
}

void LineFileStore::Release() { Select(""); }

bool LineFileStore::Select(const RuntimeString& name) {
  if (name_ == name.view()) return exists_;
  if (!WriteBack()) RecordError(kErrorNoSuchFile);
  for (std::string& line : lines_) line.clear();
  lastLine_ = 0;
  modified_ = false;
  exists_ = false;
  name_ = name.view();
  writePath_.clear();
  if (!name.empty()) Load(name);
  return exists_;
}

void LineFileStore::Load(const RuntimeString& name) {
  std::string resolved;
  FileSource source;
  exists_ = MemoryContext().Resolve(name.c_str(), resolved) && source.Open(resolved.c_str());
  if (!IsMemoryFileName(name.c_str())) {
    writePath_ = AbsolutePath(exists_ && !IsMemoryFileName(resolved.c_str()) ? resolved : name_);
  }
  if (!exists_) return;
  // 256 lines take at most 256 × 1024 bytes; one more tells whether the
  // last of them ends the file.
  std::vector<uint8_t> bytes(static_cast<size_t>(std::min<int64_t>(source.Size(), kLines * kReadLineMax + 1)));
  bytes.resize(source.Read(bytes.data(), bytes.size()));
  size_t at = 0;
  for (int32_t n = 0; n < kLines && at < bytes.size(); ++n) {
    const TextLine line = NextTextLine(bytes.data() + at, bytes.size() - at, kReadLineMax);
    std::string_view text(reinterpret_cast<const char*>(bytes.data() + at), line.length);
    if (line.ended && !text.empty() && text.back() == '\r') text.remove_suffix(1);
    lines_[n] = SlotText(text);
    lastLine_ = n;
    at += line.consumed;
  }
}

bool LineFileStore::WriteBack() {
  if (!modified_ || writePath_.empty()) return true;
  std::string text;
  for (int32_t n = 0; n <= lastLine_; ++n) text.append(lines_[n]).append("\r\n");
  if (!ReplaceFile(writePath_, text)) return false;
  modified_ = false;
  return true;
}

}  // namespace vdr
