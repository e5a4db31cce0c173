// Resolution order, pack look-ups and the lifetime of extractions, with packs
// built byte by byte so that every field can be set or damaged.

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "files/file_channels.h"
#include "files/file_commands.h"
#include "files/file_resolver.h"
#include "files/file_source.h"
#include "files/file_system.h"
#include "files/memory_files.h"
#include "files/pack_writer.h"
#include "files/platform_paths.h"
#include "runtime/error_status.h"
#include "tests/files/files_test_support.h"

namespace vdr {
namespace {

using testing_files::FilesTest;
using testing_files::ReadFile;
using testing_files::ReadResolved;
using testing_files::SampleBytes;
using testing_files::WriteFile;

std::string Le32(uint32_t value) {
  std::string bytes(4, 0);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

// Unpacked length and LZO1X stream, as the pack stores an entry.
std::string Stored(const std::string& content) {
  std::vector<uint8_t> stored;
  EXPECT_TRUE(CompressPackEntry(reinterpret_cast<const uint8_t*>(content.data()), content.size(), stored));
  return std::string(stored.begin(), stored.end());
}

std::string DirectoryEntry(const std::string& name, int32_t dataOffset, size_t storedLength) {
  return std::string(1, static_cast<char>(name.size())) + name + Le32(static_cast<uint32_t>(dataOffset)) +
         Le32(static_cast<uint32_t>(storedLength));
}

std::string Trailer(int32_t directoryOffset) { return "sbX" + Le32(static_cast<uint32_t>(directoryOffset)); }

void Patch(std::string& bytes, size_t at, uint32_t value) { bytes.replace(at, 4, Le32(value)); }

// A pack of one entry with offsets from the start: data at 0, then the directory.
struct OneEntryPack {
  explicit OneEntryPack(const std::string& name, const std::string& content) : stored(Stored(content)) {
    bytes = stored + DirectoryEntry(name, 0, stored.size()) + '\0' + Trailer(static_cast<int32_t>(stored.size()));
    offsetField = stored.size() + 1 + name.size();
  }
  std::string stored;
  std::string bytes;
  size_t offsetField;  // the entry's data offset; its stored length follows
};

class ResolverTest : public FilesTest {};

TEST_F(ResolverTest, DiskComesBeforeThePack) {
  WriteFile("media.sbx", OneEntryPack("title.png", "packed").bytes);
  WriteFile("title.png", "on disk");
  SetPackFile("media.sbx", "media.sbx");
  std::string resolved;
  ASSERT_TRUE(MemoryContext().Resolve("title.png", resolved));
  EXPECT_EQ(resolved, "title.png");
  ASSERT_TRUE(MemoryContext().Resolve("title.png", resolved));
  EXPECT_EQ(ReadResolved(resolved), "on disk");
}

TEST_F(ResolverTest, FolderAndLetterCaseAreIgnoredInThePack) {
  WriteFile("media.sbx", OneEntryPack("title.png", "packed title").bytes);
  SetPackFile("media.sbx", "media.sbx");
  std::string resolved;
  ASSERT_TRUE(MemoryContext().Resolve("Media/Title.PNG", resolved));
  EXPECT_EQ(ReadResolved(resolved), "packed title");
  ASSERT_TRUE(MemoryContext().Resolve("Media\\TITLE.png", resolved));
  EXPECT_FALSE(MemoryContext().Resolve("title.pn", resolved));
  EXPECT_EQ(resolved, "");
}

// A name that differs from the disk only in letter case finds the file on
// disk, as it finds a packed one: the exact spelling first, then each
// component ignoring case.
TEST_F(ResolverTest, DiskNamesMatchIgnoringCase) {
  std::filesystem::create_directories("Media/Sub");
  WriteFile("Media/Gato.png", "gato");
  WriteFile("Media/Sub/Deep.TXT", "deep");
  WriteFile("Media/exact.txt", "lower");
  WriteFile("Media/EXACT.TXT", "upper");
  struct Case { std::string requested, resolved, content; };
  const Case cases[] = {
      {"Media/Gato.png", "Media/Gato.png", "gato"},
      {"media/gato.png", "Media/Gato.png", "gato"},
      {"MEDIA\\GATO.PNG", "Media/Gato.png", "gato"},
      {"./media/sub/deep.txt", "./Media/Sub/Deep.TXT", "deep"},
      {"Media/SUB/deep.txt", "Media/Sub/Deep.TXT", "deep"},
      {Folder() + "/media/GATO.png", Folder() + "/Media/Gato.png", "gato"},
      {"media/exact.txt", "Media/exact.txt", "lower"},
      {"Media/EXACT.TXT", "Media/EXACT.TXT", "upper"},
  };
  for (const Case& c : cases) {
    std::string resolved;
    ASSERT_TRUE(MemoryContext().Resolve(c.requested, resolved)) << c.requested;
    EXPECT_EQ(resolved, c.resolved) << c.requested;
    EXPECT_EQ(ReadResolved(resolved), c.content) << c.requested;
    EXPECT_EQ(FileExists(c.requested.c_str()), 1) << c.requested;
  }
  for (const char* missing : {"media/gato.jpg", "other/gato.png", "media/gato.png/x"}) {
    std::string resolved;
    EXPECT_FALSE(MemoryContext().Resolve(missing, resolved)) << missing;
    EXPECT_EQ(resolved, missing);
  }

  // Channels read the same way, and write into the file and folders that are
  // there; a new file keeps the spelling it was given.
  ASSERT_EQ(OpenFile(0, "MEDIA/gato.PNG", 1), 1);
  RuntimeString text;
  ReadText(0, text, 4);
  EXPECT_EQ(text, "gato");
  ASSERT_EQ(OpenFile(1, "media/GATO.png", 0), 1);
  WriteText(1, "new");
  CloseFile(1);
  ASSERT_EQ(OpenFile(1, "MEDIA/Gato.PNG", -1), 1);
  WriteText(1, "er");
  CloseFile(1);
  ASSERT_EQ(OpenFile(1, "media/sub/Fresh.dat", 0), 1);
  CloseFile(1);
  EXPECT_EQ(ReadFile("Media/Gato.png"), "newer");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) names.push_back(entry.path().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"./Media", "./Media/EXACT.TXT", "./Media/Gato.png", "./Media/Sub",
                                             "./Media/Sub/Deep.TXT", "./Media/Sub/Fresh.dat", "./Media/exact.txt"}));
}

