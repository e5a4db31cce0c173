// Plays the real granzel program in a window with real X input and checks what
// it shows, writes and how it ends.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
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

vdr::PixelImage MediaPicture(const char* name) {
  vdr::PixelImage image;
  EXPECT_TRUE(vdr::LoadImage((std::string(GRANZEL_GENERATED_MEDIA "/") + name).c_str(), vdr::kNoColourKey, image))
      << name;
  return image;
}

// Whether the window shows the picture with its top-left corner at (left,
// top): nine in ten of its opaque pixels, every third one sampled, or the
// share given (the clip editor draws through the turning and scaling path,
// which samples some edge pixels differently).
bool Shows(const WindowPicture& window, const vdr::PixelImage& image, int left, int top, double share = 0.9) {
  int opaque = 0, same = 0;
  for (int y = 0; y < image.height && top + y < window.height; y += 3) {
    const uint8_t* row = image.Row(y);
    for (int x = 0; x < image.width && left + x < window.width; x += 3) {
      const uint8_t* p = row + x * 4;
      if (p[3] != 255) continue;
      ++opaque;
      same += window.At(left + x, top + y) == static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16);
    }
  }
  return opaque > 0 && same >= opaque * share;
}

int SandColumns(const WindowPicture& picture) {
  int columns = 0;
  for (int x = 0; x < 480; ++x) columns += CountPixels(picture, x, 30, x + 1, 200, NotBlack) > 0;
  return columns;
}

bool Differs(const WindowPicture& a, const WindowPicture& b, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (a.At(x, y) != b.At(x, y)) return true;
    }
  }
  return false;
}

