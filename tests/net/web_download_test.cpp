// Web downloads from Python's http.server and from a server of the test's
// own that answers with exactly the bytes a case needs.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "files/platform_paths.h"
#include "net/socket_commands.h"
#include "net/socket_errors.h"
#include "net/sockets.h"
#include "net/web_download.h"
#include "tests/net/http_servers.h"
#include "tests/net/net_test_support.h"

namespace vdr {
namespace {

namespace fs = std::filesystem;
using test::CannedHttpServer;

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

std::string RandomBytes(size_t size) {
  std::mt19937 random(7);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

class WebDownloadTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const fs::path www = fs::path(TempFolder()) / "www";
    fs::create_directories(www);
    WriteFile(www / "five.txt", "hello");
    WriteFile(www / "two_k.txt", std::string(2000, 'k'));
    WriteFile(www / "big.bin", RandomBytes(5 << 20));
    python_ = new test::PythonHttpServer(www.string());
  }
  static void TearDownTestSuite() {
    delete python_;
    python_ = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(python_->port(), 0) << "python3 -m http.server did not start";
    ASSERT_NE(canned_.port(), 0);
    folder_ = fs::path(TempFolder()) / testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::create_directories(folder_);
  }
  void TearDown() override { EXPECT_EQ(SocketLayer().Uses(), 0) << "a download keeps no use of the socket library"; }

  static uint16_t PythonPort() { return python_->port(); }
  std::string InFolder(const std::string& name) const { return (folder_ / name).string(); }
  // The folder's names other than `kept`.
  std::vector<std::string> OtherFiles(const std::string& kept) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      if (entry.path().filename() != kept) names.push_back(entry.path().filename().string());
    }
    return names;
  }

  int32_t GetFile(const std::string& path, const std::string& file, uint16_t port) {
    return WebGetFile("127.0.0.1", path.c_str(), port, InFolder(file).c_str(), 5000);
  }
  RuntimeString GetText(const std::string& path, uint16_t port, int32_t maxLength) {
    return WebGetText("127.0.0.1", path.c_str(), port, maxLength, 5000);
  }

  CannedHttpServer canned_;
  fs::path folder_;

 private:
  static test::PythonHttpServer* python_;
};

test::PythonHttpServer* WebDownloadTest::python_ = nullptr;

TEST_F(WebDownloadTest, AFileOfFiveMegabytesArrivesByteForByte) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(GetFile("/big.bin", "big.bin", PythonPort()), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nConnected...");
  EXPECT_TRUE(ReadFile(InFolder("big.bin")) == RandomBytes(5 << 20));
  EXPECT_TRUE(OtherFiles("big.bin").empty());
}

TEST_F(WebDownloadTest, AnErrorPageIsSavedLikeAnyBody) {
  EXPECT_EQ(GetFile("/missing.txt", "missing.html", PythonPort()), 1);
  EXPECT_NE(ReadFile(InFolder("missing.html")).find("Error code: 404"), std::string::npos);
  EXPECT_NE(std::string(GetText("/missing.txt", PythonPort(), 2000).c_str()).find("404"), std::string::npos);
}

TEST_F(WebDownloadTest, TextIsTheStartOfTheBodyInThePiecesThatFit) {
  EXPECT_EQ(GetText("/five.txt", PythonPort(), 10), "hello");
  const std::string start = GetText("/two_k.txt", PythonPort(), 10).c_str();
  EXPECT_LE(start.size(), 10u);
  EXPECT_EQ(start, std::string(start.size(), 'k'));
  EXPECT_EQ(GetText("/two_k.txt", PythonPort(), 5000), std::string(2000, 'k').c_str());
}

TEST_F(WebDownloadTest, TheRequestIsPlainHttp10) {
  canned_.Reply("HTTP/1.0 200 OK\r\n\r\nok");
  EXPECT_EQ(GetText("/some/path?q=1", canned_.port(), 100), "ok");
  EXPECT_EQ(canned_.lastRequest(),
            "GET /some/path?q=1 HTTP/1.0\r\nHost:127.0.0.1\r\nAccept: */*\r\nUser-Agent: Vendril\r\n\r\n");
}

TEST_F(WebDownloadTest, AHeaderBlockMayEndInBareLineFeeds) {
  canned_.Reply("HTTP/1.0 200 OK\nContent-Type: text/plain\n\nfirst line\n\nsecond");
  EXPECT_EQ(GetText("/", canned_.port(), 100), "first line\n\nsecond");
  EXPECT_EQ(GetFile("/", "bare.txt", canned_.port()), 1);
  EXPECT_EQ(ReadFile(InFolder("bare.txt")), "first line\n\nsecond");
}

// A header block of exactly `length` bytes, ending "\r\n\r\n".
std::string HeaderOfLength(size_t length) {
  const std::string start = "HTTP/1.0 200 OK\r\nX-Pad: ";
  return start + std::string(length - start.size() - 4, 'p') + "\r\n\r\n";
}

