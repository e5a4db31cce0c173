// The logical screen shown enlarged: a 320 x 240 screen at scale 3, in a
// window resized between multiples and in full screen. Drawing, reads,
// screenshots and the pointer stay in the screen's own pixels.

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "files/platform_paths.h"
#include "gfx2d/capture_commands.h"
#include "gfx2d/drawing_commands.h"
#include "gfx2d/image/image_decoders.h"
#include "gfx2d/render_context.h"
#include "input/input_commands.h"
#include "tests/support/engine_harness.h"
#include "tests/support/program_driver.h"

namespace vdr {
namespace {

using test::WindowPicture;

constexpr int32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

// Two single pixels and a rectangle on black.
void DrawPattern() {
  ClearScreen(0);
  SetPixel(10, 10, kRed);
  SetPixel(11, 10, kGreen);
  DrawRect(100, 50, 20, 10, kBlue);
}

// Runs frames until `done` holds; false after a generous time-out.
bool RunFramesUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    DrawPattern();
    ShowScreen();
    if (done()) return true;
  }
  return false;
}

WindowPicture WindowShows() {
  return test::CaptureWindow(std::strtoul(test::WithWindowId("%w").c_str(), nullptr, 10));
}

// Whether the window shows the pattern enlarged by `scale` with the screen's
// corner at (x0, y0): every window pixel of a logical pixel has its colour.
bool ShowsPattern(const WindowPicture& p, int scale, int x0, int y0) {
  if (p.width == 0) return false;
  const auto logical = [&](int x, int y, int dx, int dy) { return p.At(x0 + x * scale + dx, y0 + y * scale + dy); };
  for (int dy = 0; dy < scale; ++dy) {
    for (int dx = 0; dx < scale; ++dx) {
      if (logical(10, 10, dx, dy) != kRed || logical(11, 10, dx, dy) != kGreen || logical(9, 10, dx, dy) != 0 ||
          logical(100, 50, dx, dy) != kBlue || logical(119, 59, dx, dy) != kBlue || logical(120, 59, dx, dy) != 0) {
        return false;
      }
    }
  }
  return true;
}

// Black everywhere outside the enlarged screen.
bool BarsAreBlack(const WindowPicture& p, const Rect& shown) {
  for (int y = 0; y < p.height; y += 7) {
    for (int x = 0; x < p.width; x += 7) {
      const bool inside = x >= shown.x && x < shown.x + shown.w && y >= shown.y && y < shown.y + shown.h;
      if (!inside && p.At(x, y) != 0) return false;
    }
  }
  return true;
}

struct MousePointAt {
  int32_t x, y;
  bool operator==(const MousePointAt&) const = default;
};
void PrintTo(const MousePointAt& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }

// The pointer put on a window pixel, read by MouseState.
MousePointAt PointAt(int windowX, int windowY, int32_t wantX, int32_t wantY) {
  test::Xdotool("mousemove --window %w " + std::to_string(windowX) + " " + std::to_string(windowY));
  int32_t x = -1, y = -1, left = 0, right = 0;
  RunFramesUntil([&] {
    MouseState(x, y, left, right);
    return x == wantX && y == wantY;
  });
  return {x, y};
}

class ScaledWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::EnsureEngine(); }
  OpenGLLumet& context_ = *ActiveRenderContext();
};

