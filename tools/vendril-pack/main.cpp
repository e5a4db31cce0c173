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
    "cannot share a pack. Exit status: 0 done, 1 failed, 2 bad usage.\n";

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

// Writes through a temporary file renamed into place, so a failed run never
// leaves half a file behind.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes, mode_t mode, std::string& error) {
  const std::string temporary = path + ".part";
  UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
  if (!fd.Valid()) {
    error = SystemError(temporary);
    return false;
  }
  if (!WriteFully(fd.Get(), bytes.data(), bytes.size()) || fchmod(fd.Get(), mode) != 0) {
    error = SystemError(temporary);
    ::unlink(temporary.c_str());
    return false;
  }
  fd.Reset();
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    error = SystemError(path);
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool LoadSourceFiles(const std::vector<std::string>& paths, std::vector<PackSourceFile>& files, std::string& error) {
  for (const std::string& path : paths) {
    PackSourceFile file;
    file.name = std::string(BareFileName(path));
    if (!ReadFileBytes(path, file.data, error)) return false;
    files.push_back(std::move(file));
  }
  return true;
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
  std::vector<PackSourceFile> files;
  std::vector<uint8_t> pack;
  std::string error;
  if (!LoadSourceFiles({args.begin() + 1, args.end()}, files, error) || !BuildPack(files, false, pack, error) ||
      !WriteFileBytes(args[0], pack, 0644, error)) {
    return Fail(error);
  }
  return 0;
}

int Append(const std::vector<std::string>& args) {
  if (args.size() < 2) return BadUsage("append needs an executable and at least one file");
  const std::string& target = args[0];
  std::vector<uint8_t> bytes, pack;
  std::vector<PackSourceFile> files;
  std::string error;
  struct stat info {};
  if (stat(target.c_str(), &info) != 0) return Fail(SystemError(target));
  if (!ReadFileBytes(target, bytes, error) || !LoadSourceFiles({args.begin() + 1, args.end()}, files, error) ||
      !BuildPack(files, true, pack, error)) {
    return Fail(error);
  }
  // A pack attached earlier (offsets from the end, every entry in the file)
  // ends the file from its first byte on; cut it off before attaching anew.
  MemoryPackInput current(bytes.data(), bytes.size());
  PackTrailer trailer;
  std::vector<PackEntry> entries;
  std::string ignored;
  if (ReadPackTrailer(current, trailer) && trailer.fromEnd && ReadDirectory(current, target, entries, ignored)) {
    int64_t start = static_cast<int64_t>(bytes.size()) + trailer.directoryOffset;
    bool whole = start >= 0;
    for (const PackEntry& entry : entries) {
      whole = whole && entry.dataPosition >= 0;
      start = std::min(start, entry.dataPosition);
    }
    if (whole) bytes.resize(static_cast<size_t>(start));
  }
  bytes.insert(bytes.end(), pack.begin(), pack.end());
  if (!WriteFileBytes(target, bytes, info.st_mode & 07777, error)) return Fail(error);
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