std::string RuntimeLogText() {
  std::ifstream log(vdr::TempFolder() + "ErrorLog.txt", std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
}

// Every step waits for what the program shows, never for a fixed time, so
// that a slow machine only makes the test take longer.
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

  // Waits for the painting screen after the intro: a black field under the
  // options button in the top-right corner.
  bool WaitForPaintingScreen(bool* sawIntro = nullptr) {
    const WindowPicture picture = game_->WaitFor([&](const WindowPicture& p) {
      if (p.width != 480 || p.height != 320) return false;
      if (sawIntro != nullptr && CountPixels(p, 0, 0, 480, 320, IsWhite) > 480 * 320 / 3) *sawIntro = true;
      return Shows(p, gear_, 456, 0) && CountPixels(p, 0, 40, 480, 320, NotBlack) == 0;
    });
    return picture.width > 0;
  }
  // The options button shows again: the options screen has closed.
  WindowPicture WaitForOptionsClosed() {
    return game_->WaitFor([&](const WindowPicture& p) { return Shows(p, gear_, 456, 0); });
  }
  WindowPicture WaitForPage(const vdr::PixelImage& page) {
    return game_->WaitFor([&](const WindowPicture& p) { return Shows(p, page, 0, 20); });
  }
  // Clicks at (x, y) until the picture passes `condition`. The options
  // screen acts on its page and rain buttons in the frame after the one that
  // saw the button go down, so a click that fits into one slow frame can go
  // unseen; a player's click spans many frames.
  WindowPicture ClickUntil(int x, int y, const std::function<bool(const WindowPicture&)>& condition) {
    WindowPicture picture;
    for (int attempt = 0; attempt < 10 && picture.width == 0; ++attempt) {
      game_->Click(x, y);
      picture = game_->WaitFor(condition, 5);
    }
    return picture;
  }
  // Clicks a page button until its page shows.
  WindowPicture OpenPage(int x, const vdr::PixelImage& page) {
    return ClickUntil(x, 280, [&](const WindowPicture& p) { return Shows(p, page, 0, 20); });
  }
  // Opens the options screen on the page it showed last.
  void OpenOptions(const vdr::PixelImage& lastPage) {
    game_->Click(468, 12);
    ASSERT_GT(WaitForPage(lastPage).width, 0) << "the options screen did not open";
  }
  // Holds the left button at (x, y) until the picture passes `enough`.
  WindowPicture PourUntil(int x, int y, const std::function<bool(const WindowPicture&)>& enough) {
    game_->Xdotool("mousemove --window %w " + std::to_string(x) + " " + std::to_string(y) + " mousedown 1");
    const WindowPicture picture = game_->WaitFor(enough);
    game_->Xdotool("mouseup 1");
    return picture;
  }
  // Moves the pointer away, so that it never covers what is checked.
  void ParkPointer() { game_->MoveTo(470, 310); }
  // Waits until the picture stays the same for three captures in a row and
  // passes `condition`.
  WindowPicture WaitUntilStill(const std::function<bool(const WindowPicture&)>& condition = nullptr) {
    WindowPicture before;
    int same = 0;
    return game_->WaitFor([&](const WindowPicture& p) {
      same = p.pixels == before.pixels ? same + 1 : 0;
      before = p;
      return same >= 2 && (!condition || condition(p));
    });
  }
  // On the black field: no grain falls through the rows from `top` to
  // `bottom` in the columns from `left` to `right` any more.
  WindowPicture WaitForGrainsToSettle(int left, int top, int right, int bottom) {
    return WaitUntilStill(
        [=](const WindowPicture& p) { return CountPixels(p, left, top, right, bottom, NotBlack) == 0; });
  }
  int CapturesWritten() const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(game_->folder() + "/Media")) {
      const std::string name = entry.path().filename().string();
      count += name.rfind("capt", 0) == 0 && name.size() > 8 && name.substr(name.size() - 4) == ".png";
    }
    return count;
  }
  bool WaitForCaptures(int count) {
    return game_->WaitFor([&](const WindowPicture&) { return CapturesWritten() == count; }, 30).width > 0;
  }

  // From the painting screen to the clip editor with clip 1 in the middle.
  void OpenClipEditor() {
    game_->Click(468, 12);
    ASSERT_GT(game_->WaitFor([&](const WindowPicture& w) { return !Shows(w, gear_, 456, 0); }).width, 0);
    ASSERT_GT(OpenPage(200, clipPage_).width, 0);
    game_->Click(60, 40);  // clip 1
    ASSERT_GT(game_->WaitFor([&](const WindowPicture& w) {
                     return Shows(w, editorButtons_, 408, 0) && Shows(w, clip1_, 190, 110, 0.5);
                   }).width,
              0);
  }
  // Back on the painting screen: the options button again, the editor's gone.
  bool WaitForPaintingAgain() {
    return game_->WaitFor([&](const WindowPicture& w) {
                   return Shows(w, gear_, 456, 0) && !Shows(w, editorButtons_, 408, 0);
                 }).width > 0;
  }

  std::unique_ptr<ProgramDriver> game_;
  const vdr::PixelImage gear_ = MediaPicture("options.png");
  const vdr::PixelImage colourPage_ = MediaPicture("opciones.png");
  const vdr::PixelImage backgroundPage_ = MediaPicture("fondos.png");
  const vdr::PixelImage clipPage_ = MediaPicture("clips.png");
  const vdr::PixelImage editorButtons_ = MediaPicture("ok.png");
  const vdr::PixelImage clip1_ = MediaPicture("c01.png");
};