TEST_F(ScaledWindowTest, TheScreenShowsEnlargedWithSharpPixelsAndReadsInItsOwnPixels) {
  ASSERT_EQ(context_.WindowScale(), 3);  // VENDRIL_SCALE
  int w = 0, h = 0;
  SDL_GetWindowSize(Engine().Window(), &w, &h);
  EXPECT_EQ(w, 960);
  EXPECT_EQ(h, 720);
  EXPECT_EQ(context_.Presentation(), (FrameFit{3, Rect{0, 0, 960, 720}}));
  // The frame drawn into has the window's depth and stencil, and no alpha.
  GLint depth = 0, stencil = 0, alpha = -1;
  glGetIntegerv(GL_DEPTH_BITS, &depth);
  glGetIntegerv(GL_STENCIL_BITS, &stencil);
  glGetIntegerv(GL_ALPHA_BITS, &alpha);
  EXPECT_EQ(depth, 24);
  EXPECT_EQ(stencil, 8);
  EXPECT_EQ(alpha, 0);

  DrawPattern();
  EXPECT_EQ(context_.Screens().ReadPixel(10, 10), kRed);
  EXPECT_EQ(context_.Screens().ReadPixel(11, 10), kGreen);
  const std::string file = TempFolder() + "scaled.png";
  SaveScreenshot(file.c_str());
  PixelImage saved;
  ASSERT_TRUE(LoadImage(file.c_str(), kNoColourKey, saved));
  EXPECT_EQ(saved.width, 320);
  EXPECT_EQ(saved.height, 240);
  EXPECT_EQ(saved.Row(10)[10 * 4], 255);
  EXPECT_EQ(saved.Row(10)[11 * 4 + 1], 255);
  EXPECT_EQ(saved.Row(50)[100 * 4 + 2], 255);

  while (glGetError() != GL_NO_ERROR) {
  }
  EXPECT_TRUE(RunFramesUntil([] { return ShowsPattern(WindowShows(), 3, 0, 0); }));
  // Presenting the enlarged frame puts the window's state back without an error.
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(PointAt(3 * 200 + 2, 3 * 100, 200, 100), (MousePointAt{200, 100}));
}

TEST_F(ScaledWindowTest, AWindowResizedBetweenMultiplesShowsTheScreenCentredAndMapsThePointer) {
  test::Xdotool("windowsize --sync %w 1000 700");
  ASSERT_TRUE(RunFramesUntil([&] { return context_.Presentation().scale == 2; }));
  const Rect shown{180, 110, 640, 480};
  EXPECT_EQ(context_.Presentation().shown, shown);
  WindowPicture picture;
  EXPECT_TRUE(RunFramesUntil([&] {
    picture = WindowShows();
    return ShowsPattern(picture, 2, shown.x, shown.y);
  }));
  EXPECT_TRUE(BarsAreBlack(picture, shown));

  EXPECT_EQ(PointAt(180 + 2 * 100 + 1, 110 + 2 * 50 + 1, 100, 50), (MousePointAt{100, 50}));
  // In the bars the pointer is held at the screen's edges.
  EXPECT_EQ(PointAt(3, 3, 0, 0), (MousePointAt{0, 0}));
  EXPECT_EQ(PointAt(995, 695, 319, 239), (MousePointAt{319, 239}));
  context_.SetScreen(0, 0, 0, 0);
}

TEST_F(ScaledWindowTest, FullScreenFillsTheDesktopWithBarsAndBackToTheWindow) {
  ASSERT_TRUE(context_.SetScreen(0, 0, 0, 1));
  EXPECT_TRUE(context_.FullScreen());
  const Rect shown{320, 60, 1280, 960};  // scale 4 on 1920 x 1080
  ASSERT_TRUE(RunFramesUntil([&] { return context_.Presentation().shown == shown; }));
  WindowPicture picture;
  EXPECT_TRUE(RunFramesUntil([&] {
    picture = WindowShows();
    return picture.width == 1920 && picture.height == 1080 && ShowsPattern(picture, 4, shown.x, shown.y);
  }));
  EXPECT_TRUE(BarsAreBlack(picture, shown));
  EXPECT_EQ(PointAt(320 + 4 * 100 + 2, 60 + 4 * 50 + 3, 100, 50), (MousePointAt{100, 50}));
  EXPECT_EQ(PointAt(100, 500, 0, 110), (MousePointAt{0, 110}));

  EXPECT_TRUE(context_.SetScreen(0, 0, 0, 0));
  EXPECT_FALSE(context_.FullScreen());
  EXPECT_TRUE(RunFramesUntil([&] {
    picture = WindowShows();
    return picture.width == 960 && picture.height == 720 && ShowsPattern(picture, 3, 0, 0);
  }));
}

}  // namespace
}  // namespace vdr
