// vendril-pack: makes, lists and unpacks media packs, and attaches packs to
// executables. See Usage() for the commands.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/fd_io.h"
#include "files/pack_input.h"
#include "files/pack_reader.h"
#include "files/pack_writer.h"
#include "files/unique_fd.h"
#include "runtime/ascii.h"

namespace vdr {
namespace {

constexpr char kUsage[] =
    "usage: vendril-pack COMMAND ARGUMENTS\n"
    "\n"
    "  create [--force] PACK FILE...\n"
    "                           pack the files (LZO1X-999) into a new PACK; each\n"
    "                           entry is named by its file's bare name; an\n"
    "                           existing PACK is replaced only when it is a pack,\n"
    "                           anything else only with --force\n"
    "  list PACK                show the entries of PACK (a pack file or an\n"
    "                           executable with a pack attached)\n"
    "  extract PACK [-C DIR] [NAME...]\n"
    "                           unpack all entries, or the named ones, into DIR\n"
    "                           (made when missing; default: the current folder)\n"
    "  append EXECUTABLE FILE...\n"
    "                           attach a pack of the files to EXECUTABLE; its\n"
    "                           offsets count from the end of the file; a pack\n"
    "                           attached before is replaced\n"
    "  --help                   show this text\n"
    "\n"
    "Names are matched ignoring case; two files whose names differ only in case\n"
    "cannot share a pack. Files are packed one at a time; with standard error on\n"
    "a terminal, packing 16 MiB or more shows how far it is.\n"
    "Exit status: 0 done, 1 failed, 2 bad usage.\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "vendril-pack: %s\n", message.c_str());
  return 1;
}

int BadUsage(const std::string& message) {
  std::fprintf(stderr, "vendril-pack: %s (see --help)\n", message.c_str());
  return 2;
}

std::string SystemError(const std::string& path) { return path + ": " + std::strerror(errno); }

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (!fd.Valid() || fstat(fd.Get(), &info) != 0) {
    error = SystemError(path);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    error = path + ": not a regular file";
    return false;
  }
  bytes.resize(static_cast<size_t>(info.st_size));
  if (ReadFully(fd.Get(), bytes.data(), bytes.size()) != bytes.size()) {
    error = path + ": cannot read";
    return false;
  }
  return true;
}

// A file written under a temporary name and renamed into place by Commit, so
// a failed run never leaves half a file behind.
class ReplacementFile {
 public:
  ReplacementFile(const std::string& path, std::string& error) : path_(path), temporary_(path + ".part") {
    fd_.Reset(::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (!fd_.Valid()) error = SystemError(temporary_);
  }
  ~ReplacementFile() {
    if (fd_.Valid()) ::unlink(temporary_.c_str());
  }
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  bool Valid() const { return fd_.Valid(); }
  bool Write(const uint8_t* bytes, size_t size) { return WriteFully(fd_.Get(), bytes, size); }
  // The first `count` bytes of the descriptor `from`, a piece at a time.
  bool CopyFrom(int from, uint64_t count) {
    std::vector<uint8_t> piece(1 << 20);
    while (count > 0) {
      const size_t size = static_cast<size_t>(std::min<uint64_t>(count, piece.size()));
      if (ReadFully(from, piece.data(), size) != size || !Write(piece.data(), size)) return false;
      count -= size;
    }
    return true;
  }
  bool Commit(mode_t mode, std::string& error) {
    if (fchmod(fd_.Get(), mode) != 0 || ::close(fd_.Release()) != 0) {
      error = SystemError(temporary_);
      ::unlink(temporary_.c_str());
      return false;
    }
    if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
      error = SystemError(path_);
      ::unlink(temporary_.c_str());
      return false;
    }
    return true;
  }

 private:
  std::string path_, temporary_;
  UniqueFd fd_;
};

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes, mode_t mode, std::string& error) {
  ReplacementFile file(path, error);
  if (!file.Valid()) return false;
  if (!file.Write(bytes.data(), bytes.size())) {
    error = SystemError(path + ".part");
    return false;
  }
  return file.Commit(mode, error);
}

// Progress on standard error while large inputs are packed, when it is a
// terminal: the share of all input bytes done and the entry being packed.
class ProgressLine {
 public:
  static constexpr uint64_t kShownFrom = 16 << 20;