TEST_F(GranzelPlayTest, IntroPouringScreenshotsAndEscape) {
  bool sawIntro = false;
  ASSERT_TRUE(WaitForPaintingScreen(&sawIntro));
  EXPECT_TRUE(sawIntro);

  // Holding the button pours grains that fall, slide and settle into a pile.
  ASSERT_GT(PourUntil(240, 150, [](const WindowPicture& p) { return CountPixels(p, 200, 280, 280, 317, NotBlack) > 400; })
                .width,
            0)
      << "no sand poured";
  ParkPointer();
  const WindowPicture pile = WaitForGrainsToSettle(0, 30, 480, 150);
  ASSERT_GT(pile.width, 0) << "grains stayed in the air";
  const int top = SurfaceAt(pile, 240);
  EXPECT_LT(top, 310) << "no pile under the pointer";
  EXPECT_LT(top, SurfaceAt(pile, 215));
  EXPECT_LT(top, SurfaceAt(pile, 265));
  EXPECT_GT(CountPixels(pile, 200, 280, 280, 317, NotBlack), 200);

  // One capture per press of S, written into the Media folder.
  game_->Xdotool("key s");
  EXPECT_TRUE(WaitForCaptures(1));
  // Pressed again and held; should the program not have seen the first tap
  // let go yet (it reads the key once a frame), the press is made again.
  bool second = false;
  for (int attempt = 0; attempt < 10 && !second; ++attempt) {
    game_->Xdotool("keyup s sleep 0.2 keydown s");
    second = game_->WaitFor([&](const WindowPicture&) { return CapturesWritten() == 2; }, 5).width > 0;
  }
  EXPECT_TRUE(second);
  Wait(0.5);  // held on: no further capture may come
  game_->Xdotool("keyup s");
  Wait(0.5);
  EXPECT_EQ(CapturesWritten(), 2);

  game_->Xdotool("key Escape");
  EXPECT_EQ(game_->WaitForExit(30), 0);
  const std::string text = RuntimeLogText();
  EXPECT_NE(text.find("Shut down VDR\r\nvdr is shut down\r\n"), std::string::npos) << text;
}

TEST_F(GranzelPlayTest, AScreenshotThatCannotBeWrittenIsReported) {
  ASSERT_TRUE(WaitForPaintingScreen());
  // The folder the game writes into goes away (a read-only folder does not
  // stop a test that runs as root).
  fs::remove_all(game_->folder() + "/Media");
  const std::string said = "Granzel: the screenshot capt";
  for (int attempt = 0; attempt < 10 && RuntimeLogText().find(said) == std::string::npos; ++attempt) {
    game_->Xdotool("key s");
    game_->WaitFor([&](const WindowPicture&) { return RuntimeLogText().find(said) != std::string::npos; }, 5);
  }
  const std::string log = RuntimeLogText();
  EXPECT_NE(log.find(said), std::string::npos) << log;
  EXPECT_NE(log.find(".png could not be written"), std::string::npos) << log;
}

TEST(GranzelStartTest, WithoutItsMediaTheGameSaysWhyAndFails) {
  ProgramDriver game(GRANZEL_EXECUTABLE, "", vdr::TempFolder() + "nomedia");
  EXPECT_EQ(game.WaitForExit(60), 1);
  const std::string log = RuntimeLogText();
  EXPECT_NE(log.find("Vendril: fatal error 0003 no such file"), std::string::npos) << log;
  EXPECT_NE(log.find("vdr is shut down"), std::string::npos) << log;
}

TEST_F(GranzelPlayTest, ColoursAndRain) {
  ASSERT_TRUE(WaitForPaintingScreen());
  const std::vector<double> palette = PaletteFile();

  // The options button opens the colour page.
  OpenOptions(colourPage_);
  ParkPointer();
  const WindowPicture page = WaitForPage(colourPage_);
  for (int cell : {0, 9, 24, 59}) {
    const int x = cell % 10 * 40 + 60, y = cell / 10 * 40 + 40;
    EXPECT_EQ(page.At(x, y), static_cast<uint32_t>(palette[cell])) << "cell " << cell;
  }

  // A colour cell sets the colour of the next grains and closes the screen.
  game_->Click(24 % 10 * 40 + 60, 24 / 10 * 40 + 40);
  ASSERT_GT(WaitForOptionsClosed().width, 0);
  ASSERT_GT(PourUntil(360, 200, [](const WindowPicture& p) { return CountPixels(p, 330, 280, 390, 317, NotBlack) > 250; })
                .width,
            0);
  game_->Click(120, 200);  // moves the press away from the new pile
  ParkPointer();
  const WindowPicture painted = WaitForGrainsToSettle(330, 30, 390, 250);
  ASSERT_GT(painted.width, 0);
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
  OpenOptions(colourPage_);
  ASSERT_GT(ClickUntil(280, 280, [&](const WindowPicture& p) { return Shows(p, gear_, 456, 0); }).width, 0);
  ParkPointer();
  EXPECT_GT(game_->WaitFor([](const WindowPicture& p) { return SandColumns(p) > 60; }).width, 0) << "no rain";
}

