// Files packed by vendril-pack resolve and read back byte for byte, wherever
// the pack lies: a pack file, a pack attached to an executable, a pack that is
// itself a memory file.

#include <algorithm>
#include <filesystem>
#include <map>

#include "files/file_resolver.h"
#include "files/file_source.h"
#include "files/memory_files.h"
#include "tests/files/files_test_support.h"
#include "tests/support/memory_file_bytes.h"

namespace vdr {
namespace {

using testing_files::FilesTest;
using testing_files::ReadFile;
using testing_files::ReadResolved;
using testing_files::RunPackTool;
using testing_files::SampleBytes;
using testing_files::WriteFile;

class PackToolTest : public FilesTest {
 protected:
  // Source files live in "src/" so that a bare name is never found on disk.
  void SetUp() override {
    FilesTest::SetUp();
    std::filesystem::create_directory("src");
    for (const auto& [name, bytes] : files_) WriteFile("src/" + name, bytes);
  }
  std::vector<std::string> Sources() const {
    std::vector<std::string> paths;
    for (const auto& entry : files_) paths.push_back("src/" + entry.first);
    return paths;
  }
  std::vector<std::string> With(std::vector<std::string> front) const {
    for (const std::string& path : Sources()) front.push_back(path);
    return front;
  }
  void ExpectEveryFileResolves() {
    for (const auto& [name, bytes] : files_) {
      std::string resolved;
      ASSERT_TRUE(MemoryContext().Resolve(name, resolved)) << name;
      EXPECT_TRUE(IsMemoryFileName(resolved.c_str()));
      EXPECT_EQ(ReadResolved(resolved), bytes) << name;
      ASSERT_TRUE(DiskContext().Resolve(name, resolved)) << name;
      EXPECT_EQ(ReadFile(resolved), bytes) << name;
    }
  }

