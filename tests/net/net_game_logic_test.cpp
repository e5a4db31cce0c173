// The network game's wire format, receive buffer, host and client logic,
// without sockets.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/net_game_state.h"
#include "net/net_message.h"
#include "net/net_message_reader.h"
#include "net/net_server.h"

namespace vdr {
namespace {

TEST(NetMessageTest, TheHeaderIsSevenLittleEndianBytes) {
  EXPECT_EQ(EncodeMessage({kNetText, 0x0102, 0x0304, "hi"}), std::string("\x03\x02\x00\x02\x01\x04\x03hi", 9));
  const std::string bytes = EncodeMessage({kNetHello, kNetServer, 0xFFFF, {}});
  EXPECT_EQ(bytes, std::string("\x68\x00\x00\x00\x00\xFF\xFF", 7));
  EXPECT_EQ(AnnouncedLength("\x03\x01\x04"), 0x0401);
}

TEST(NetMessageTest, PlayerRecordsNeedAllTheirBytesAndTheNameEnd) {
  const std::string record = EncodePlayerRecord({1, 1, std::string(300, 'n')});
  ASSERT_EQ(record.size(), kNetPlayerRecordSize);
  const std::optional<NetPlayerRecord> decoded = DecodePlayerRecord(record);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->name, std::string(127, 'n')) << "a long name is cut to fit with its end";
  EXPECT_EQ(decoded->hidden, 1);
  EXPECT_EQ(decoded->host, 1);
  EXPECT_FALSE(DecodePlayerRecord(record.substr(0, kNetPlayerRecordSize - 1)));
  std::string unended = record;
  unended[8 + 127] = 'n';
  EXPECT_FALSE(DecodePlayerRecord(unended));
}

TEST(NetMessageReaderTest, MessagesSplitAnywhereComeOutWhole) {
  const std::vector<NetMessage> sent{{kNetText, 101, 102, "first"}, {kNetCount, 0, 101, {}},
                                     {kNetText, 0xFFFF, 101, std::string(kNetMaxPayload, 'x')}};
  std::string stream;
  for (const NetMessage& message : sent) stream += EncodeMessage(message);
  for (size_t piece = 1; piece <= stream.size(); piece += piece < 16 ? 1 : 97) {
    NetMessageReader reader;
    std::vector<NetMessage> got;
    for (size_t at = 0; at < stream.size(); at += piece) {
      reader.Append(stream.data() + at, std::min(piece, stream.size() - at));
      while (std::optional<NetMessage> message = reader.Next()) got.push_back(*message);
    }
    ASSERT_EQ(got.size(), sent.size()) << "pieces of " << piece;
    for (size_t i = 0; i < sent.size(); ++i) {
      EXPECT_EQ(got[i].type, sent[i].type);
      EXPECT_EQ(got[i].to, sent[i].to);
      EXPECT_EQ(got[i].from, sent[i].from);
      EXPECT_EQ(got[i].payload, sent[i].payload);
    }
    EXPECT_EQ(reader.Pending(), 0u);
  }
}

TEST(NetMessageReaderTest, AnOversizedLengthBreaksTheStream) {
  NetMessageReader reader;
  const std::string oversized("\x03\x01\x04\x65\x00\x65\x00", 7);
  reader.Append(oversized.data(), oversized.size());
  EXPECT_FALSE(reader.Next());
  EXPECT_TRUE(reader.Broken());
  const std::string good = EncodeMessage({kNetHello, 0, 101, {}});
  reader.Append(good.data(), good.size());
  EXPECT_FALSE(reader.Next()) << "nothing after a break can be framed";
}

// A server with connections 10, 11 and 12; what each is sent is read back
// as messages.
class NetServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const int32_t handle : {10, 11, 12}) ASSERT_TRUE(server_.AddConnection(handle));
  }
  void From(int32_t handle, const NetMessage& message) {
    const std::string bytes = EncodeMessage(message);
    EXPECT_TRUE(server_.Received(handle, bytes.data(), bytes.size()));
  }
  // Everything sent to a connection since the last call.
  std::vector<NetMessage> SentTo(int32_t handle) {
    std::vector<NetMessage> messages;
    for (NetServer::Connection& connection : server_.Connections()) {
      if (connection.handle != handle) continue;
      NetMessageReader reader;
      reader.Append(connection.outbox.data(), connection.outbox.size());
      connection.outbox.clear();
      while (std::optional<NetMessage> message = reader.Next()) messages.push_back(*message);
    }
    return messages;
  }
  uint16_t Join(int32_t handle, const std::string& name, uint8_t hidden = 0) {
    From(handle, {kNetJoin, kNetServer, 0, EncodePlayerRecord({hidden, 0, name})});
    const std::vector<NetMessage> replies = SentTo(handle);
    return replies.size() == 1 && replies[0].type == kNetJoined && replies[0].from == 0 ? replies[0].to : 0;
  }
  std::vector<uint16_t> TextsTo(int32_t handle) {
    std::vector<uint16_t> recipients;
    for (const NetMessage& message : SentTo(handle)) {
      if (message.type == kNetText) recipients.push_back(message.to);
    }
    return recipients;
  }
  NetServer server_;
};