TEST_F(ResolverTest, WrongTrailerOrEmptyNameFindsNothing) {
  std::string pack = OneEntryPack("a.txt", "x").bytes;
  pack[pack.size() - 5] = 'x';  // "sbx" instead of "sbX"
  WriteFile("media.sbx", pack);
  SetPackFile("media.sbx", "media.sbx");
  std::string resolved = "before";
  EXPECT_FALSE(MemoryContext().Resolve("a.txt", resolved));
  EXPECT_EQ(resolved, "");
  resolved = "before";
  EXPECT_FALSE(MemoryContext().Resolve("", resolved));
  EXPECT_EQ(resolved, "");
  EXPECT_TRUE(MemoryContext().Enabled());
}

TEST_F(ResolverTest, NegativeDirectoryOffsetCountsFromTheEnd) {
  // 50 bytes of executable, the entry's data, then a 100-byte tail: directory,
  // terminator, padding and trailer. Every offset counts back from the end.
  const std::string content = SampleBytes(3000, 7);
  const std::string stored = Stored(content);
  const auto total = static_cast<int32_t>(50 + stored.size() + 100);
  std::string tail = DirectoryEntry("song.mid", 50 - total, stored.size()) + '\0';
  tail += std::string(100 - 7 - tail.size(), '\xEE') + Trailer(-100);
  WriteFile("game", std::string(50, '\x7F') + stored + tail);
  CreateResolverContexts("game");
  std::string resolved;
  ASSERT_TRUE(MemoryContext().Resolve("song.mid", resolved));
  EXPECT_EQ(ReadResolved(resolved), content);
  // The disk context names its temporary file after the entry: "sbx", then
  // letters from the low bytes of the data offset and the stored length.
  ASSERT_TRUE(DiskContext().Resolve("song.mid", resolved));
  std::string expected = TempFolder() + "sbx";
  expected += static_cast<char>('A' + static_cast<uint8_t>(50 - total) % 26);
  expected += static_cast<char>('A' + static_cast<uint8_t>(stored.size()) % 26);
  EXPECT_EQ(resolved, expected + "song.mid");
  EXPECT_EQ(ReadFile(resolved), content);
  ReleaseResolverContexts();
  EXPECT_FALSE(std::filesystem::exists(expected + "song.mid"));
}

