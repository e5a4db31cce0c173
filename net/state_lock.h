#pragma once
// The network game's state lock: a lock that knows the thread holding it.
// Taking it again on that thread fails with 36 instead of hanging, releasing
// it on another thread fails with 1, and a lock not created (or destroyed)
// gives 22; 0 means done. lock() and unlock() make it usable with the
// standard lock guards and condition_variable_any; they expect success.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace vdr {

constexpr int32_t kLockWouldDeadlock = 36;
constexpr int32_t kLockNotOwner = 1;
constexpr int32_t kLockAbsent = 22;

class StateLock {
 public:
  void Create();
  // Only while nobody holds it.
  void Destroy();

  int32_t Lock();
  int32_t Unlock();

  void lock();
  void unlock();

 private:
  std::unique_ptr<std::mutex> mutex_;
  std::atomic<std::thread::id> owner_{};
};

}  // namespace vdr