TEST_F(NetServerTest, IdsCountFrom101AndJoinsStopWhenNotAllowed) {
  EXPECT_EQ(Join(10, "a"), 101);
  EXPECT_EQ(Join(11, "b"), 102);
  From(12, {kNetJoin, kNetServer, 0, EncodePlayerRecord({0, 0, "c"}).substr(0, 147)});
  From(12, {kNetJoin, 5, 0, EncodePlayerRecord({0, 0, "c"})});
  EXPECT_TRUE(SentTo(12).empty()) << "a short record and a join not to the server are dropped";
  server_.acceptJoins = false;
  EXPECT_EQ(Join(12, "c"), 0);
  server_.acceptJoins = true;
  EXPECT_EQ(Join(12, "c"), 103);
  server_.Reset();
  ASSERT_TRUE(server_.AddConnection(10));
  EXPECT_EQ(Join(10, "again"), 101);
}

TEST_F(NetServerTest, EveryoneMeansEveryOtherVisiblePlayer) {
  const uint16_t a = Join(10, "a"), b = Join(11, "b"), hidden = Join(11, "query", 1), c = Join(12, "c");
  const uint16_t a2 = Join(10, "a2");
  From(10, {kNetText, kNetEveryone, a, "hello"});
  EXPECT_EQ(TextsTo(10), std::vector<uint16_t>{a2});
  EXPECT_EQ(TextsTo(11), std::vector<uint16_t>{b}) << "not to the hidden player " << hidden;
  EXPECT_EQ(TextsTo(12), std::vector<uint16_t>{c});
  From(12, {kNetText, b, c, "to b"});
  From(12, {kNetText, 999, c, "to nobody"});
  EXPECT_EQ(TextsTo(11), std::vector<uint16_t>{b});
  EXPECT_TRUE(SentTo(10).empty());
}

TEST_F(NetServerTest, AConnectionSpeaksOnlyForItsOwnPlayers) {
  const uint16_t a = Join(10, "a"), b = Join(11, "b");
  From(11, {kNetText, kNetEveryone, a, "forged"});
  From(11, {kNetText, b, a, "forged"});
  From(11, {kNetLeave, kNetServer, a, {}});
  From(11, {kNetHello, kNetServer, a, {}});
  for (const int32_t handle : {10, 11, 12}) EXPECT_TRUE(SentTo(handle).empty());
  ASSERT_EQ(server_.Players().size(), 2u);
  EXPECT_EQ(server_.TakeLeftPlayer(), 0);
  From(10, {kNetLeave, kNetServer, a, {}});
  From(10, {kNetLeave, kNetServer, a, {}});
  EXPECT_EQ(server_.TakeLeftPlayer(), a);
  EXPECT_EQ(server_.TakeLeftPlayer(), 0) << "a player leaves once";
}

