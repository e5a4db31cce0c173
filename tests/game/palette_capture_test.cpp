// The palette file shipped with the game holds exactly what the game's own
// capture procedure reads from the colour page.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "files/platform_paths.h"
#include "tests/support/engine_harness.h"
#include "vendril.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

TEST(PaletteCaptureTest, LeecolorWritesTheShippedPaletteFile) {
  vdr::test::StartEngine({.width = 480, .height = 320, .procedures = vdr::kProgram.procedures});
  vdr::SetPackFile(GRANZEL_MEDIA_FOLDER "/media.sbx", GRANZEL_MEDIA_FOLDER "/snd.sbx");
  ASSERT_EQ(chdir(vdr::TempFolder().c_str()), 0);
  vdr::LoadSprite("opciones.png", 4);
  ASSERT_EQ(vdr::ErrorStatus().code, 0);

  // The capture ends by waiting for a key: it is tapped again and again until
  // the wait has seen it. The command is made here: only this thread may ask
  // SDL for the window.
  const std::string press = "xdotool " + vdr::test::WithWindowId("windowfocus %w key space");
  std::atomic<bool> returned = false;
  std::thread key([&] {
    while (!returned) {
      EXPECT_EQ(std::system(press.c_str()), 0);
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
  });
  EXPECT_EQ(vdr::CallByName("leecolor"), 1);
  returned = true;
  key.join();
  vdr::CloseFile(1);

  const std::string captured = ReadFile(vdr::TempFolder() + "colores.dat");
  EXPECT_EQ(captured.size(), 480u);
  EXPECT_EQ(captured, ReadFile(GRANZEL_GENERATED_MEDIA "/colores.dat"));
}

}  // namespace
