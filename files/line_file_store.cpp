#include "files/line_file_store.h"

#include <algorithm>

#include "files/file_replace.h"
#include "files/file_resolver.h"
#include "files/file_source.h"
#include "files/line_file_format.h"
#include "runtime/error_status.h"
#include "runtime/process_object.h"

namespace vdr {
namespace {

std::string_view WithoutTrailingControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) < 32) text.remove_suffix(1);
  return text;
}

}  // namespace

LineFileStore& LineFiles() { return Registered<LineFileStore>(); }

RuntimeString LineFileStore::Get(const RuntimeString& name, int32_t n) {
  if (n < 0 || n >= kLineFileLines) {
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
  if (n < 0 || n >= kLineFileLines) {
    RecordError(kErrorOutOfMemory);
    return;
  }
  ClearErrorCode();
  Select(name);
  lines_[n] = LineSlotText(text.view());
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
  writePath_ = WriteBackPath(name_, exists_, resolved);
  if (!exists_) return;
  std::string bytes(static_cast<size_t>(std::min<int64_t>(source.Size(), kLineFileReadMax)), '\0');
  bytes.resize(source.Read(bytes.data(), bytes.size()));
  lastLine_ = SplitLineFile(bytes, lines_);
}

bool LineFileStore::WriteBack() {
  if (!modified_ || writePath_.empty()) return true;
  if (!ReplaceFile(writePath_, FormatLineFile(lines_, lastLine_))) return false;
  modified_ = false;
  return true;
}

}  // namespace vdr
