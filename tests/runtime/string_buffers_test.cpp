#include "runtime/string_buffers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "runtime/runtime_string.h"

namespace vdr {
namespace {

TEST(StringBuffersTest, ReleasedSmallBuffersAreHandedOutAgain) {
  char* first = string_buffers::Allocate(48);
  string_buffers::Release(first, 48);
  char* again = string_buffers::Allocate(48);
  EXPECT_EQ(again, first);
  std::memset(again, 'x', 48);  // the whole capacity is usable again

  char* grown = string_buffers::Grow(again, 48, 48, 64);
  EXPECT_EQ(grown[47], 'x');
  EXPECT_EQ(string_buffers::Allocate(48), first);  // the old one came back
  string_buffers::Release(first, 48);

  char* large = string_buffers::Grow(grown, 64, 10, 4096);
  EXPECT_EQ(large[9], 'x');
  string_buffers::Release(large, 4096);
}

TEST(StringBuffersTest, StringsMayEndOnAnotherThread) {
  RuntimeString made[64];
  for (int i = 0; i < 64; ++i) made[i] = RuntimeString(std::string(i * 5, 'a' + i % 26).c_str());
  std::thread other([&] {
    for (RuntimeString& s : made) s = "";  // released into this thread's keep, freed when it ends
    RuntimeString local("built here");
    local += local;
  });
  other.join();
  for (const RuntimeString& s : made) EXPECT_TRUE(s.IsSharedEmpty());
}

#if defined(__SANITIZE_ADDRESS__)
TEST(StringBuffersDeathTest, UseOfAKeptBufferIsStillReported) {
  EXPECT_DEATH(
      {
        char* buffer = string_buffers::Allocate(32);
        string_buffers::Release(buffer, 32);
        static_cast<volatile char*>(buffer)[3] = 1;
      },
      "use-after-poison");
}
#endif

}  // namespace
}  // namespace vdr
