// File and folder commands.

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "files/file_pattern.h"
#include "files/file_system.h"
#include "files/memory_files.h"
#include "runtime/error_status.h"
#include "tests/files/files_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using testing_files::FilesTest;
using testing_files::ReadFile;
using testing_files::WriteFile;

class FileSystemTest : public FilesTest {};

TEST_F(FileSystemTest, FileListGivesFoldersThenMatchingFilesSorted) {
  for (const char* name : {"b.PNG", "a.png", "c.txt"}) WriteFile(name, "x");
  ASSERT_EQ(CreateDir("Media"), 1);
  RuntimeArray<RuntimeString> names;
  EXPECT_EQ(FileList("*.png", names), 2 + 3 * 65536);
  ASSERT_EQ(names.Count(), 5);
  const char* expected[] = {".", "..", "Media", "a.png", "b.PNG"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(names[i], expected[i]) << i;
  EXPECT_EQ(FileList("*.*", names), 3 + 3 * 65536);
}

TEST(FilePatternTest, Wildcards) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"a?c", "abc", true},       {"a?c", "a.c", false},     {"*.*", "README", true},
      {"*.png", "b.PNG", true},   {"*.png", "a.png.txt", false}, {"a**c", "abbc", true},
      {"*c", "abcbc", true},      {"a*", "a", true},         {"a*c*e", "abcde", true},
      {"a*c*e", "abcd", false},   {"?", "", false},          {"ab", "abc", false},
      {"abc", "ab", false},       {"*.t?t", "notes.txt", true},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesFilePattern(c.name, c.pattern), c.matches) << c.pattern << " " << c.name;
}

TEST_F(FileSystemTest, ExistenceAndSize) {
  WriteFile("five", "12345");
  ASSERT_EQ(CreateDir("folder"), 1);
  EXPECT_EQ(CreateDir("folder"), 0);
  EXPECT_EQ(FileExists("five"), 1);
  EXPECT_EQ(FileExists("folder"), 0);
  EXPECT_EQ(DirExists("folder"), 1);
  EXPECT_EQ(DirExists("five"), 0);
  EXPECT_EQ(DirExists("missing"), 0);
  EXPECT_EQ(FileSize("five"), 5);
  EXPECT_EQ(ErrorStatus().code, kErrorNone);
  EXPECT_EQ(FileSize("missing"), 0);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EQ(DeleteFile("five"), 1);
  EXPECT_EQ(DeleteFile("five"), 0);
}

TEST_F(FileSystemTest, CopyFileFromMemoryAndNeverOntoItself) {
  const std::string bytes = testing_files::SampleBytes(10000, 4);  // more than two copy blocks
  MemoryFile memory = test::PublishBytes(bytes);
  CopyFile(memory.Name().c_str(), "copy.bin");
  EXPECT_EQ(ErrorStatus().code, kErrorNone);
  EXPECT_EQ(ReadFile("copy.bin"), bytes);

  CopyFile("copy.bin", "./copy.bin");
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EQ(ReadFile("copy.bin"), bytes);
  CopyFile("missing", "target");
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_FALSE(std::filesystem::exists("target"));
  CopyFile("copy.bin", memory.Name().c_str());
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
}

TEST_F(FileSystemTest, CurrentFolderAndPaths) {
  ASSERT_EQ(CreateDir("sub\\inner"), 0);  // "sub" is missing: one level at a time
  ASSERT_EQ(CreateDir("sub"), 1);
  ASSERT_EQ(CreateDir("sub\\inner"), 1);
  EXPECT_EQ(ChangeDirectory("sub\\inner"), 1);
  EXPECT_EQ(CurrentDir(), (Folder() + "/sub/inner/").c_str());
  EXPECT_EQ(ChangeDirectory("missing"), 0);
  EXPECT_EQ(ErrorStatus().code, kErrorNoSuchFile);
  EXPECT_EQ(ChangeDirectory("/"), 1);
  EXPECT_EQ(CurrentDir(), "/");
  RuntimeString path = "C:\\Games\\Media\\";
  EXPECT_EQ(SlashPath(path), 15);
  EXPECT_EQ(path, "C:/Games/Media/");
}

}  // namespace
}  // namespace vdr