TEST_F(ResolverTest, NextResolveWithdrawsTheLastExtractionButNotAnOpenChannel) {
  const std::string first = SampleBytes(4000, 3) + "\nend";
  const std::vector<PackSourceFile> files = {{"first.txt", {first.begin(), first.end()}}, {"second.txt", {'2'}}};
  std::vector<uint8_t> pack;
  std::string error;
  ASSERT_TRUE(BuildPack(files, false, pack, error));
  WriteFile("media.sbx", testing_files::ToString(pack));
  SetPackFile("media.sbx", "media.sbx");

  std::string firstName, secondName;
  ASSERT_TRUE(MemoryContext().Resolve("first.txt", firstName));
  ASSERT_TRUE(MemoryContext().Resolve("second.txt", secondName));
  EXPECT_EQ(FindMemoryFile(firstName.c_str()), nullptr);
  FileSource source;
  EXPECT_FALSE(source.Open(firstName.c_str()));
  std::string again;
  EXPECT_FALSE(MemoryContext().Resolve(firstName, again));

  // A channel holds its block: later resolves do not pull it away.
  ASSERT_EQ(OpenFile(0, "first.txt", 1), 1);
  ASSERT_TRUE(MemoryContext().Resolve("second.txt", secondName));
  ASSERT_TRUE(MemoryContext().Resolve("first.txt", again));
  ReleaseResolverContexts();
  RuntimeString text;
  ReadText(0, text, 4000);
  EXPECT_EQ(text, first.substr(0, 4000).c_str());
  ReadLine(0, text);
  ReadLine(0, text);
  EXPECT_EQ(text, "end");
  EXPECT_EQ(EndOfFile(0), 1);
}

TEST_F(ResolverTest, UnopenablePackDisablesTheContextUntilSetAgain) {
  SetPackFile("media.sbx", "media.sbx");
  std::string resolved;
  EXPECT_FALSE(MemoryContext().Resolve("a.txt", resolved));
  EXPECT_EQ(resolved, "a.txt");
  EXPECT_FALSE(MemoryContext().Enabled());
  WriteFile("media.sbx", OneEntryPack("a.txt", "x").bytes);
  EXPECT_FALSE(MemoryContext().Resolve("a.txt", resolved));
  SetPackFile("media.sbx", "");
  EXPECT_TRUE(MemoryContext().Resolve("a.txt", resolved));
  EXPECT_FALSE(DiskContext().Resolve("a.txt", resolved));
  EXPECT_FALSE(DiskContext().Enabled());
}

// Packs come from outside: whatever their fields say, a look-up either finds
// the entry's true bytes or nothing, and never reads outside the pack.
TEST_F(ResolverTest, DamagedPacksFindNothing) {
  const std::string content = SampleBytes(2000, 5);
  const OneEntryPack good("a.txt", content);
  const auto size = static_cast<uint32_t>(good.bytes.size());
  const auto directory = static_cast<uint32_t>(good.stored.size());
  struct Damage {
    const char* what;
    std::function<void(std::string&)> apply;
  };
  const std::vector<Damage> damages = {
      {"data offset past the end", [&](std::string& p) { Patch(p, good.offsetField, size + 10); }},
      {"data offset before the start", [&](std::string& p) { Patch(p, good.offsetField, static_cast<uint32_t>(-5)); }},
      {"stored length past the end", [&](std::string& p) { Patch(p, good.offsetField + 4, size); }},
      {"stored length without room for the unpacked length", [&](std::string& p) { Patch(p, good.offsetField + 4, 3); }},
      {"unpacked length far beyond the stream", [&](std::string& p) { Patch(p, 0, 0x7FFFFFF0); }},
      {"unpacked length above 2 GiB", [&](std::string& p) { Patch(p, 0, 0xFFFFFFFF); }},
      {"unpacked length one more", [&](std::string& p) { Patch(p, 0, static_cast<uint32_t>(content.size() + 1)); }},
      {"unpacked length one less", [&](std::string& p) { Patch(p, 0, static_cast<uint32_t>(content.size() - 1)); }},
      {"damaged stream", [&](std::string& p) { std::memset(&p[40], 0xFF, 60); }},
      {"directory past the end", [&](std::string& p) { Patch(p, size - 4, size + 100); }},
      {"directory before the start", [&](std::string& p) { Patch(p, size - 4, static_cast<uint32_t>(-(int64_t{size} + 1))); }},
      {"directory running into the trailer", [&](std::string& p) { Patch(p, size - 4, size - 7); }},
      {"other entry and no terminator", [&](std::string& p) {
         p[good.offsetField - 5] = 'b';
         p[good.offsetField + 8] = '\xC8';
       }},
      {"name length past the end", [&](std::string& p) { p[directory] = '\xFF'; }},
      {"only a trailer", [&](std::string& p) { p = Trailer(0); }},
      {"shorter than a trailer", [&](std::string& p) { p = "sbX"; }},
      {"empty", [&](std::string& p) { p.clear(); }},
  };
  for (const Damage& damage : damages) {
    std::string pack = good.bytes;
    damage.apply(pack);
    WriteFile("media.sbx", pack);
    SetPackFile("media.sbx", "media.sbx");
    std::string resolved = "before";
    EXPECT_FALSE(MemoryContext().Resolve("a.txt", resolved)) << damage.what;
    EXPECT_EQ(resolved, "") << damage.what;
    EXPECT_FALSE(DiskContext().Resolve("a.txt", resolved)) << damage.what;
  }
}

}  // namespace
}  // namespace vdr