  explicit ProgressLine(uint64_t total) : total_(total), shown_(total >= kShownFrom && isatty(STDERR_FILENO)) {}
  ~ProgressLine() {
    if (percent_ >= 0) std::fputc('\n', stderr);
  }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Show(const std::string& name, uint64_t done) {
    if (!shown_) return;
    const int percent = static_cast<int>(std::min<uint64_t>(done, total_) * 100 / total_);
    if (percent == percent_ && name == name_) return;
    percent_ = percent;
    name_ = name;
    std::fprintf(stderr, "\rvendril-pack: %3d%% %-48.48s", percent, name.c_str());
    std::fflush(stderr);
  }

 private:
  uint64_t total_;
  bool shown_;
  int percent_ = -1;
  std::string name_;
};

// Packs the files one at a time into `out` (entries named by the files' bare
// names): only one file and its compressed form are in memory at once.
bool WritePack(const std::vector<std::string>& paths, bool offsetsFromEnd, ReplacementFile& out, std::string& error) {
  std::vector<std::string> names;
  uint64_t total = 0;
  for (const std::string& path : paths) {
    names.emplace_back(BareFileName(path));
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
      error = SystemError(path);
      return false;
    }
    total += static_cast<uint64_t>(info.st_size);
  }
  if (!CheckPackEntryNames(names, error)) return false;
  PackBuilder builder([&](const uint8_t* bytes, size_t size) { return out.Write(bytes, size); });
  ProgressLine progress(total);
  uint64_t before = 0;
  for (size_t i = 0; i < paths.size(); ++i) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(paths[i], bytes, error)) return false;
    progress.Show(names[i], before);
    const auto done = [&](size_t count) { progress.Show(names[i], before + count); };
    if (!builder.Add(names[i], bytes.data(), bytes.size(), error, done)) return false;
    before += bytes.size();
    progress.Show(names[i], before);
  }
  return builder.Finish(offsetsFromEnd, error);
}

// The entries of a pack, all of which must be readable.
bool ReadDirectory(const PackInput& pack, const std::string& path, std::vector<PackEntry>& entries,
                   std::string& error) {
  PackTrailer trailer;
  if (!ReadPackTrailer(pack, trailer)) {
    error = path + ": no pack (the last 7 bytes do not start with \"sbX\")";
    return false;
  }
  const bool complete = WalkPackDirectory(pack, trailer, [&](const PackEntry& entry) {
    entries.push_back(entry);
    return true;
  });
  if (!complete) {
    error = path + ": the directory runs past the end of the file";
    return false;
  }
  return true;
}

// True when nothing is at `path` or a pack is: what create may replace
// without --force, so that a forgotten pack name cannot overwrite the first
// file given.
bool MayReplace(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return errno == ENOENT;
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.Valid() || fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const FilePackInput pack(fd.Get());
  PackTrailer trailer;
  return ReadPackTrailer(pack, trailer);
}

int Create(std::vector<std::string> args) {
  const auto force = std::remove(args.begin(), args.end(), "--force");
  const bool forced = force != args.end();
  args.erase(force, args.end());
  if (args.size() < 2) return BadUsage("create needs a pack name and at least one file");
  if (!forced && !MayReplace(args[0])) {
    return Fail(args[0] + ": exists and is not a pack (give --force to replace it)");
  }
  std::string error;
  ReplacementFile out(args[0], error);
  if (!out.Valid() || !WritePack({args.begin() + 1, args.end()}, false, out, error) || !out.Commit(0644, error)) {
    return Fail(error);
  }
  return 0;
}

