// The engine in a real window: start-up and shutdown, every way of ending,
// the focus pause, the projection and call by name.

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "app/end.h"
#include "app/engine_state.h"
#include "app/frame_steps.h"
#include "app/window_events.h"
#include "files/platform_paths.h"
#include "files/store_commands.h"
#include "files/system_commands.h"
#include "gfx2d/render_context.h"
#include "gfx2d/view_commands.h"
#include "runtime/clock.h"
#include "runtime/runtime_array.h"
#include "tests/support/engine_harness.h"

namespace vdr {
namespace {

using test::ReadRuntimeLog;

int g_pauseEvents = 0;
int g_resumeEvents = 0;
int g_menuCalls = 0;
void OnPause() { ++g_pauseEvents; }
void OnResume() { ++g_resumeEvents; }
void Menu1() { ++g_menuCalls; }

const ProcedureEntry kProcedures[] = {
    {OnPause, "VDR_ON_PAUSE"}, {OnResume, "VDR_ON_RESUME"}, {Menu1, "menu1"}, {nullptr, nullptr}};

// Runs frames until the program ends; a program still running afterwards
// exits with code 3, which the death tests tell apart from the orderly 0.
[[noreturn]] void RunFramesThenFail(int frames) {
  for (int i = 0; i < frames; ++i) ShowScreen();
  std::_Exit(3);
}

void ExpectOrderlyShutdownLogged() {
  const auto log = ReadRuntimeLog();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "Shut down VDR");
  EXPECT_EQ(log.back(), "vdr is shut down");
}

class EngineEndTest : public testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(EngineEndTest, EndRunsTheShutdownSequence) {
  EXPECT_EXIT({ test::StartEngine(); End(); }, testing::ExitedWithCode(0), "");
  const auto log = ReadRuntimeLog();
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[0], "Init GFX");
  EXPECT_EQ(log[1], "*** OpenGL Software Emulation - update driver!");
  EXPECT_EQ(log[2], "Init Finalized");
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, CloseRequestEnds) {
  EXPECT_EXIT(
      {
        test::StartEngine();
        test::PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
        RunFramesThenFail(10);
      },
      testing::ExitedWithCode(0), "");
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, QuitEventEnds) {
  EXPECT_EXIT(
      {
        test::StartEngine();
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        RunFramesThenFail(10);
      },
      testing::ExitedWithCode(0), "");
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, EscapeEnds) {
  EXPECT_EXIT(
      {
        test::StartEngine();
        test::Xdotool("windowfocus --sync %w key Escape");
        RunFramesThenFail(120);
      },
      testing::ExitedWithCode(0), "");
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, AltF4EndsEvenWhenEscapeDoesNot) {
  EXPECT_EXIT(
      {
        test::StartEngine();
        SetEscapeEnds(0);
        test::Xdotool("windowfocus --sync %w key Escape");
        for (int i = 0; i < 30; ++i) ShowScreen();
        std::fprintf(stderr, "escape ignored\n");
        test::Xdotool("key alt+F4");
        RunFramesThenFail(120);
      },
      testing::ExitedWithCode(0), "escape ignored");
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, FailedAssertionEndsWithCode21) {
  EXPECT_EXIT(
      {
        test::StartEngine({.traceRun = 1});
        AssertValue(1);
        AssertValue(0);
        std::_Exit(3);
      },
      testing::ExitedWithCode(1), "Vendril: fatal error 0021 unknown error");
  const auto log = ReadRuntimeLog();
  ASSERT_GE(log.size(), 8u);
  EXPECT_EQ(log[log.size() - 8], "Vendril: fatal error 0021 unknown error (line 0, module 0)");
  EXPECT_EQ(log[log.size() - 7], "-End On Line");
  EXPECT_EQ(log[log.size() - 6], "21");
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, OutOfBoundsAccessEndsWithTheTraceReport) {
  EXPECT_EXIT(
      {
        test::StartEngine({.traceRun = 1});
        SetSourcePosition(2, 40);
        RuntimeArray<double> numbers;
        DimArray(numbers, 10);
        numbers[10] = 1;
        std::_Exit(3);
      },
      testing::ExitedWithCode(1), "Vendril: fatal error 0009 out of bounds \\(line 40, module 2\\)");
  const auto log = ReadRuntimeLog();
  ASSERT_EQ(log.size(), 11u);
  EXPECT_EQ(log[3], "Vendril: fatal error 0009 out of bounds (line 40, module 2)");
  EXPECT_EQ(log[4], "-End On Line");
  EXPECT_EQ(log[5], "9");
  EXPECT_EQ(log[6], "39");  // error line - 1
  EXPECT_EQ(log[7], "40");  // current line
  EXPECT_EQ(log[8], "2");   // module
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, FatalErrorWithoutTracingStillSaysWhyAndFails) {
  EXPECT_EXIT(
      {
        test::StartEngine();
        RuntimeArray<double> numbers;
        numbers[0] = 1;
        std::_Exit(3);
      },
      testing::ExitedWithCode(1), "Vendril: fatal error 0009 out of bounds");
  const auto log = ReadRuntimeLog();
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[3], "Vendril: fatal error 0009 out of bounds (line 0, module 0)");
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, SecondShutdownDoesNothing) {
  EXPECT_EXIT(
      {
        test::StartEngine();
        EngineShutdown();
        EngineShutdown();
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "");
  const auto log = ReadRuntimeLog();
  ASSERT_EQ(log.size(), 5u);
  ExpectOrderlyShutdownLogged();
}

TEST_F(EngineEndTest, ShutdownWritesTheSettingsAndTheLineFileBack) {
  const std::string settings = TempFolder() + "end.ini", lines = TempFolder() + "end.txt";
  EXPECT_EXIT(
      {
        test::StartEngine();
        IniOpen(settings.c_str());
        IniPut("s", "k", "v");
        PutFileLine(lines.c_str(), 1, "second");
        End();
      },
      testing::ExitedWithCode(0), "");
  auto content = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  EXPECT_EQ(content(settings), "[s]\r\nk=v\r\n");
  EXPECT_EQ(content(lines), "\r\nsecond\r\n");
}

// The following tests share one engine in this process.
class EngineWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::StartEngine({.procedures = kProcedures});
  }
  void SetUp() override {
    g_pauseEvents = g_resumeEvents = 0;
    AutoPause(1);
    Settings().traceRun = 0;
  }
  static std::string Caption() { return SDL_GetWindowTitle(Engine().Window()); }
};

