// The chat example in two copies, one hosting and one joining it, driven
// with real keys: a line typed in the joining copy shows in the host's
// window, and both list the two players.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/net/net_test_support.h"
#include "tests/support/program_driver.h"

namespace vdr::test {
namespace {

constexpr uint32_t kListBackground = 0x281808;
constexpr int kListLeft = 470;
constexpr int kLineHeight = 14;

// Pixels of text in the message lines (drawn on black).
int MessagePixels(const WindowPicture& p) {
  return CountPixels(p, 0, 28, kListLeft - 16, 360, [](uint32_t c) { return c != 0; });
}
// Pixels of text in the list's row of that index.
int ListRowPixels(const WindowPicture& p, int row) {
  const int top = 48 + row * kLineHeight;
  return CountPixels(p, kListLeft, top, 640, top + kLineHeight - 2, [](uint32_t c) { return c != kListBackground; });
}

TEST(NetChatExampleTest, ALineTypedInOneCopyShowsInTheOther) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("net_chat_example_" + std::to_string(getpid()));
  {
    // A port of its own, so that another copy of the suite can run at once.
    const std::string port = std::to_string(ClosedPort());
    ProgramDriver host(NET_CHAT_EXECUTABLE, "", (folder / "host").string(), {"-p", port});
    ASSERT_TRUE(host.WaitForWindow(60));
    ASSERT_GT(host.WaitFor([](const WindowPicture& p) { return ListRowPixels(p, 0) > 0; }).width, 0)
        << "the host lists its own player";
    ProgramDriver guest(NET_CHAT_EXECUTABLE, "", (folder / "guest").string(), {"-p", port, "localhost", "guest"});
    ASSERT_TRUE(guest.WaitForWindow(60));
    guest.Xdotool("windowmove --sync %w 640 0");  // side by side, so both show whole
    const auto bothListed = [](const WindowPicture& p) { return ListRowPixels(p, 0) > 0 && ListRowPixels(p, 1) > 0; };
    ASSERT_GT(guest.WaitFor(bothListed).width, 0);
    const WindowPicture before = host.WaitFor(bothListed);
    ASSERT_GT(before.width, 0);
    EXPECT_EQ(MessagePixels(before), 0);

    guest.Xdotool("windowfocus --sync %w");
    for (const char* key : {"h", "i"}) {
      guest.Xdotool(std::string("keydown ") + key + " sleep 0.15 keyup " + key + " sleep 0.15");
    }
    guest.Xdotool("keydown Return sleep 0.3 keyup Return");
    EXPECT_GT(host.WaitFor([](const WindowPicture& p) { return MessagePixels(p) > 0; }).width, 0)
        << "the line shows in the host's window";
    EXPECT_GT(guest.WaitFor([](const WindowPicture& p) { return MessagePixels(p) > 0; }).width, 0)
        << "and in the guest's own";

    guest.Xdotool("windowfocus --sync %w key Escape");
    EXPECT_EQ(guest.WaitForExit(60), 0);
    host.Xdotool("windowfocus --sync %w key Escape");
    EXPECT_EQ(host.WaitForExit(60), 0);
  }
  // The programs' logs stay for a look when the test fails.
  if (!HasFailure()) std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vdr::test
