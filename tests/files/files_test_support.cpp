#include "tests/files/files_test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "files/file_channels.h"
#include "files/file_resolver.h"
#include "files/file_source.h"
#include "files/platform_paths.h"

namespace vdr::testing_files {

void FilesTest::SetUp() {
  previous_ = std::filesystem::current_path();
  const std::string pattern = TempFolder() + "files-test-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back(0);
  ASSERT_NE(::mkdtemp(name.data()), nullptr);
  folder_ = name.data();
  std::filesystem::current_path(folder_);
  ReleaseResolverContexts();
}

void FilesTest::TearDown() {
  CloseAllFileChannels();
  ReleaseResolverContexts();
  std::filesystem::current_path(previous_);
  std::filesystem::remove_all(folder_);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ToString(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string SampleBytes(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, 0);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 5 == 0 ? random() : i / 97);
  return bytes;
}

std::string ReadResolved(const std::string& resolved) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadWholeFile(resolved.c_str(), bytes)) << resolved;
  return ToString(bytes);
}

std::string PackToolPath() { return VENDRIL_PACK_TOOL; }

int RunPackTool(const std::vector<std::string>& args) {
  std::string command = "'" + PackToolPath() + "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " 2>/dev/null >/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vdr::testing_files