  const std::map<std::string, std::string> files_ = {
      {"picture.png", SampleBytes(300000, 1)},
      {"empty.txt", ""},
      {"random.bin", SampleBytes(5000, 2)},
      {"notes.txt", "line one\r\nline two\r\n"},
  };
};

TEST_F(PackToolTest, PackFileRoundTrip) {
  ASSERT_EQ(RunPackTool(With({"create", "media.sbx"})), 0);
  SetPackFile("media.sbx", "media.sbx");
  ExpectEveryFileResolves();
}

TEST_F(PackToolTest, PackAttachedToAnExecutableRoundTrip) {
  // The tool itself serves as the executable: it must still run afterwards.
  std::filesystem::copy_file(testing_files::PackToolPath(), "game");
  ASSERT_EQ(RunPackTool(With({"append", "game"})), 0);
  const auto size = std::filesystem::file_size("game");
  ASSERT_EQ(RunPackTool(With({"append", "game"})), 0);  // replaces the first pack
  EXPECT_EQ(std::filesystem::file_size("game"), size);
  EXPECT_EQ(std::system("./game --help >/dev/null"), 0);
  CreateResolverContexts(std::filesystem::absolute("game").string());
  ExpectEveryFileResolves();
}

TEST_F(PackToolTest, PackInsideAMemoryFileRoundTrip) {
  ASSERT_EQ(RunPackTool(With({"create", "media.sbx"})), 0);
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile("media.sbx", bytes));
  MemoryFile pack = test::PublishBytes(bytes);
  std::filesystem::remove("media.sbx");
  SetPackFile(pack.Name().c_str(), pack.Name().c_str());
  ExpectEveryFileResolves();
}

TEST_F(PackToolTest, ExtractGivesBackTheFiles) {
  ASSERT_EQ(RunPackTool(With({"create", "media.sbx"})), 0);
  std::filesystem::create_directory("out");
  ASSERT_EQ(RunPackTool({"extract", "media.sbx", "-C", "out"}), 0);
  for (const auto& [name, bytes] : files_) EXPECT_EQ(ReadFile("out/" + name), bytes) << name;
  EXPECT_EQ(RunPackTool({"extract", "media.sbx", "-C", "out", "NOTES.TXT", "missing.png"}), 1);
}

// A pack name forgotten on the command line must not cost the first file:
// create replaces an existing pack, but anything else only with --force.
TEST_F(PackToolTest, CreateReplacesOnlyPacksUnlessForced) {
  WriteFile("first.png", "a picture");
  EXPECT_EQ(RunPackTool({"create", "first.png", "src/notes.txt"}), 1);
  EXPECT_EQ(ReadFile("first.png"), "a picture");
  EXPECT_EQ(RunPackTool({"create", "src", "src/notes.txt"}), 1);  // a folder
  EXPECT_TRUE(std::filesystem::is_directory("src"));
  ASSERT_EQ(RunPackTool({"create", "media.sbx", "src/notes.txt"}), 0);
  ASSERT_EQ(RunPackTool(With({"create", "media.sbx"})), 0);  // a pack is replaced
  SetPackFile("media.sbx", "media.sbx");
  ExpectEveryFileResolves();
  ASSERT_EQ(RunPackTool({"create", "--force", "first.png", "src/notes.txt"}), 0);
  EXPECT_EQ(RunPackTool({"list", "first.png"}), 0);
}

// The folder of -C is made when it is missing; -C without one is bad usage.
TEST_F(PackToolTest, ExtractMakesItsFolder) {
  ASSERT_EQ(RunPackTool(With({"create", "media.sbx"})), 0);
  ASSERT_EQ(RunPackTool({"extract", "media.sbx", "-C", "unpacked/deeper"}), 0);
  for (const auto& [name, bytes] : files_) EXPECT_EQ(ReadFile("unpacked/deeper/" + name), bytes) << name;
  WriteFile("plain", "x");
  EXPECT_EQ(RunPackTool({"extract", "media.sbx", "-C", "plain"}), 1);
  EXPECT_EQ(RunPackTool({"extract", "media.sbx", "-C"}), 2);
  EXPECT_EQ(RunPackTool({"extract", "media.sbx", "-C", ""}), 2);
  EXPECT_EQ(RunPackTool({"extract", "-C", "unpacked"}), 2);
}

// Packing 16 MiB or more with standard error on a terminal shows the share
// done as it goes; into a file the tool says nothing. The pack is the same.
TEST_F(PackToolTest, LargeInputsShowProgressOnATerminalOnly) {
  WriteFile("src/big.bin", SampleBytes(17 << 20, 3));
  const std::string create = "'" + testing_files::PackToolPath() + "' create";
  ASSERT_EQ(std::system(("script -qec \"" + create + " terminal.sbx src/big.bin\" /dev/null </dev/null >terminal.txt")
                            .c_str()),
            0);
  const std::string terminal = ReadFile("terminal.txt");
  EXPECT_NE(terminal.find("  0% big.bin"), std::string::npos) << terminal;
  EXPECT_NE(terminal.find("100% big.bin"), std::string::npos) << terminal;
  EXPECT_GT(std::count(terminal.begin(), terminal.end(), '\r'), 10) << terminal;

  ASSERT_EQ(std::system((create + " quiet.sbx src/big.bin 2>quiet.txt").c_str()), 0);
  EXPECT_EQ(ReadFile("quiet.txt"), "");
  EXPECT_EQ(ReadFile("terminal.sbx"), ReadFile("quiet.sbx"));
}

TEST_F(PackToolTest, FailuresExitNonZero) {
  EXPECT_EQ(RunPackTool({"--help"}), 0);
  EXPECT_EQ(RunPackTool({}), 2);
  EXPECT_EQ(RunPackTool({"create", "out.sbx"}), 2);
  EXPECT_EQ(RunPackTool({"create", "out.sbx", "src/missing.png"}), 1);
  EXPECT_FALSE(std::filesystem::exists("out.sbx"));
  WriteFile("src/PICTURE.PNG", "same name ignoring case");
  EXPECT_EQ(RunPackTool({"create", "out.sbx", "src/picture.png", "src/PICTURE.PNG"}), 1);
  EXPECT_EQ(RunPackTool({"list", "src/notes.txt"}), 1);
}

}  // namespace
}  // namespace vdr