TEST_F(GranzelPlayTest, BackgroundsAndClips) {
  ASSERT_TRUE(WaitForPaintingScreen());

  // A background cell loads that background behind the canvas.
  OpenOptions(colourPage_);
  ASSERT_GT(OpenPage(120, backgroundPage_).width, 0);
  game_->Click(300, 40);  // cell 7
  ParkPointer();
  const vdr::PixelImage b07 = MediaPicture("b07.png");
  const auto backgroundShown = [&](const WindowPicture& p) {
    int matching = 0;
    for (int y = 40; y < 300; y += 20) {
      for (int x = 20; x < 440; x += 20) {
        const uint8_t* pixel = b07.Row(y) + x * 4;
        matching += p.At(x, y) == static_cast<uint32_t>(pixel[0] | pixel[1] << 8 | pixel[2] << 16);
      }
    }
    return matching > 250;
  };
  EXPECT_GT(game_->WaitFor(backgroundShown).width, 0) << "the background did not change";

  // A confirmed clip is painted into the canvas, centred, and sand lands on it.
  OpenOptions(backgroundPage_);
  ASSERT_GT(OpenPage(200, clipPage_).width, 0);
  game_->Click(60, 40);  // clip 1
  ASSERT_GT(game_->WaitFor([&](const WindowPicture& p) { return Shows(p, editorButtons_, 408, 0); }).width, 0)
      << "the clip editor did not open";
  game_->Click(468, 12);  // confirm
  ParkPointer();
  const vdr::PixelImage& c01 = clip1_;
  const int left = 240 - c01.width / 2, top = 160 - c01.height / 2;
  const auto clipPixels = [&](const WindowPicture& p) {
    int count = 0;
    for (int y = 0; y < c01.height; y += 3) {
      for (int x = 0; x < c01.width; x += 3) {
        const uint8_t* pixel = c01.Row(y) + x * 4;
        if (pixel[3] == 255) count += p.At(left + x, top + y) == static_cast<uint32_t>(pixel[0] | pixel[1] << 8 | pixel[2] << 16);
      }
    }
    return count;
  };
  const WindowPicture before =
      game_->WaitFor([&](const WindowPicture& p) { return Shows(p, gear_, 456, 0) && clipPixels(p) > 50; });
  ASSERT_GT(before.width, 0) << "the clip was not painted";
  // Sand poured over the clip comes to rest on it: the picture changes
  // inside the clip's box, above its lower half.
  const auto landed = [&](const WindowPicture& after) {
    int changed = 0;
    for (int y = 40; y < 160; ++y) {
      for (int x = left; x < left + c01.width; ++x) changed += after.At(x, y) != before.At(x, y);
    }
    return changed;
  };
  PourUntil(240, 40, [&](const WindowPicture& p) { return landed(p) > 60; });
  ParkPointer();
  const WindowPicture after = WaitUntilStill();
  ASSERT_GT(after.width, 0);
  EXPECT_GT(landed(after), 30) << "no sand on the clip";
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
  ASSERT_GT(game_->WaitFor([&](const WindowPicture& now) { return Differs(now, before, 20, 20, 140, 30); }).width, 0);
  game_->Click(420, 12);  // cancel
  ASSERT_TRUE(WaitForPaintingAgain());

  OpenClipEditor();
  game_->Click(120, 200);
  EXPECT_GT(game_->WaitFor([&](const WindowPicture& w) { return Shows(w, clip1_, 70, 150, 0.5); }).width, 0)
      << "the clip did not move under the click";
  game_->Click(468, 12);  // confirm
  ASSERT_TRUE(WaitForPaintingAgain());
  ParkPointer();
  EXPECT_TRUE(Shows(game_->Capture(), clip1_, 70, 150, 0.5)) << "the clip was not painted where it was shown";
}