int Append(const std::vector<std::string>& args) {
  if (args.size() < 2) return BadUsage("append needs an executable and at least one file");
  const std::string& target = args[0];
  UniqueFd fd(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (!fd.Valid() || fstat(fd.Get(), &info) != 0) return Fail(SystemError(target));
  if (!S_ISREG(info.st_mode)) return Fail(target + ": not a regular file");
  // A pack attached earlier (offsets from the end, every entry in the file)
  // ends the file from its first byte on; it is left out of the copy.
  int64_t keep = info.st_size;
  const FilePackInput current(fd.Get());
  PackTrailer trailer;
  std::vector<PackEntry> entries;
  std::string error;
  if (ReadPackTrailer(current, trailer) && trailer.fromEnd && ReadDirectory(current, target, entries, error)) {
    int64_t start = info.st_size + trailer.directoryOffset;
    bool whole = start >= 0;
    for (const PackEntry& entry : entries) {
      whole = whole && entry.dataPosition >= 0;
      start = std::min(start, entry.dataPosition);
    }
    if (whole) keep = start;
  }
  error.clear();
  ReplacementFile out(target, error);
  if (!out.Valid()) return Fail(error);
  if (::lseek(fd.Get(), 0, SEEK_SET) != 0 || !out.CopyFrom(fd.Get(), static_cast<uint64_t>(keep))) {
    return Fail(target + ": cannot copy");
  }
  if (!WritePack({args.begin() + 1, args.end()}, true, out, error) || !out.Commit(info.st_mode & 07777, error)) {
    return Fail(error);
  }
  return 0;
}

int List(const std::vector<std::string>& args) {
  if (args.size() != 1) return BadUsage("list needs exactly one pack");
  UniqueFd fd(::open(args[0].c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) return Fail(SystemError(args[0]));
  FilePackInput pack(fd.Get());
  std::vector<PackEntry> entries;
  std::string error;
  if (!ReadDirectory(pack, args[0], entries, error)) return Fail(error);
  std::printf("%10s %10s  %s\n", "unpacked", "stored", "name");
  for (const PackEntry& entry : entries) {
    uint8_t length[4];
    const bool readable = entry.dataPosition >= 0 && entry.storedLength >= 4 &&
                          pack.ReadAt(static_cast<uint64_t>(entry.dataPosition), length, sizeof length);
    if (readable) {
      std::printf("%10u %10u  %s\n", ReadLittleEndian32(length), entry.storedLength, entry.name.c_str());
    } else {
      std::printf("%10s %10u  %s\n", "damaged", entry.storedLength, entry.name.c_str());
    }
  }
  return 0;
}

int Extract(const std::vector<std::string>& args) {
  std::string pack, folder = ".";
  std::vector<std::string> wanted;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-C") {
      if (i + 1 == args.size() || args[i + 1].empty()) return BadUsage("-C needs a folder");
      folder = args[++i];
    } else if (pack.empty()) {
      pack = args[i];
    } else {
      wanted.push_back(args[i]);
    }
  }
  if (pack.empty()) return BadUsage("extract needs a pack");
  UniqueFd fd(::open(pack.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) return Fail(SystemError(pack));
  FilePackInput input(fd.Get());
  std::vector<PackEntry> entries;
  std::string error;
  if (!ReadDirectory(input, pack, entries, error)) return Fail(error);
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  if (made) return Fail(folder + ": " + made.message());
  int status = 0;
  for (const std::string& name : wanted) {
    const bool present = std::any_of(entries.begin(), entries.end(),
                                     [&](const PackEntry& entry) { return EqualIgnoringCase(entry.name, name); });
    if (!present) status = Fail(pack + ": no entry \"" + name + "\"");
  }
  for (const PackEntry& entry : entries) {
    const bool chosen = wanted.empty() || std::any_of(wanted.begin(), wanted.end(), [&](const std::string& name) {
                          return EqualIgnoringCase(entry.name, name);
                        });
    if (!chosen) continue;
    // Entry names come from the pack: never let one reach outside the folder.
    if (!IsValidPackEntryName(entry.name) || entry.name == "." || entry.name == "..") {
      status = Fail(pack + ": skipping an entry with an unsafe name");
      continue;
    }
    ByteBlock data;
    if (!UnpackPackEntry(input, entry, data)) {
      status = Fail(pack + ": entry \"" + entry.name + "\" is damaged");
      continue;
    }
    const std::vector<uint8_t> bytes(data.bytes.get(), data.bytes.get() + data.size);
    if (!WriteFileBytes(folder + "/" + entry.name, bytes, 0644, error)) status = Fail(error);
  }
  return status;
}

}  // namespace
}  // namespace vdr

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(vdr::kUsage, stdout);
    return 0;
  }
  if (command == "create") return vdr::Create(args);
  if (command == "append") return vdr::Append(args);
  if (command == "list") return vdr::List(args);
  if (command == "extract") return vdr::Extract(args);
  std::fprintf(stderr, "vendril-pack: %s\n\n%s", command.empty() ? "no command given" : ("unknown command \"" + command + "\"").c_str(), vdr::kUsage);
  return 2;
}
