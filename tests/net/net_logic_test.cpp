// The socket table's bookkeeping, error codes, address forms, the request
// text and the reading of responses, without sockets.

#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "net/http_request.h"
#include "net/http_response.h"
#include "net/ip_address.h"
#include "net/socket_errors.h"
#include "net/socket_table.h"
#include "net/sockets.h"

namespace vdr {
namespace {

TEST(SocketTableTest, EntriesTakeTheLowestFreeIndexUntilTheTableIsFull) {
  SocketTable table;
  for (int32_t i = 0; i < SocketTable::kSize; ++i) {
    ASSERT_EQ(table.Reserve(), i);
    table.Fill(i, {100 + i, {}, false});
  }
  EXPECT_EQ(table.Reserve(), -1);
  ASSERT_TRUE(table.Take(5));
  EXPECT_FALSE(table.Find(5));
  EXPECT_EQ(table.Reserve(), 5);
  EXPECT_FALSE(table.Find(5)) << "a reserved entry is not open yet";
  EXPECT_EQ(table.Reserve(), -1);
  table.Free(5);
  EXPECT_EQ(table.Reserve(), 5);
  for (const int32_t outside : {-1, SocketTable::kSize}) {
    EXPECT_FALSE(table.Find(outside));
    EXPECT_FALSE(table.Take(outside));
  }
}

TEST(SocketTableTest, UsesNestAndOnlyTheLastHandsBackTheOpenEntries) {
  SocketTable table;
  EXPECT_TRUE(table.AddUse());
  EXPECT_FALSE(table.AddUse());
  table.Fill(table.Reserve(), {7, {0x7F000001, 80}, false});
  table.Fill(table.Reserve(), {8, {}, true});
  const int32_t reserved = table.Reserve();
  int32_t remaining = -1;
  EXPECT_TRUE(table.DropUse(remaining).empty());
  EXPECT_EQ(remaining, 1);
  const std::vector<SocketEntry> open = table.DropUse(remaining);
  EXPECT_EQ(remaining, 0);
  ASSERT_EQ(open.size(), 2u);
  EXPECT_EQ(open[0].fd, 7);
  EXPECT_TRUE(open[1].isUdp);
  EXPECT_EQ(table.Reserve(), 0);
  EXPECT_NE(table.Reserve(), reserved) << "an opening under way keeps its entry";
  // Without a use, a shutdown still ends at 0.
  EXPECT_TRUE(table.DropUse(remaining).empty());
  EXPECT_EQ(table.Uses(), 0);
}

TEST(SocketTableTest, ThreadsOpeningAtOnceGetDistinctEntries) {
  SocketTable table;
  std::vector<std::vector<int32_t>> taken(4);
  std::vector<std::thread> threads;
  for (auto& mine : taken) {
    threads.emplace_back([&table, &mine] {
      for (int i = 0; i < SocketTable::kSize / 4; ++i) {
        const int32_t handle = table.Reserve();
        table.Fill(handle, {1000 + handle, {}, false});
        mine.push_back(handle);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  std::vector<bool> seen(SocketTable::kSize, false);
  for (const auto& mine : taken) {
    for (const int32_t handle : mine) {
      ASSERT_GE(handle, 0);
      EXPECT_FALSE(seen[handle]) << handle;
      seen[handle] = true;
      EXPECT_EQ(table.Find(handle)->fd, 1000 + handle);
    }
  }
  EXPECT_EQ(table.Reserve(), -1);
}

TEST(SocketErrorsTest, SystemErrorsTakeTheNumbersProgramsSee) {
  struct Case {
    int systemError;
    int32_t code;
  };
  const Case cases[] = {{EAGAIN, 10035},       {EWOULDBLOCK, 10035}, {EINPROGRESS, 10036}, {ECONNRESET, 10054},
                        {EPIPE, 10054},        {ECONNREFUSED, 10061}, {EADDRINUSE, 10048}, {ENOTCONN, 10057},
                        {ETIMEDOUT, 10060},    {ENOMEM, 10055},      {ENOENT, ENOENT}};
  for (const Case& c : cases) EXPECT_EQ(SocketErrorCode(c.systemError), c.code) << c.systemError;
  EXPECT_EQ(ResolverErrorCode(EAI_NONAME, 0), kSocketHostNotFound);
  EXPECT_EQ(ResolverErrorCode(EAI_SYSTEM, ECONNREFUSED), 10061);
}

TEST(SocketErrorsTest, MessagesComeFromTheSystemAndUnknownCodesHaveNone) {
  EXPECT_EQ(SocketErrorMessage(10035), strerrordesc_np(EAGAIN));
  EXPECT_EQ(SocketErrorMessage(10054), strerrordesc_np(ECONNRESET));
  EXPECT_EQ(SocketErrorMessage(kSocketTableFull), strerrordesc_np(ENOMEM));
  EXPECT_EQ(SocketErrorMessage(0), strerrordesc_np(0));
  EXPECT_EQ(SocketErrorMessage(kSocketHostNotFound), gai_strerror(EAI_NONAME));
  EXPECT_FALSE(SocketErrorMessage(kSocketNotInitialised).empty());
  for (const int32_t unknown : {-5, 9999, 10001, 10200, 20000}) EXPECT_EQ(SocketErrorMessage(unknown), "") << unknown;
}

TEST(ConnectWaitTest, WaitsOutsideOneTo30000MillisecondsBecome30000) {
  EXPECT_EQ(Sockets::ConnectWait(0), 30000);
  EXPECT_EQ(Sockets::ConnectWait(-1), 30000);
  EXPECT_EQ(Sockets::ConnectWait(60000), 30000);
  EXPECT_EQ(Sockets::ConnectWait(30001), 30000);
  EXPECT_EQ(Sockets::ConnectWait(30000), 30000);
  EXPECT_EQ(Sockets::ConnectWait(1), 1);
}

TEST(IpAddressTest, AddressForms) {
  EXPECT_EQ(DottedAddress(0x7F000001), "127.0.0.1");
  EXPECT_EQ(DottedAddress(0xC0A80AFF), "192.168.10.255");
  EXPECT_EQ(PeerAddressForm(0x7F000001), 0x0100007F);
  EXPECT_EQ(PeerAddressForm(0x0A0000FE), static_cast<int32_t>(0xFE00000A));
  // HostToIp gives addresses from 128.0.0.0 up as negative numbers; both
  // spellings name the same address, and fractions are cut off.
  EXPECT_EQ(AddressArgument(static_cast<int32_t>(0xC0A80101)), 0xC0A80101u);
  EXPECT_EQ(AddressArgument(3232235777.0), 0xC0A80101u);
  EXPECT_EQ(AddressArgument(2130706433.9), 0x7F000001u);
  EXPECT_EQ(AddressArgument(std::numeric_limits<double>::quiet_NaN()), 0u);
  EXPECT_EQ(AddressArgument(std::numeric_limits<double>::infinity()), 0u);
}

TEST(IpAddressTest, TheLocalListLeavesOutLoopbackAndStaysWithin2047Characters) {
  EXPECT_EQ(LocalAddressList({0x7F000001, 0xC0000202, 0x7F000101, 0x0A000001}), "192.0.2.2|10.0.0.1");
  EXPECT_EQ(LocalAddressList({0x7F000001}), "");
  const std::vector<uint32_t> many(200, 0xC0A80101);  // 12 characters each with "|"
  const std::string list = LocalAddressList(many);
  EXPECT_LE(list.size(), 2047u);
  EXPECT_EQ(list.size(), 170u * 12 - 1);
  EXPECT_EQ(FirstListedAddress("192.0.2.2|10.0.0.1"), "192.0.2.2");
  EXPECT_EQ(FirstListedAddress("10.0.0.1\r\n"), "10.0.0.1");
  EXPECT_EQ(FirstListedAddress(""), "");
}

TEST(HttpRequestTest, TheRequestTextAndItsBufferLimit) {
  EXPECT_EQ(HttpGetRequest("/a/b.txt", "example.test"),
            "GET /a/b.txt HTTP/1.0\r\nHost:example.test\r\nAccept: */*\r\nUser-Agent: Vendril\r\n\r\n");
  const size_t fixed = HttpGetRequest("", "")->size();
  const std::string fits(kRequestBufferSize - 1 - fixed, 'p');
  ASSERT_TRUE(HttpGetRequest(fits.c_str(), ""));
  EXPECT_EQ(HttpGetRequest(fits.c_str(), "")->size(), kRequestBufferSize - 1);
  EXPECT_FALSE(HttpGetRequest((fits + "p").c_str(), ""));
  EXPECT_FALSE(HttpGetRequest("/", std::string(2000, 'h').c_str()));
}

// The body a splitter hands out for a response fed in the given chunks.
std::string BodyOf(const std::vector<std::string>& chunks, bool* ended = nullptr) {
  ResponseSplitter splitter;
  std::string body;
  for (const std::string& chunk : chunks) body += splitter.Feed(chunk);
  if (ended != nullptr) *ended = splitter.HeaderEnded();
  return body;
}

TEST(ResponseSplitterTest, TheHeaderBlockEndsAtTwoLineFeedsInARowWhereverTheChunksBreak) {
  struct Case {
    std::vector<std::string> chunks;
    std::string body;
  };
  const Case cases[] = {
      {{"HTTP/1.0 200 OK\r\nA: b\r\n\r\nbody\r\n\r\nmore"}, "body\r\n\r\nmore"},
      {{"HTTP/1.0 200 OK\nA: b\n\nbody"}, "body"},
      {{"HTTP/1.0 200 OK\r\n", "\r\nbody"}, "body"},
      {{"HTTP/1.0 200 OK\r\n\r", "\n", "bo", "dy"}, "body"},
      {{"HTTP/1.0 200 OK\r\n\r\n"}, ""},
      {{"HTTP/1.0 200 OK\n\r\r\r\nbody"}, "body"},     // carriage returns do not count
      {{"HTTP/1.0 200 OK\r\n \r\nbody\n\nrest"}, "rest"},  // a blank is not an empty line
      {{"\n\nbody"}, "body"},
  };
  for (const Case& c : cases) {
    bool ended = false;
    EXPECT_EQ(BodyOf(c.chunks, &ended), c.body) << c.chunks[0];
    EXPECT_TRUE(ended);
  }
  bool ended = true;
  EXPECT_EQ(BodyOf({"HTTP/1.0 200 OK\r\nContent-", "Length: 5\r\n"}, &ended), "");
  EXPECT_FALSE(ended);
}

std::string TextOf(int32_t maxLength, const std::vector<std::string>& pieces) {
  BodyText text(maxLength);
  for (const std::string& piece : pieces) text.Add(piece);
  return std::string(text.Text().view());
}

TEST(BodyTextTest, PiecesAreTakenWhileTheyFitAndNeverAfterAGap) {
  EXPECT_EQ(TextOf(10, {"hello"}), "hello");
  EXPECT_EQ(TextOf(10, {"hello", "world"}), "helloworld");
  EXPECT_EQ(TextOf(10, {"hello", "world", "!"}), "helloworld");
  EXPECT_EQ(TextOf(10, {"0123456789A"}), "");
  EXPECT_EQ(TextOf(10, {"0123456789A", "tail"}), "") << "a piece after a gap would leave a hole";
  EXPECT_EQ(TextOf(10, {"abc", "0123456789", "de"}), "abc");
  EXPECT_EQ(TextOf(0, {"a"}), "");
  EXPECT_EQ(TextOf(-5, {"a"}), "");
  EXPECT_EQ(TextOf(10, {std::string("ab\0cd", 5), "ef"}), "ab") << "the text ends at the first zero byte";
}

}  // namespace
}  // namespace vdr
