#pragma once
// Shared pieces of the file tests: a fresh current folder per test, whole-file
// helpers and the pack tool.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vdr::testing_files {

// Each test runs in a new empty folder inside the temporary folder, with no
// channel open and both resolver contexts without a pack.
class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  const std::string& Folder() const { return folder_; }

 private:
  std::string previous_;
  std::string folder_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
std::string ToString(const std::vector<uint8_t>& bytes);
// Bytes that compress only somewhat, as pictures do.
std::string SampleBytes(size_t size, unsigned seed);
// The resolved name's content read through FileSource.
std::string ReadResolved(const std::string& resolved);
// Runs vendril-pack with the arguments; its exit status.
int RunPackTool(const std::vector<std::string>& args);
std::string PackToolPath();

}  // namespace vdr::testing_files
