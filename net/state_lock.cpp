#include "net/state_lock.h"

#include <cstdlib>

namespace vdr {

void StateLock::Create() {
  if (mutex_ == nullptr) mutex_ = std::make_unique<std::mutex>();
}

void StateLock::Destroy() { mutex_.reset(); }

int32_t StateLock::Lock() {
  if (mutex_ == nullptr) return kLockAbsent;
  if (owner_.load() == std::this_thread::get_id()) return kLockWouldDeadlock;
  mutex_->lock();
  owner_.store(std::this_thread::get_id());
  return 0;
}

int32_t StateLock::Unlock() {
  if (mutex_ == nullptr) return kLockAbsent;
  if (owner_.load() != std::this_thread::get_id()) return kLockNotOwner;
  owner_.store(std::thread::id());
  mutex_->unlock();
  return 0;
}

// A failure here is a fault of the runtime's own code, not of any input.
void StateLock::lock() {
  if (Lock() != 0) std::abort();
}

void StateLock::unlock() {
  if (Unlock() != 0) std::abort();
}

}  // namespace vdr