TEST_F(WebDownloadTest, AHeaderBlockEndingAcrossTwoReceivesIsFound) {
  // Receives take 1023 bytes at most: the first ends after "\r\n", the
  // second starts with "\r\n".
  canned_.Reply(HeaderOfLength(1025) + "body after the split");
  EXPECT_EQ(GetText("/", canned_.port(), 100), "body after the split");
  canned_.Reply(HeaderOfLength(1024) + "body after the split");
  EXPECT_EQ(GetText("/", canned_.port(), 100), "body after the split");
}

TEST_F(WebDownloadTest, APieceAfterOneThatDidNotFitIsLeftOut) {
  // The first receive holds the header and 1023 - 200 body bytes, too many
  // for 10 characters; the 5 bytes of the second would fit but would not
  // continue the text.
  canned_.Reply(HeaderOfLength(200) + std::string(823, 'a') + "tail!");
  EXPECT_EQ(GetText("/", canned_.port(), 10), "");
  EXPECT_EQ(GetText("/", canned_.port(), 900), (std::string(823, 'a') + "tail!").c_str());
}

TEST_F(WebDownloadTest, AMemoryFileNameIsRefusedWithoutConnecting) {
  canned_.Reply("HTTP/1.0 200 OK\r\n\r\nok");
  EXPECT_EQ(WebGetFile("127.0.0.1", "/", canned_.port(), "mem://       5.12345678", 5000), 0);
  EXPECT_EQ(WebGetFile("127.0.0.1", "/", canned_.port(), "", 5000), 0);
  EXPECT_EQ(canned_.connections(), 0);
}

TEST_F(WebDownloadTest, ARequestTooLongForItsBufferIsRefusedWithoutConnecting) {
  canned_.Reply("HTTP/1.0 200 OK\r\n\r\nok");
  const std::string path = "/" + std::string(1000, 'x');
  EXPECT_EQ(GetFile(path, "long.txt", canned_.port()), 0);
  EXPECT_EQ(SocketLayer().LastError(), kSocketMessageTooLong);
  EXPECT_EQ(GetText(path, canned_.port(), 100), "");
  EXPECT_EQ(canned_.connections(), 0);
  EXPECT_FALSE(fs::exists(InFolder("long.txt")));
}

TEST_F(WebDownloadTest, AFailedDownloadLeavesTheExistingFileWhole) {
  WriteFile(InFolder("kept.txt"), "the old content");
  canned_.Reply("HTTP/1.0 200 OK\r\nContent-");  // closed inside the header block
  EXPECT_EQ(GetFile("/", "kept.txt", canned_.port()), 0);
  canned_.Reply(HeaderOfLength(100) + std::string(5000, 'n'), CannedHttpServer::Ending::kReset);
  EXPECT_EQ(GetFile("/", "kept.txt", canned_.port()), 0);
  EXPECT_EQ(GetFile("/", "kept.txt", test::ClosedPort()), 0);
  EXPECT_EQ(ReadFile(InFolder("kept.txt")), "the old content");
  EXPECT_TRUE(OtherFiles("kept.txt").empty());

  canned_.Reply("HTTP/1.0 200 OK\r\n\r\nthe new content");
  EXPECT_EQ(GetFile("/", "kept.txt", canned_.port()), 1);
  EXPECT_EQ(ReadFile(InFolder("kept.txt")), "the new content");
}

TEST_F(WebDownloadTest, FileNamesMayNameFoldersWithEitherSlash) {
  fs::create_directories(folder_ / "sub" / "deeper");
  canned_.Reply("HTTP/1.0 200 OK\r\n\r\nfiled");
  EXPECT_EQ(GetFile("/", "sub/a.txt", canned_.port()), 1);
  EXPECT_EQ(GetFile("/", "sub\\deeper\\b.txt", canned_.port()), 1);
  EXPECT_EQ(ReadFile(folder_ / "sub" / "a.txt"), "filed");
  EXPECT_EQ(ReadFile(folder_ / "sub" / "deeper" / "b.txt"), "filed");
  EXPECT_EQ(GetFile("/", "no/such/folder.txt", canned_.port()), 0);
}

TEST_F(WebDownloadTest, ADownloadGivesBackItsUseOfTheSocketLibrary) {
  ASSERT_EQ(SocketInit(), 1);
  canned_.Reply("HTTP/1.0 200 OK\r\n\r\nok");
  EXPECT_EQ(GetFile("/", "ok.txt", canned_.port()), 1);
  EXPECT_EQ(SocketLayer().Uses(), 1);
  EXPECT_EQ(GetFile("/", "ok.txt", test::ClosedPort()), 0);
  EXPECT_EQ(SocketLayer().LastError(), 10061) << "the reason outlives the shutdown";
  EXPECT_EQ(SocketLayer().Uses(), 1);
  SocketShutdown();
}

}  // namespace
}  // namespace vdr