TEST_F(EngineWindowTest, FocusLossPausesOnceAndFocusGainResumes) {
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  PumpMessages(nullptr);
  EXPECT_EQ(Engine().paused, 1);
  EXPECT_EQ(Caption(), "Vendril test <pause>");
  EXPECT_EQ(g_pauseEvents, 1);

  // ShowScreen holds the program until the window is active again.
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  ShowScreen();
  EXPECT_EQ(Engine().paused, 0);
  EXPECT_EQ(Caption(), "Vendril test");
  EXPECT_EQ(g_resumeEvents, 1);
}

TEST_F(EngineWindowTest, AutoPauseOffAndTraceRunKeepThePauseAway) {
  for (int variant = 0; variant < 2; ++variant) {
    if (variant == 0) AutoPause(0);
    if (variant == 1) Settings().traceRun = 1;
    test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    PumpMessages(nullptr);
    EXPECT_EQ(Engine().paused, 0);
    EXPECT_EQ(Caption(), "Vendril test");
    EXPECT_EQ(g_pauseEvents, 0);
    test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    PumpMessages(nullptr);
    AutoPause(1);
    Settings().traceRun = 0;
  }
}

TEST_F(EngineWindowTest, SetPausedRaisesEventsOnChangeOnly) {
  SetPaused(1);
  SetPaused(1);
  SetPaused(0);
  EXPECT_EQ(g_pauseEvents, 1);
  EXPECT_EQ(g_resumeEvents, 1);
  EXPECT_EQ(Engine().paused, 0);
}

TEST_F(EngineWindowTest, WindowClassIsVendrilAndTheScreenSaverStaysOff) {
  EXPECT_EQ(test::Xdotool("search --class '^Vendril$' > /dev/null"), 0);
  EXPECT_EQ(SDL_IsScreenSaverEnabled(), SDL_FALSE);
}

