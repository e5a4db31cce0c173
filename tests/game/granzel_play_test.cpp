// Plays the real granzel program in a window with real X input and checks what
// it shows, writes and how it ends.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "files/platform_paths.h"
#include "gfx2d/image/image_decoders.h"
#include "tests/support/program_driver.h"

namespace {

namespace fs = std::filesystem;
using vdr::test::CountPixels;
using vdr::test::ProgramDriver;
using vdr::test::Wait;
using vdr::test::WindowPicture;

constexpr uint32_t kBlack = 0;

bool IsWhite(uint32_t c) { return c == 0xFFFFFF; }
bool NotBlack(uint32_t c) { return c != kBlack; }

int Red(uint32_t c) { return c & 0xFF; }
int Green(uint32_t c) { return (c >> 8) & 0xFF; }
int Blue(uint32_t c) { return (c >> 16) & 0xFF; }
double Distance(uint32_t a, uint32_t b) {
  return std::hypot(std::hypot(Red(a) - Red(b), Green(a) - Green(b)), Blue(a) - Blue(b));
}

std::vector<double> PaletteFile() {
  std::ifstream file(GRANZEL_GENERATED_MEDIA "/colores.dat", std::ios::binary);
  std::vector<double> colours(60);
  file.read(reinterpret_cast<char*>(colours.data()), 480);
  return colours;
}

// The topmost row with sand in a column (320 when there is none).
int SurfaceAt(const WindowPicture& picture, int x, int fromY = 30) {
  for (int y = fromY; y < 317; ++y) {
    if (picture.At(x, y) != kBlack) return y;
  }
  return 320;
}

// Whether the window shows the picture file (from the generated media) with
// its top-left corner at (left, top): most of its opaque pixels are there
// (the clip editor draws through the turning and scaling path, which samples
// some edge pixels differently).
bool Shows(const WindowPicture& window, const char* file, int left, int top) {
  vdr::PixelImage picture;
  if (!vdr::LoadImage((std::string(GRANZEL_GENERATED_MEDIA "/") + file).c_str(), vdr::kNoColourKey, picture)) return false;
  int opaque = 0, matching = 0;
  for (int y = 0; y < picture.height; y += 2) {
    for (int x = 0; x < picture.width; x += 2) {
      const uint8_t* p = picture.Row(y) + x * 4;
      if (p[3] != 255 || left + x >= window.width || top + y >= window.height) continue;
      ++opaque;
      matching += window.At(left + x, top + y) == static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16);
    }
  }
  return opaque > 0 && matching * 2 > opaque;
}

bool Differs(const WindowPicture& a, const WindowPicture& b, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (a.At(x, y) != b.At(x, y)) return true;
    }
  }
  return false;
}

class GranzelPlayTest : public testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<ProgramDriver>(GRANZEL_EXECUTABLE, GRANZEL_MEDIA_FOLDER, vdr::TempFolder() + "play");
    ASSERT_TRUE(game_->WaitForWindow(60)) << "no window";
  }
  void TearDown() override {
    if (game_->Running()) {
      game_->Xdotool("key Escape");
      EXPECT_EQ(game_->WaitForExit(30), 0);
    }
  }

  // Waits for the painting screen: the intro is over when the window shows
  // a black field with the options button in the top-right corner.
  bool WaitForPaintingScreen(bool* sawIntro = nullptr) {
    for (int attempt = 0; attempt < 600; ++attempt) {
      const WindowPicture picture = game_->Capture();
      if (picture.width == 480 && picture.height == 320) {
        const int white = CountPixels(picture, 0, 0, 480, 320, IsWhite);
        if (sawIntro != nullptr && white > 480 * 320 / 3) *sawIntro = true;
        const int button = CountPixels(picture, 456, 0, 480, 24, NotBlack);
        const int field = CountPixels(picture, 0, 40, 480, 320, NotBlack);
        if (button > 200 && field == 0) return true;
      }
      Wait(0.1);
    }
    return false;
  }
  void Click(int x, int y, int button = 1) {
    game_->Click(x, y, button);
    Wait(0.3);
  }
  void Pour(int x, int y, double seconds) {
    game_->Hold(x, y, seconds);
    Wait(0.2);
  }
  // Moves the pointer away, so that it never covers what is checked.
  void ParkPointer() { game_->MoveTo(470, 310); }
  void WaitUntilStill() {
    WindowPicture before = game_->Capture();
    for (int attempt = 0; attempt < 100; ++attempt) {
      Wait(0.3);
      WindowPicture now = game_->Capture();
      if (now.pixels == before.pixels) return;
      before = std::move(now);
    }
  }
  int CapturesWritten() const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(game_->folder() + "/Media")) {
      const std::string name = entry.path().filename().string();
      count += name.rfind("capt", 0) == 0 && name.size() > 8 && name.substr(name.size() - 4) == ".png";
    }
    return count;
  }
  void OpenOptions() {
    Click(468, 12);
    Wait(0.3);
  }

  // From the painting screen to the clip editor with clip 1 in the middle.
  void OpenClipEditor() {
    game_->Click(468, 12);
    ASSERT_TRUE(game_->WaitForPicture([](const WindowPicture& w) { return !Shows(w, "options.png", 456, 0); }, 30));
    game_->Click(200, 280);  // clips page
    ASSERT_TRUE(game_->WaitForPicture([](const WindowPicture& w) { return Shows(w, "clips.png", 0, 20); }, 30));
    game_->Click(60, 40);  // clip 1
    ASSERT_TRUE(game_->WaitForPicture(
        [](const WindowPicture& w) { return Shows(w, "ok.png", 408, 0) && Shows(w, "c01.png", 190, 110); }, 30));
  }
  // Back on the painting screen: the options button again, the editor's gone.
  bool WaitForPaintingAgain() {
    return game_->WaitForPicture(
        [](const WindowPicture& w) { return Shows(w, "options.png", 456, 0) && !Shows(w, "ok.png", 408, 0); }, 30);
  }

  std::unique_ptr<ProgramDriver> game_;
};

