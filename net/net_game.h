#pragma once
// The network game of this program: hosting or joining one, its players,
// its messages and its queries. All socket traffic of a game runs on the
// network thread (net/net_game_thread.cpp); the operations here run on the
// program's thread, share the state with it under the state lock, send on
// the server connection and wait for replies and new ids as long as 250
// checks 20 ms apart would (about 5 seconds), woken as soon as one comes.
//
// A game holds one use of the socket library, from hosting or joining until
// it ends, and gives back only that one.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "net/net_game_state.h"
#include "net/net_message_reader.h"
#include "net/state_lock.h"

namespace vdr {

class NetGame {
 public:
  static constexpr const char* kProcessObjectName = "the network game";
  static constexpr int32_t kDefaultPort = 27910;
  static constexpr int32_t kConnectWait = 5000;
  static constexpr int kReplyChecks = 250;
  static constexpr int kReplyCheckMs = 20;

  NetGame();
  // Ends a game still running.
  ~NetGame();
  NetGame(const NetGame&) = delete;
  NetGame& operator=(const NetGame&) = delete;

  // Ports below 1 are 27910. 1 when the server runs and this program is
  // connected to it.
  int32_t Host(int32_t port);
  // 1 when the server answered.
  int32_t Join(const char* host, int32_t port);
  // The result of giving back the game's use of the socket library (the
  // uses left, or the last error); without one, what that would give.
  int32_t End();
  // Program end: a leave for every own player with an id, then End.
  void Shutdown();

  bool Running();
  void AllowJoin(bool allow);
  // The new player's id, or 0; without a name, a hidden query player.
  uint16_t CreatePlayer(const char* name);
  void RemovePlayer(int32_t id);
  int32_t PlayerCount();
  int32_t PlayerId(int32_t index);
  std::string PlayerName(int32_t id);
  // False (and nothing sent) for a text above 1024 bytes or without a game.
  bool SendText(int32_t from, int32_t to, std::string_view text);
  // The oldest user message for an own player (up to its first zero byte),
  // or empty.
  std::string TakeMessage(int32_t id);
  int32_t LastSender() const { return lastSender_; }
  int32_t TakeLeftPlayer();

  // The state lock, for the lock's own checks.
  StateLock& Lock() { return lock_; }

 private:
  // The network thread's passes until a stop is asked for or the server
  // connection ends (net/net_game_thread.cpp).
  void RunThread();
  bool PassThread();
  // Sends the join requests due, unless the program's thread is sending.
  bool SendJoinRequests(int32_t serverHandle);
  // Reads what the server sent and dispatches it; false when it has gone.
  bool ReadServer(int32_t serverHandle, bool& busy);
  // The host's side: accepts, reads every client, sends what waits.
  void ServeClients(int32_t listenHandle, bool& busy);
  // The network thread's last step: every socket of the game closed.
  void CloseThreadSockets();
  // Asks the network thread to stop and waits for its end.
  void StopThread();

  // Ends any game and takes the new game's use of the socket library; the
  // port to use.
  int32_t Begin(int32_t port);
  // Connects to the server ("" is this machine) as the server connection.
  bool ConnectToServer(const char* host, int32_t port);
  void StartThread(bool host);
  // Ends a game and empties every list: the first step of hosting and joining.
  void Restart();
  bool Send(const NetMessage& message);
  // The query player's id, made first when there is none; 0 when it cannot be.
  uint16_t QueryPlayer();
  // Sends a query and waits for its reply; false on time-out.
  bool Ask(uint8_t type, std::string payload, NetMessage& reply);

  StateLock lock_;
  NetGameState state_;
  std::condition_variable_any changed_;  // a reply or an id came, the thread ended
  std::thread thread_;
  // One message at a time on the server connection, which stays open while
  // one is sent; taken before the state lock.
  std::mutex sendLock_;
  NetMessageReader serverReader_;  // the network thread's, for the server connection
  bool holdsSocketUse_ = false;
  uint16_t lastSender_ = 0;
};

// The process-wide network game.
NetGame& NetGameLayer();

}  // namespace vdr