// The 480 x 320 screen as a window enlarged by `scale` shows it, its corner at
// (x0, y0): the middle pixel of each logical pixel's square.
WindowPicture LogicalScreen(const WindowPicture& window, int scale, int x0, int y0) {
  WindowPicture screen;
  if (window.width < x0 + 480 * scale || window.height < y0 + 320 * scale) return screen;
  screen.width = 480;
  screen.height = 320;
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 480; ++x) screen.pixels.push_back(window.At(x0 + x * scale + scale / 2, y0 + y * scale + scale / 2));
  }
  return screen;
}

// Every window pixel of each logical pixel in the rectangle has its colour.
bool Sharp(const WindowPicture& window, int scale, int x0, int y0, int left, int top, int right, int bottom) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const uint32_t c = window.At(x0 + x * scale, y0 + y * scale);
      for (int d = 1; d < scale * scale; ++d) {
        if (window.At(x0 + x * scale + d % scale, y0 + y * scale + d / scale) != c) return false;
      }
    }
  }
  return true;
}

// Granzel on a 1920 x 1080 screen, with the scale the runtime chooses or the
// one given on the command line.
class GranzelScaleTest : public testing::Test {
 protected:
  void SetUp() override { unsetenv("VENDRIL_SCALE"); }
  void TearDown() override {
    if (game_ != nullptr && game_->Running()) {
      game_->Xdotool("key Escape");
      EXPECT_EQ(game_->WaitForExit(30), 0);
    }
    setenv("VENDRIL_SCALE", "1", 1);
  }
  void Start(const std::vector<std::string>& arguments = {}) {
    game_ = std::make_unique<ProgramDriver>(GRANZEL_EXECUTABLE, GRANZEL_MEDIA_FOLDER, vdr::TempFolder() + "scaled",
                                            arguments);
    ASSERT_TRUE(game_->WaitForWindow(60)) << "no window";
  }
  // The painting screen, as the window shows it at that scale and place.
  bool ShowsPaintingScreen(const WindowPicture& p, int width, int height, int scale, int x0, int y0) const {
    if (p.width != width || p.height != height) return false;
    const WindowPicture screen = LogicalScreen(p, scale, x0, y0);
    return Shows(screen, gear_, 456, 0) && CountPixels(screen, 0, 40, 480, 320, NotBlack) == 0;
  }
  WindowPicture WaitForPaintingScreen(int width, int height, int scale, int x0, int y0) {
    return game_->WaitFor(
        [&](const WindowPicture& p) { return ShowsPaintingScreen(p, width, height, scale, x0, y0); });
  }
  // Holds the key until the condition shows. The game acts once per press and
  // reads the key once a frame, so a release and the next press that fall
  // into one frame (or into the frames of a screen switch) read as one long
  // press: then the key is let go and pressed again.
  bool PressUntil(const std::string& key, const std::function<bool(const WindowPicture&)>& condition) {
    bool shown = false;
    for (int attempt = 0; attempt < 5 && !shown; ++attempt) {
      game_->Xdotool("keyup " + key + " sleep 0.2 keydown " + key);
      shown = game_->WaitFor(condition, 30).width > 0;
    }
    game_->Xdotool("keyup " + key);
    return shown;
  }
  std::unique_ptr<ProgramDriver> game_;
  const vdr::PixelImage gear_ = MediaPicture("options.png");
  const vdr::PixelImage colourPage_ = MediaPicture("opciones.png");
};

