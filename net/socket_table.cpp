#include "net/socket_table.h"

namespace vdr {

int32_t SocketTable::Reserve() {
  std::lock_guard guard(lock_);
  for (int32_t i = 0; i < kSize; ++i) {
    if (IsFree(slots_[i])) {
      slots_[i].reserved = true;
      return i;
    }
  }
  return -1;
}

void SocketTable::Fill(int32_t handle, const SocketEntry& entry) {
  std::lock_guard guard(lock_);
  slots_[handle].entry = entry;
  slots_[handle].reserved = false;
}

void SocketTable::Free(int32_t handle) {
  std::lock_guard guard(lock_);
  slots_[handle] = Slot();
}

std::optional<SocketEntry> SocketTable::Find(int32_t handle) const {
  if (handle < 0 || handle >= kSize) return std::nullopt;
  std::lock_guard guard(lock_);
  const Slot& slot = slots_[handle];
  if (slot.entry.fd < 0) return std::nullopt;
  return slot.entry;
}

std::optional<SocketEntry> SocketTable::Take(int32_t handle) {
  if (handle < 0 || handle >= kSize) return std::nullopt;
  std::lock_guard guard(lock_);
  Slot& slot = slots_[handle];
  if (slot.entry.fd < 0) return std::nullopt;
  const SocketEntry entry = slot.entry;
  slot = Slot();
  return entry;
}

bool SocketTable::AddUse() {
  std::lock_guard guard(lock_);
  return ++uses_ == 1;
}

std::vector<SocketEntry> SocketTable::DropUse(int32_t& remaining) {
  std::lock_guard guard(lock_);
  std::vector<SocketEntry> open;
  if (uses_ >= 2) {
    remaining = --uses_;
    return open;
  }
  for (Slot& slot : slots_) {
    if (slot.entry.fd < 0) continue;
    open.push_back(slot.entry);
    slot = Slot();
  }
  uses_ = 0;
  remaining = 0;
  return open;
}

int32_t SocketTable::Uses() const {
  std::lock_guard guard(lock_);
  return uses_;
}

}  // namespace vdr