TEST_F(GranzelPlayTest, IntroPouringScreenshotsAndEscape) {
  bool sawIntro = false;
  ASSERT_TRUE(WaitForPaintingScreen(&sawIntro));
  EXPECT_TRUE(sawIntro);

  // Holding the button pours grains that fall, slide and settle into a pile.
  Pour(240, 150, 3.0);
  ParkPointer();
  WaitUntilStill();
  const WindowPicture pile = game_->Capture();
  EXPECT_EQ(CountPixels(pile, 0, 30, 480, 150, NotBlack), 0) << "grains stayed in the air";
  const int top = SurfaceAt(pile, 240);
  EXPECT_LT(top, 310) << "no pile under the pointer";
  EXPECT_LT(top, SurfaceAt(pile, 215));
  EXPECT_LT(top, SurfaceAt(pile, 265));
  EXPECT_GT(CountPixels(pile, 200, 280, 280, 317, NotBlack), 200);

  // One capture per press of S, written into the Media folder.
  game_->Xdotool("key s");
  Wait(1.0);
  EXPECT_EQ(CapturesWritten(), 1);
  game_->Xdotool("keydown s");
  Wait(0.5);
  game_->Xdotool("keyup s");
  Wait(1.0);
  EXPECT_EQ(CapturesWritten(), 2);

  game_->Xdotool("key Escape");
  EXPECT_EQ(game_->WaitForExit(30), 0);
  std::ifstream log(vdr::TempFolder() + "ErrorLog.txt", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Shut down VDR\r\nvdr is shut down\r\n"), std::string::npos) << text;
}

TEST_F(GranzelPlayTest, ColoursAndRain) {
  ASSERT_TRUE(WaitForPaintingScreen());
  const std::vector<double> palette = PaletteFile();

  // The options button opens the colour page.
  OpenOptions();
  ParkPointer();
  Wait(0.3);
  const WindowPicture page = game_->Capture();
  for (int cell : {0, 9, 24, 59}) {
    const int x = cell % 10 * 40 + 60, y = cell / 10 * 40 + 40;
    EXPECT_EQ(page.At(x, y), static_cast<uint32_t>(palette[cell])) << "cell " << cell;
  }

  // A colour cell sets the colour of the next grains and closes the screen.
  Click(24 % 10 * 40 + 60, 24 / 10 * 40 + 40);
  Pour(360, 200, 1.5);
  Pour(120, 200, 0.01);  // moves the press away from the new pile
  ParkPointer();
  WaitUntilStill();
  const WindowPicture painted = game_->Capture();
  double red = 0, green = 0, blue = 0;
  int sand = 0;
  for (int y = 250; y < 317; ++y) {
    for (int x = 330; x < 390; ++x) {
      const uint32_t c = painted.At(x, y);
      if (c == kBlack) continue;
      red += Red(c), green += Green(c), blue += Blue(c), ++sand;
    }
  }
  ASSERT_GT(sand, 100);
  const uint32_t average = static_cast<uint32_t>(red / sand) | static_cast<uint32_t>(green / sand) << 8 |
                           static_cast<uint32_t>(blue / sand) << 16;
  EXPECT_LT(Distance(average, static_cast<uint32_t>(palette[24])), Distance(average, static_cast<uint32_t>(palette[1])));

  // The rain button: grains fall from the top all across the field.
  OpenOptions();
  Click(280, 280);
  ParkPointer();
  Wait(1.0);
  const WindowPicture rain = game_->Capture();
  int columns = 0;
  for (int x = 0; x < 480; ++x) columns += CountPixels(rain, x, 30, x + 1, 200, NotBlack) > 0;
  EXPECT_GT(columns, 60);
}

TEST_F(GranzelPlayTest, BackgroundsAndClips) {
  ASSERT_TRUE(WaitForPaintingScreen());

  // A background cell loads that background behind the canvas.
  OpenOptions();
  Click(120, 280);  // backgrounds page
  Click(300, 40);   // cell 7
  ParkPointer();
  Wait(0.5);
  vdr::PixelImage b07;
  ASSERT_TRUE(vdr::LoadImage(GRANZEL_GENERATED_MEDIA "/b07.png", vdr::kNoColourKey, b07));
  const WindowPicture background = game_->Capture();
  int matching = 0;
  for (int y = 40; y < 300; y += 20) {
    for (int x = 20; x < 440; x += 20) {
      const uint8_t* p = b07.Row(y) + x * 4;
      matching += background.At(x, y) == static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16);
    }
  }
  EXPECT_GT(matching, 250);

  // A confirmed clip is painted into the canvas, centred, and sand lands on it.
  OpenOptions();
  Click(200, 280);  // clips page
  Click(60, 40);    // clip 1
  Wait(0.5);
  Click(468, 12);   // confirm
  ParkPointer();
  Wait(0.5);
  const WindowPicture clip = game_->Capture();
  vdr::PixelImage c01;
  ASSERT_TRUE(vdr::LoadImage(GRANZEL_GENERATED_MEDIA "/c01.png", vdr::kNoColourKey, c01));
  const int left = 240 - c01.width / 2, top = 160 - c01.height / 2;
  int clipPixels = 0;
  for (int y = 0; y < c01.height; y += 3) {
    for (int x = 0; x < c01.width; x += 3) {
      const uint8_t* p = c01.Row(y) + x * 4;
      if (p[3] == 255) clipPixels += clip.At(left + x, top + y) == static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16);
    }
  }
  EXPECT_GT(clipPixels, 50);
  // Sand poured over the clip comes to rest on it: the picture changes
  // inside the clip's box, above its lower half.
  const WindowPicture before = game_->Capture();
  Pour(240, 40, 1.5);
  ParkPointer();
  WaitUntilStill();
  const WindowPicture after = game_->Capture();
  int landed = 0;
  for (int y = 40; y < 160; ++y) {
    for (int x = left; x < left + c01.width; ++x) landed += after.At(x, y) != before.At(x, y);
  }
  EXPECT_GT(landed, 30) << "no sand on the clip";
}

// The right button's point belongs to one use of the clip editor: after a
// right click in one, a left click in the next still moves the clip there,
// neither turned nor scaled.
TEST_F(GranzelPlayTest, EachClipEditorStartsWithoutASecondPoint) {
  ASSERT_TRUE(WaitForPaintingScreen());
  OpenClipEditor();
  const WindowPicture before = game_->Capture();
  game_->Click(300, 250, 3);
  // The second point shows in the status line under the first.
  ASSERT_TRUE(game_->WaitForPicture([&](const WindowPicture& now) { return Differs(now, before, 20, 20, 140, 30); }, 30));
  game_->Click(420, 12);  // cancel
  ASSERT_TRUE(WaitForPaintingAgain());

  OpenClipEditor();
  game_->Click(120, 200);
  EXPECT_TRUE(game_->WaitForPicture([](const WindowPicture& w) { return Shows(w, "c01.png", 70, 150); }, 30))
      << "the clip did not move under the click";
  game_->Click(468, 12);  // confirm
  ASSERT_TRUE(WaitForPaintingAgain());
  ParkPointer();
  EXPECT_TRUE(Shows(game_->Capture(), "c01.png", 70, 150)) << "the clip was not painted where it was shown";
}

}  // namespace