TEST_F(GranzelScaleTest, OpensAtScaleThreeAndPlaysInItsOwnPixels) {
  Start();
  const WindowPicture first = WaitForPaintingScreen(1440, 960, 3, 0, 0);
  ASSERT_GT(first.width, 0) << "not the painting screen at 1440 x 960";
  EXPECT_TRUE(Sharp(first, 3, 0, 0, 450, 0, 480, 30));

  // Poured at logical (240, 120): window (720, 360).
  const auto screenOf = [](const WindowPicture& p) { return LogicalScreen(p, 3, 0, 0); };
  game_->Xdotool("mousemove --window %w 720 360 mousedown 1");
  game_->WaitFor([&](const WindowPicture& p) { return CountPixels(screenOf(p), 200, 280, 280, 317, NotBlack) > 400; });
  game_->Xdotool("mouseup 1");
  game_->MoveTo(1410, 930);
  WindowPicture before;
  int same = 0;
  const WindowPicture pile = game_->WaitFor([&](const WindowPicture& p) {
    same = p.pixels == before.pixels ? same + 1 : 0;
    before = p;
    return same >= 2 && CountPixels(screenOf(p), 0, 30, 480, 150, NotBlack) == 0;
  });
  ASSERT_GT(pile.width, 0) << "grains stayed in the air";
  const WindowPicture screen = screenOf(pile);
  const int top = SurfaceAt(screen, 240);
  EXPECT_LT(top, 310) << "no pile under the pointer";
  EXPECT_LT(top, SurfaceAt(screen, 215));
  EXPECT_LT(top, SurfaceAt(screen, 265));
  EXPECT_TRUE(Sharp(pile, 3, 0, 0, 200, 280, 280, 317));

  // S saves the logical frame, 480 x 320, pixel for pixel what the window shows.
  game_->Xdotool("key s");
  std::string saved;
  game_->WaitFor([&](const WindowPicture&) {
    for (const auto& entry : fs::directory_iterator(game_->folder() + "/Media")) {
      const std::string name = entry.path().filename().string();
      if (name.rfind("capt", 0) == 0 && name.size() > 8 && name.substr(name.size() - 4) == ".png") saved = entry.path();
    }
    return !saved.empty();
  }, 30);
  ASSERT_FALSE(saved.empty()) << "no screenshot";
  vdr::PixelImage capture;
  for (int attempt = 0; attempt < 50 && !vdr::LoadImage(saved.c_str(), vdr::kNoColourKey, capture); ++attempt) Wait(0.1);
  ASSERT_EQ(capture.width, 480);
  ASSERT_EQ(capture.height, 320);
  const WindowPicture now = screenOf(game_->Capture());
  int differing = 0;
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 480; ++x) {
      const uint8_t* p = capture.Row(y) + x * 4;
      differing += now.At(x, y) != static_cast<uint32_t>(p[0] | p[1] << 8 | p[2] << 16);
    }
  }
  EXPECT_EQ(differing, 0);

  // The options gear, at logical (468, 12), is hit at window (1404, 36).
  game_->Click(1404, 36);
  EXPECT_GT(game_->WaitFor([&](const WindowPicture& p) { return Shows(screenOf(p), colourPage_, 0, 20); }).width, 0)
      << "the options screen did not open";
}

TEST_F(GranzelScaleTest, ScaleOneOnTheCommandLineGivesTheScreensOwnSize) {
  Start({"--scale", "1"});
  EXPECT_GT(WaitForPaintingScreen(480, 320, 1, 0, 0).width, 0);
}

TEST_F(GranzelScaleTest, F11SwitchesToFullScreenWithBarsAndBack) {
  Start();
  ASSERT_GT(WaitForPaintingScreen(1440, 960, 3, 0, 0).width, 0);
  // 1440 x 960 centred on 1920 x 1080: bars of 240 and 60 pixels.
  ASSERT_TRUE(PressUntil("F11", [&](const WindowPicture& p) { return ShowsPaintingScreen(p, 1920, 1080, 3, 240, 60); }))
      << "not full screen";
  const WindowPicture full = game_->Capture();
  EXPECT_EQ(CountPixels(full, 0, 0, 240, 1080, NotBlack), 0);
  EXPECT_EQ(CountPixels(full, 0, 0, 1920, 60, NotBlack), 0);
  ASSERT_TRUE(PressUntil("F11", [&](const WindowPicture& p) { return ShowsPaintingScreen(p, 1440, 960, 3, 0, 0); }))
      << "not back in the window";
  ASSERT_TRUE(PressUntil("F11", [&](const WindowPicture& p) { return ShowsPaintingScreen(p, 1920, 1080, 3, 240, 60); }));
  game_->Click(240 + 1404, 60 + 36);
  EXPECT_GT(game_->WaitFor([&](const WindowPicture& p) {
                     return Shows(LogicalScreen(p, 3, 240, 60), colourPage_, 0, 20);
                   }).width,
            0)
      << "the gear was not hit in full screen";
}

}  // namespace
