#pragma once
// The socket table's bookkeeping: 1024 entries, each free or holding one open
// system socket, a handle being the entry's index; the count of socket
// library uses; the last error. No system calls are made here.
//
// Thread safety: every member may be called from any thread. Entries and the
// use count are guarded by one lock, held only while the table is read or
// changed; the last error is a single atomic value, so a thread may read the
// failure of another. What an entry's socket is used for is up to the thread
// that opened it (see net/sockets.h).

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

namespace vdr {

// An IPv4 address with its first octet in the most significant byte
// (127.0.0.1 is 0x7F000001), and a port, both in host order.
struct SocketAddress {
  uint32_t ip = 0;
  uint16_t port = 0;
};

struct SocketEntry {
  int fd = -1;
  SocketAddress address;  // the bound port, or the connect target
  bool isUdp = false;
};

class SocketTable {
 public:
  static constexpr int32_t kSize = 1024;

  // The lowest free index, now reserved for the caller (it stays unusable
  // until Fill or Free), or -1 when every entry is taken.
  int32_t Reserve();
  void Fill(int32_t handle, const SocketEntry& entry);
  // Marks an entry free; its socket is the caller's to close.
  void Free(int32_t handle);
  // A copy of an open entry, or nothing for a handle outside the table, free
  // or only reserved.
  std::optional<SocketEntry> Find(int32_t handle) const;
  // Frees an open entry and hands back what it held.
  std::optional<SocketEntry> Take(int32_t handle);

  // One more use of the socket library; true for the first.
  bool AddUse();
  // One use fewer. When that was the last (or there was none) every open
  // entry is freed and handed back to be closed, and the count becomes 0;
  // otherwise nothing is handed back. `remaining` is the count left.
  // Entries reserved by an opening under way are left to it.
  std::vector<SocketEntry> DropUse(int32_t& remaining);
  int32_t Uses() const;

  int32_t LastError() const { return lastError_.load(std::memory_order_relaxed); }
  void SetLastError(int32_t code) { lastError_.store(code, std::memory_order_relaxed); }

 private:
  struct Slot {
    SocketEntry entry;
    bool reserved = false;
  };
  bool IsFree(const Slot& slot) const { return slot.entry.fd < 0 && !slot.reserved; }

  mutable std::mutex lock_;
  Slot slots_[kSize];
  int32_t uses_ = 0;
  std::atomic<int32_t> lastError_{0};
};

}  // namespace vdr
