#include "runtime/string_buffers.h"

#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// A kept buffer is poisoned, so a use after release is still reported.
#define VDR_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define VDR_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define VDR_POISON(p, n) ((void)(p), (void)(n))
#define VDR_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace vdr::string_buffers {
namespace {

constexpr uint32_t kLargestKept = 256;  // capacities 16, 32, ... 256
constexpr int kClasses = kLargestKept / 16;
constexpr int kKeptPerClass = 8;

// Plain data, so it stays usable while the thread ends and after the
// cleaner below has run (then it only passes buffers on to free).
struct KeptBuffers {
  char* buffers[kClasses][kKeptPerClass];
  int count[kClasses];
  bool cleanerRegistered;
  bool closed;
};
thread_local KeptBuffers t_kept;

struct Cleaner {
  ~Cleaner() {
    for (int c = 0; c < kClasses; ++c) {
      while (t_kept.count[c] > 0) {
        char* buffer = t_kept.buffers[c][--t_kept.count[c]];
        VDR_UNPOISON(buffer, (c + 1) * 16);
        std::free(buffer);
      }
    }
    t_kept.closed = true;
  }
};

void RegisterCleaner() {
  static thread_local Cleaner cleaner;
  t_kept.cleanerRegistered = true;
}

int ClassOf(uint32_t capacity) { return static_cast<int>(capacity / 16) - 1; }

}  // namespace

char* Allocate(uint32_t capacity) {
  if (capacity <= kLargestKept) {
    const int c = ClassOf(capacity);
    if (t_kept.count[c] > 0) {
      char* buffer = t_kept.buffers[c][--t_kept.count[c]];
      VDR_UNPOISON(buffer, capacity);
      return buffer;
    }
  }
  return static_cast<char*>(std::malloc(capacity));
}

char* Grow(char* buffer, uint32_t capacity, uint32_t keep, uint32_t newCapacity) {
  if (newCapacity > kLargestKept) {
    // Large buffers: realloc often grows in place, which keeps 16-byte steps cheap.
    return static_cast<char*>(std::realloc(buffer, newCapacity));
  }
  char* fresh = Allocate(newCapacity);
  if (fresh == nullptr) return nullptr;
  std::memcpy(fresh, buffer, keep);
  Release(buffer, capacity);
  return fresh;
}

void Release(char* buffer, uint32_t capacity) {
  if (capacity <= kLargestKept && !t_kept.closed) {
    const int c = ClassOf(capacity);
    if (t_kept.count[c] < kKeptPerClass) {
      if (!t_kept.cleanerRegistered) RegisterCleaner();
      VDR_POISON(buffer, capacity);
      t_kept.buffers[c][t_kept.count[c]++] = buffer;
      return;
    }
  }
  std::free(buffer);
}

}  // namespace vdr::string_buffers
