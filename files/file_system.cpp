#include "files/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "files/fd_io.h"
#include "files/file_pattern.h"
#include "files/file_source.h"
#include "files/memory_files.h"
#include "files/platform_paths.h"
#include "runtime/ascii.h"
#include "runtime/error_status.h"

namespace vdr {
namespace {

int32_t ClampToInt32(int64_t value) { return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX)); }

int CompareIgnoringCase(const RuntimeString& a, const RuntimeString& b) {
  const auto* x = reinterpret_cast<const unsigned char*>(a.c_str());
  const auto* y = reinterpret_cast<const unsigned char*>(b.c_str());
  while (*x != 0 && AsciiLower(*x) == AsciiLower(*y)) {
    ++x;
    ++y;
  }
  return static_cast<int>(AsciiLower(*x)) - static_cast<int>(AsciiLower(*y));
}

bool IsFolder(const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat info {};
  return stat(entry.d_name, &info) == 0 && S_ISDIR(info.st_mode);  // links are followed
}

void SortIgnoringCase(std::vector<RuntimeString>& names) {
  if (!names.empty()) SortArray(&names.front(), &names.back(), CompareIgnoringCase);
}

bool SameFile(const FileSource& source, const std::string& target) {
  struct stat from {}, to {};
  return !source.IsMemory() && fstat(source.Descriptor(), &from) == 0 && stat(target.c_str(), &to) == 0 &&
         from.st_dev == to.st_dev && from.st_ino == to.st_ino;
}

bool CopyBytes(FileSource& source, int target) {
  uint8_t block[4096];
  for (int64_t left = source.Size(); left > 0;) {
    const size_t n = static_cast<size_t>(std::min<int64_t>(left, sizeof block));
    if (!source.ReadExact(block, n) || !WriteFully(target, block, n)) return false;
    left -= static_cast<int64_t>(n);
  }
  return true;
}

}  // namespace

int32_t FileExists(const RuntimeString& name) {
  FileSource source;
  return source.Open(name.c_str()) ? 1 : 0;
}

int32_t DirExists(const RuntimeString& name) {
  struct stat info {};
  return !name.empty() && stat(NativePath(name.c_str()).c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? 1 : 0;
}

int32_t FileSize(const RuntimeString& name) {
  ClearErrorCode();
  FileSource source;
  if (!source.Open(name.c_str())) {
    RecordError(kErrorNoSuchFile);
    return 0;
  }
  return ClampToInt32(source.Size());
}

int32_t DeleteFile(const RuntimeString& name) {
  if (IsMemoryFileName(name.c_str())) return 0;
  return ::unlink(NativePath(name.c_str()).c_str()) == 0 ? 1 : 0;
}

void CopyFile(const RuntimeString& source, const RuntimeString& target) {
  ClearErrorCode();
  FileSource from;
  const std::string path = NativePath(target.c_str());
  // Copying a file onto itself would delete it before it is read.
  if (!from.Open(source.c_str()) || IsMemoryFileName(target.c_str()) || path.empty() || SameFile(from, path)) {
    RecordError(kErrorNoSuchFile);
    return;
  }
  ::unlink(path.c_str());
  UniqueFd to(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (to.Valid() && CopyBytes(from, to.Get())) return;
  if (to.Valid()) ::unlink(path.c_str());
  RecordError(kErrorNoSuchFile);
}

int32_t CreateDir(const RuntimeString& name) {
  return ::mkdir(NativePath(name.c_str()).c_str(), 0777) == 0 ? 1 : 0;
}

RuntimeString CurrentDir() {
  char* folder = ::getcwd(nullptr, 0);
  if (folder == nullptr) return RuntimeString("./");
  std::string path = folder;
  std::free(folder);
  if (path.empty() || path.back() != '/') path += '/';
  return RuntimeString(path.c_str());
}

int32_t ChangeDirectory(const RuntimeString& name) {
  ClearErrorCode();
  if (::chdir(NativePath(name.c_str()).c_str()) == 0) return 1;
  RecordError(kErrorNoSuchFile);
  return 0;
}

int32_t SlashPath(RuntimeString& path) {
  const uint32_t length = path.length();
  if (length == 0) return 0;
  char* text = path.WritableBuffer(length);
  std::replace(text, text + length, '\\', '/');
  return static_cast<int32_t>(length);
}

int32_t FileList(const RuntimeString& pattern, RuntimeArray<RuntimeString>& target) {
  std::vector<RuntimeString> folders, files;
  if (DIR* folder = ::opendir(".")) {
    while (const dirent* entry = ::readdir(folder)) {
      if (IsFolder(*entry)) {
        folders.emplace_back(entry->d_name);
      } else if (MatchesFilePattern(entry->d_name, pattern.c_str())) {
        files.emplace_back(entry->d_name);
      }
    }
    ::closedir(folder);
  }
  SortIgnoringCase(folders);
  SortIgnoringCase(files);
  const auto total = static_cast<int32_t>(folders.size() + files.size());
  target.Dim(total);
  int32_t i = 0;
  for (const RuntimeString& name : folders) target[i++] = name;
  for (const RuntimeString& name : files) target[i++] = name;
  // Computed in 32 bits without sign, so a folder of 32,768 folders or more
  // wraps as a 32-bit result would instead of overflowing.
  return static_cast<int32_t>(static_cast<uint32_t>(files.size()) + 65536u * static_cast<uint32_t>(folders.size()));
}

}  // namespace vdr