TEST_F(EngineWindowTest, FrameTimeIsAtLeastOneBeforeTheSecondFrame) {
  EngineState& engine = Engine();
  const double current = engine.currentFrameTime, previous = engine.previousFrameTime;
  engine.previousFrameTime = engine.currentFrameTime;  // as before the second frame
  EXPECT_EQ(FrameTime(), 1);
  engine.previousFrameTime = engine.currentFrameTime - 16.5;
  EXPECT_DOUBLE_EQ(FrameTime(), 16.5);
  engine.currentFrameTime = current;
  engine.previousFrameTime = previous;
}

TEST_F(EngineWindowTest, FrameTimesKeepTheirFractions) {
  bool fraction = false;
  for (int frame = 0; frame < 20 && !fraction; ++frame) {
    ShowScreen();
    fraction = FrameTime() != std::floor(FrameTime());
  }
  EXPECT_TRUE(fraction) << "frame times in whole milliseconds";
}

TEST_F(EngineWindowTest, ViewportOriginMapsToItsWindowPixel) {
  OpenGLLumet& context = *ActiveRenderContext();
  context.ClearFrame(0);
  SetViewport(10, 20, 0, 0);
  glColor4f(0, 1, 0, 1);
  glBegin(GL_POINTS);
  glVertex2f(0.5f, 0.5f);
  glEnd();
  EXPECT_EQ(test::ReadBackPixel(10, 20), 0x00FF00);
  EXPECT_EQ(test::ReadBackPixel(0, 0), 0);
  int32_t x, y, w, h;
  GetViewport(x, y, w, h);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 20);
  EXPECT_EQ(w, context.Width());
  EXPECT_EQ(h, context.Height());
  SetViewport(0, 0, 0, 0);
}

TEST_F(EngineWindowTest, ClearFrameTakesRedFromTheLowByte) {
  ActiveRenderContext()->ClearFrame(0x8000FF);
  EXPECT_EQ(test::ReadBackPixel(5, 5), 0x8000FF);
}

TEST_F(EngineWindowTest, HasExtensionMatchesWholeNames) {
  const OpenGLLumet& context = *ActiveRenderContext();
  EXPECT_TRUE(context.HasExtension("GL_ARB_multitexture"));
  EXPECT_FALSE(context.HasExtension("GL_ARB_multi"));
}

TEST_F(EngineWindowTest, GlExtensionKeysAskTheDriver) {
  EXPECT_EQ(PlatformInfo("GLEXT:glActiveTextureARB"), "1");
  EXPECT_EQ(PlatformInfo("glext:glBindFramebufferEXT"), "1");
  EXPECT_EQ(PlatformInfo("GLEXT:NoSuchEntryPoint"), "0");
  EXPECT_EQ(PlatformInfo("GLEXT:glFrameTerminatorGREMEDY"), "0");  // no GL_GREMEDY_ extension here
  EXPECT_EQ(PlatformInfo("GLEXT:"), "0");
}

TEST_F(EngineWindowTest, CallByNameIsCaseSensitive) {
  g_menuCalls = 0;
  EXPECT_EQ(CallByName("menu1"), 1);
  EXPECT_EQ(CallByName("Menu1"), 0);
  EXPECT_EQ(g_menuCalls, 1);
}

// Full screen keeps the desktop's mode, so a size no display mode has still
// gets it; back in a window the window has the screen's size again.
TEST_F(EngineWindowTest, FullScreenWorksWithoutADisplayModeOfTheScreensSize) {
  OpenGLLumet& context = *ActiveRenderContext();
  EXPECT_TRUE(context.SetScreen(333, 222, 0, 1));
  EXPECT_TRUE(context.FullScreen());
  int w, h;
  SDL_GetWindowSize(Engine().Window(), &w, &h);
  EXPECT_EQ(w, 1280);
  EXPECT_EQ(h, 1024);
  EXPECT_EQ(context.Width(), 333);
  const auto log = ReadRuntimeLog();
  EXPECT_NE(log.back(), "No Fullscreen Mode available");
  EXPECT_TRUE(context.SetScreen(333, 222, 0, 0));
  EXPECT_FALSE(context.FullScreen());
  SDL_GetWindowSize(Engine().Window(), &w, &h);
  EXPECT_EQ(w, 333);
  EXPECT_EQ(h, 222);
  context.SetScreen(320, 240, 0, 0);
}

}  // namespace
}  // namespace vdr
