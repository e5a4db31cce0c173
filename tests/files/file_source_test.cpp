// Reading by resolved name in pieces: the same positions and ends for disk
// files and memory files.

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "files/file_source.h"
#include "tests/files/files_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

class FileSourceTest : public testing_files::FilesTest, public ::testing::WithParamInterface<bool> {
 protected:
  std::string NameOf(const std::string& bytes) {
    if (!GetParam()) {
      testing_files::WriteFile("data", bytes);
      return "data";
    }
    memory_ = test::PublishBytes(bytes);
    return memory_.Name();
  }
  MemoryFile memory_;
};

INSTANTIATE_TEST_SUITE_P(DiskAndMemory, FileSourceTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Memory" : "Disk"; });

TEST_P(FileSourceTest, ReadsInPiecesWithinTheFile) {
  FileSource source;
  ASSERT_TRUE(source.Open(NameOf("RIFF----WAVEfmt ").c_str()));
  EXPECT_EQ(source.IsMemory(), GetParam());
  EXPECT_EQ(source.Size(), 16);
  char bytes[8] = {};
  ASSERT_TRUE(source.ReadExact(bytes, 4));
  EXPECT_EQ(std::string(bytes, 4), "RIFF");
  ASSERT_TRUE(source.Seek(4, SEEK_CUR));
  ASSERT_TRUE(source.ReadExact(bytes, 4));
  EXPECT_EQ(std::string(bytes, 4), "WAVE");
  ASSERT_TRUE(source.Seek(-2, SEEK_END));
  EXPECT_EQ(source.Read(bytes, 8), 2u);
  EXPECT_EQ(std::string(bytes, 2), "t ");
  EXPECT_FALSE(source.ReadExact(bytes, 1));
  EXPECT_FALSE(source.Seek(-1, SEEK_SET));
  EXPECT_EQ(source.Position(), 16);
  ASSERT_TRUE(source.Seek(100, SEEK_SET));
  EXPECT_EQ(source.Read(bytes, 1), 0u);
}

TEST_P(FileSourceTest, OnlyFilesOpen) {
  FileSource source;
  EXPECT_FALSE(source.Open(""));
  EXPECT_FALSE(source.Open("missing"));
  EXPECT_FALSE(source.Open("."));  // a folder
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(NameOf("").c_str(), bytes));
  EXPECT_TRUE(bytes.empty());
}

// Whole-file reads take only what can be a media file: sizes beyond the limit
// are refused before memory is taken (the files are sparse, so they take no
// room on disk), and endless files are no files.
class WholeFileReadTest : public testing_files::FilesTest {};

TEST_F(WholeFileReadTest, RefusesHugeAndEndlessFiles) {
  ASSERT_EQ(mkfifo("pipe", 0600), 0);
  struct Case { const char* name; int64_t size; };
  const Case cases[] = {
      {"just-over.png", kWholeFileLimit + 1},
      {"two-tebibytes.png", int64_t{2} << 40},
      {"pipe", -1},
      {"/dev/zero", -1},
  };
  for (const Case& c : cases) {
    if (c.size >= 0) {
      testing_files::WriteFile(c.name, "\x89PNG");
      std::filesystem::resize_file(c.name, static_cast<uintmax_t>(c.size));
    }
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(ReadWholeFile(c.name, bytes)) << c.name;
  }
}

}  // namespace
}  // namespace vdr