TEST_F(NetServerTest, PlayersOfAMovedConnectionKeepTheirConnection) {
  const uint16_t a = Join(10, "a"), b = Join(11, "b"), c = Join(12, "c"), c2 = Join(12, "c2");
  ASSERT_TRUE(server_.DropConnection(10));
  ASSERT_EQ(server_.Connections().size(), 2u);
  EXPECT_EQ(server_.Connections()[0].handle, 12) << "the last connection moved into the first place";
  From(11, {kNetText, c, b, "to c"});
  From(12, {kNetText, b, c2, "to b"});
  EXPECT_EQ(TextsTo(12), std::vector<uint16_t>{c});
  EXPECT_EQ(TextsTo(11), std::vector<uint16_t>{b});
  EXPECT_EQ(server_.TakeLeftPlayer(), a);
  EXPECT_EQ(server_.TakeLeftPlayer(), 0);
  EXPECT_FALSE(server_.DropConnection(10));
}

TEST_F(NetServerTest, QueriesAreAnsweredToTheAsker) {
  const uint16_t a = Join(10, "a"), query = Join(11, "query", 1), b = Join(12, "b");
  struct Case {
    NetMessage request;
    std::string reply;
  };
  const std::vector<Case> cases{
      {{kNetCount, kNetServer, query, {}}, EncodeNumber(3)},
      {{kNetIdAt, kNetServer, query, EncodeNumber(0)}, EncodeNumber(a)},
      {{kNetIdAt, kNetServer, query, EncodeNumber(1)}, EncodeNumber(b)},
      {{kNetIdAt, kNetServer, query, EncodeNumber(2)}, EncodeNumber(0)},
      {{kNetName, kNetServer, query, EncodeNumber(b)}, "b"},
      {{kNetName, kNetServer, query, EncodeNumber(4242)}, "NO_DATA"},
      {{kNetHello, kNetServer, query, {}}, EncodeNumber(1)},
  };
  for (const Case& c : cases) {
    From(11, c.request);
    const std::vector<NetMessage> replies = SentTo(11);
    ASSERT_EQ(replies.size(), 1u) << int(c.request.type);
    EXPECT_EQ(replies[0].type, c.request.type);
    EXPECT_EQ(replies[0].to, query);
    EXPECT_EQ(replies[0].from, kNetServer);
    EXPECT_EQ(replies[0].payload, c.reply) << int(c.request.type);
  }
  From(11, {kNetIdAt, kNetServer, query, "x"});
  From(11, {kNetName, kNetServer, query, {}});
  From(11, {77, kNetServer, query, {}});
  EXPECT_TRUE(SentTo(11).empty()) << "requests without their number, and unknown types, are dropped";
}

TEST_F(NetServerTest, ThereAreAtMost128Connections) {
  for (int32_t handle = 13; handle < 13 + 125; ++handle) ASSERT_TRUE(server_.AddConnection(handle));
  EXPECT_FALSE(server_.AddConnection(500));
  EXPECT_FALSE(server_.Received(500, "x", 1)) << "bytes from a connection that is not one are refused";
}

TEST_F(NetServerTest, AnOversizedLengthClosesTheConnection) {
  const std::string oversized("\x03\x01\x04\x65\x00\x65\x00", 7);
  EXPECT_FALSE(server_.Received(10, oversized.data(), oversized.size()));
}

TEST(NetGameStateTest, TheClientDispatchesWhatTheServerSends) {
  NetGameState state;
  NetPlayer& first = state.localPlayers.emplace_back();
  first.id = kNetJoinSent;
  NetPlayer& second = state.localPlayers.emplace_back();
  second.id = kNetJoinSent;
  state.Dispatch({kNetJoined, 0xFFFC, kNetServer, {}});
  EXPECT_EQ(first.id, kNetJoinSent) << "no player gets an id that is none";
  state.Dispatch({kNetJoined, 101, kNetServer, {}});
  state.Dispatch({kNetJoined, 102, kNetServer, {}});
  EXPECT_EQ(first.id, 101);
  EXPECT_EQ(second.id, 102);
  state.Dispatch({kNetText, 102, 101, "hi"});
  state.Dispatch({kNetText, 103, 101, "not ours"});
  ASSERT_EQ(second.messages.size(), 1u);
  EXPECT_EQ(second.messages[0].payload, "hi");
  state.Dispatch({kNetCount, 101, kNetServer, EncodeNumber(2)});
  state.Dispatch({kNetCount, 101, 55, EncodeNumber(9)});
  ASSERT_EQ(state.replies.size(), 1u) << "only the server replies";
  EXPECT_EQ(state.replies[0].payload, EncodeNumber(2));
}

}  // namespace
}  // namespace vdr
