// The input commands in a real window on the test's own X server, driven by
// real X input (xdotool, which goes through the server like a keyboard and a
// mouse would) and an SDL virtual joystick.

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "app/engine_state.h"
#include "app/frame_cycle.h"
#include "app/frame_steps.h"
#include "app/window_events.h"
#include "files/runtime_log.h"
#include "gfx2d/render_context.h"
#include "input/input_commands.h"
#include "input/input_context.h"
#include "input/key_codes.h"
#include "modal/input_waits.h"
#include "modal/screen_commands.h"
#include "tests/support/engine_harness.h"
#include "tests/support/scripted_user.h"
#include "tests/support/x_server_sync.h"

namespace vdr {
namespace {

// Runs once, from inside the message pump, before the next window message.
std::function<void()> g_onNextMessage;
void OnWindowMessage() {
  if (!g_onNextMessage) return;
  const std::function<void()> action = std::move(g_onNextMessage);
  g_onNextMessage = nullptr;
  action();
}
const ProcedureEntry kProcedures[] = {{OnWindowMessage, "VDR_WIN32_MSG"}, {nullptr, nullptr}};

using test::SyncWithServer;

void Drive(const std::string& arguments) {
  ASSERT_EQ(test::Xdotool(arguments), 0) << arguments;
  SyncWithServer();
}

// Gives the pump a window message, so that the message callback runs.
void PostMessage() {
  SDL_Event event{};
  event.type = SDL_USEREVENT;
  SDL_PushEvent(&event);
}

MousePoint PointerOnScreen() {
  MousePoint at{-1, -1};
  if (std::FILE* out = popen("xdotool getmouselocation", "r")) {
    if (std::fscanf(out, "x:%d y:%d", &at.x, &at.y) != 2) at = {-1, -1};
    pclose(out);
  }
  return at;
}

MousePoint PointerInWindow() {
  int x = 0, y = 0;
  SDL_GetWindowPosition(Engine().Window(), &x, &y);
  const MousePoint screen = PointerOnScreen();
  return {screen.x - x, screen.y - y};
}

MousePoint MouseStatePosition() {
  int32_t x, y, left, right;
  MouseState(x, y, left, right);
  return {x, y};
}

// Start-up and shutdown, each in a process of its own.
class InputLifecycleTest : public testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(InputLifecycleTest, CapturedStartHidesThePointerAndShutdownShowsItAtTheTrackedPosition) {
  EXPECT_EXIT(
      {
        test::StartEngine({.captureMouse = 1});
        std::fprintf(stderr, "captured %d shown %d\n", SDL_GetRelativeMouseMode() == SDL_TRUE ? 1 : 0,
                     ActiveInput()->PointerShown() ? 1 : 0);
        SetMousePosition(25, 35);
        int x;
        int y;
        SDL_GetWindowPosition(Engine().Window(), &x, &y);
        EngineShutdown();
        const MousePoint pointer = PointerOnScreen();
        std::fprintf(stderr, "pointer at %d,%d, relative mode %d\n", pointer.x - x, pointer.y - y,
                     SDL_GetRelativeMouseMode() == SDL_TRUE ? 1 : 0);
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "captured 1 shown 0\npointer at 25,35, relative mode 0");
  for (const std::string& line : test::ReadRuntimeLog()) EXPECT_EQ(line.rfind("No DX_", 0), std::string::npos) << line;
}

TEST_F(InputLifecycleTest, PointerModeStartShowsThePointer) {
  EXPECT_EXIT(
      {
        test::StartEngine({.captureMouse = 0});
        std::fprintf(stderr, "captured %d shown %d cursor %d\n", SDL_GetRelativeMouseMode() == SDL_TRUE ? 1 : 0,
                     ActiveInput()->PointerShown() ? 1 : 0, SDL_ShowCursor(SDL_QUERY));
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "captured 0 shown 1 cursor 1");
}

// The following tests share one engine, in pointer mode, with one virtual
// joystick attached before start-up.
SDL_Joystick* g_pad = nullptr;

class InputWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = 6;
    pad.nbuttons = 4;
    pad.nhats = 1;
    pad.name = "Test pad";
    const int index = SDL_JoystickAttachVirtualEx(&pad);
    test::StartEngine({.captureMouse = 0, .procedures = kProcedures});
    g_pad = SDL_JoystickOpen(index);
    AutoPause(0);  // focus events pushed by the tests must not hold the frame cycle
    Drive("windowfocus --sync %w mousemove --window %w 160 120");
    ShowScreen();
  }
};

TEST_F(InputWindowTest, KeyDownReadsKeysByTheirPosition) {
  Drive("keydown s keydown y keydown z");
  EXPECT_EQ(KeyDown(31), 1);
  EXPECT_EQ(KeyDown(21), 1);  // the key right of T
  EXPECT_EQ(KeyDown(44), 1);  // the key right of the left Shift
  EXPECT_EQ(KeyDown(31 + 256), 1);  // only the low 8 bits count
  EXPECT_EQ(KeyDown(30), 0);
  Drive("keyup s keyup y keyup z");
  EXPECT_EQ(KeyDown(31), 0);
  EXPECT_EQ(KeyDown(21), 0);
  EXPECT_EQ(KeyDown(44), 0);
}

TEST_F(InputWindowTest, AQuickTapIsSeenUntilTheEndOfTheNextFrame) {
  Drive("key s");  // pressed and released before any poll saw it
  ShowScreen();
  EXPECT_EQ(KeyDown(31), 1);  // the frame's own poll did not use it up
  ShowScreen();
  EXPECT_EQ(KeyDown(31), 1);
  ShowScreen();
  EXPECT_EQ(KeyDown(31), 0);
}

TEST_F(InputWindowTest, GermanLayoutKeepsTheCodesAndTypesItsOwnLetters) {
  ASSERT_EQ(std::system("setxkbmap de"), 0);
  SyncWithServer();
  TypedChar();
  Drive("keydown z");  // on a German board Z sits where a US board has Y
  EXPECT_EQ(KeyDown(21), 1);
  EXPECT_EQ(KeyDown(44), 0);
  EXPECT_EQ(TypedChar(), "z");
  Drive("keyup z keydown y");
  EXPECT_EQ(KeyDown(44), 1);
  EXPECT_EQ(TypedChar(), "y");
  Drive("keyup y");
  EXPECT_EQ(TypedChar(), "");
  Drive("keydown ISO_Level3_Shift keydown q");  // AltGr
  EXPECT_EQ(TypedChar(), "@");
  Drive("keyup q keyup ISO_Level3_Shift keydown shift keydown 7");
  EXPECT_EQ(TypedChar(), "/");
  Drive("keyup 7 keyup shift");
  EXPECT_EQ(TypedChar(), "");
  ASSERT_EQ(std::system("setxkbmap us"), 0);
  SyncWithServer();
}

TEST_F(InputWindowTest, TypedCharTypesAHeldKeyOnce) {
  Drive("keydown a");
  EXPECT_EQ(TypedChar(), "a");
  EXPECT_EQ(TypedChar(), "");
  EXPECT_EQ(TypedChar(), "");
  Drive("keydown q");  // a lower scan code wins at once
  EXPECT_EQ(TypedChar(), "q");
  Drive("keyup q keyup a");
  EXPECT_EQ(TypedChar(), "");

  Drive("keydown q keydown s");  // a higher one waits for the release
  EXPECT_EQ(TypedChar(), "q");
  EXPECT_EQ(TypedChar(), "");
  Drive("keyup q");
  EXPECT_EQ(TypedChar(), "s");
  Drive("keyup s");
  EXPECT_EQ(TypedChar(), "");
}

TEST_F(InputWindowTest, TypedCharShiftEnterBackspaceAndEscape) {
  SetEscapeEnds(0);  // the frame cycle sees the Escape typed here too
  const struct {
    const char* keys;
    RuntimeString typed;
  } cases[] = {
      {"shift+a", "A"},         {"shift+1", "!"},     {"shift+minus", "_"}, {"shift+semicolon", ":"},
      {"shift+slash", "?"},     {"shift+2", "@"},     {"Return", "\n"}, {"KP_Enter", "\n"}, {"BackSpace", "\b"}, {"Escape", ""}, {"Tab", ""},
  };
  for (const auto& c : cases) {
    std::string down, up;
    for (size_t start = 0, end; start != std::string::npos; start = end == std::string::npos ? end : end + 1) {
      end = std::string(c.keys).find('+', start);
      const std::string key = std::string(c.keys).substr(start, end - start);
      down += " keydown " + key;
      up = " keyup " + key + up;
    }
    Drive(down);
    const RuntimeString typed = TypedChar();
    EXPECT_EQ(typed, c.typed) << c.keys;
    EXPECT_EQ(typed.length(), c.typed.length()) << c.keys;
    Drive(up);
    EXPECT_EQ(TypedChar(), "");
  }
  EXPECT_EQ(KeyDown(1), 0);
  ShowScreen();
  SetEscapeEnds(1);
}

TEST_F(InputWindowTest, APressTheProgramSawEndedStillReachesTheEndKeys) {
  InputContext& input = *ActiveInput();
  ShowScreen();
  EXPECT_FALSE(input.HeldOrPressedSinceLastLook(kKeyEscape));
  Drive("keydown Escape");
  EXPECT_EQ(KeyDown(1), 1);  // the program's own poll sees it held
  Drive("keyup Escape");
  EXPECT_EQ(KeyDown(1), 0);  // and let go before the frame cycle looks
  EXPECT_TRUE(input.HeldOrPressedSinceLastLook(kKeyEscape));
  EXPECT_FALSE(input.HeldOrPressedSinceLastLook(kKeyEscape));  // each look starts anew
}

TEST_F(InputWindowTest, KeySnapshotKeepsItsStateWhileTheWindowIsAway) {
  Drive("keydown s");
  EXPECT_EQ(KeyDown(31), 1);
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  PumpMessages(nullptr);
  Drive("keyup s keydown a");
  EXPECT_EQ(KeyDown(31), 1);
  EXPECT_EQ(KeyDown(30), 0);
  // Back again, the snapshot follows the keyboard as it is now.
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  PumpMessages(nullptr);
  EXPECT_EQ(KeyDown(31), 0);
  EXPECT_EQ(KeyDown(30), 1);
  Drive("keyup a");
  EXPECT_EQ(KeyDown(30), 0);
}

TEST_F(InputWindowTest, MouseStateClampsThePointerOutsideTheWindow) {
  Drive("mousemove 2 3");
  ShowScreen();
  EXPECT_EQ(MouseStatePosition(), (MousePoint{0, 0}));
  Drive("mousemove --window %w 100 50");
  ShowScreen();
  // The movement counts from the clamped position.
  EXPECT_EQ(MouseAxis(0), 100);
  EXPECT_EQ(MouseAxis(1), 50);
  EXPECT_EQ(MouseStatePosition(), (MousePoint{100, 50}));
  Drive("mousemove 1270 1020");
  ShowScreen();
  EXPECT_EQ(MouseStatePosition(), (MousePoint{319, 239}));
  EXPECT_EQ(ActiveInput()->MousePosition(), (MousePoint{319, 239}));
}

TEST_F(InputWindowTest, ReadsInOneFrameAgreeOnMovement) {
  Drive("mousemove --window %w 50 50");
  ShowScreen();
  MouseAxis(0);
  ShowScreen();
  Drive("mousemove_relative 10 4");
  EXPECT_EQ(MouseStatePosition(), (MousePoint{60, 54}));
  EXPECT_EQ(MouseAxis(0), 10);
  Drive("mousemove_relative 7 0");
  EXPECT_EQ(MouseAxis(0), 10);
  EXPECT_EQ(MouseAxis(1), 4);
  EXPECT_EQ(MouseStatePosition(), (MousePoint{60, 54}));
  ShowScreen();
  EXPECT_EQ(MouseAxis(0), 7);
  EXPECT_EQ(MouseAxis(1), 0);
}

TEST_F(InputWindowTest, WheelReadsOneStepPerFrame) {
  Drive("mousemove --window %w 50 50 click 4 click 4 click 4");
  ShowScreen();
  EXPECT_EQ(MouseAxis(2), 1);
  EXPECT_EQ(MouseAxis(2), 1);
  Drive("click 5");
  ShowScreen();
  EXPECT_EQ(MouseAxis(2), -1);
  ShowScreen();
  EXPECT_EQ(MouseAxis(2), 0);
}

TEST_F(InputWindowTest, MouseButtons) {
  Drive("mousemove --window %w 50 50 mousedown 1");
  int32_t x, y, left, right;
  MouseState(x, y, left, right);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(right, 0);
  EXPECT_EQ(MouseAxis(3), 1);
  Drive("mouseup 1 mousedown 2");
  EXPECT_EQ(MouseAxis(3), 0);
  EXPECT_EQ(MouseAxis(5), 1);
  Drive("mouseup 2 click 3");  // a click between two reads still shows once
  EXPECT_EQ(MouseAxis(4), 1);
  EXPECT_EQ(MouseAxis(4), 0);
  EXPECT_EQ(MouseAxis(6), 0);
  EXPECT_EQ(MouseCount(), 1);
}

TEST_F(InputWindowTest, AQuickClickIsReadWhereItWasMade) {
  Drive("mousemove --window %w 40 40");
  ShowScreen();
  EXPECT_EQ(MouseStatePosition(), (MousePoint{40, 40}));
  // Moved, then clicked and let go before the next frame.
  Drive("mousemove --window %w 200 150 click 1");
  int32_t x, y, left, right;
  MouseState(x, y, left, right);
  EXPECT_EQ(left, 1);
  EXPECT_EQ((MousePoint{x, y}), (MousePoint{200, 150}));
}

TEST_F(InputWindowTest, SetMousePositionMovesOnlyTheTrackedPosition) {
  Drive("mousemove --window %w 60 70");
  ShowScreen();
  MouseAxis(0);
  SetMousePosition(10.9, 20);
  EXPECT_EQ(ActiveInput()->MousePosition(), (MousePoint{10, 20}));
  ShowScreen();
  EXPECT_EQ(MouseAxis(0), 50);
  EXPECT_EQ(MouseAxis(1), 50);
  EXPECT_EQ(PointerInWindow(), (MousePoint{60, 70}));
}

TEST_F(InputWindowTest, CapturedModeFollowsTheDeviceMovementAndShowsThePointerWhereItEnded) {
  Drive("mousemove --window %w 100 100");
  ShowPointer(0);
  EXPECT_FALSE(ActiveInput()->PointerShown());
  EXPECT_EQ(SDL_GetRelativeMouseMode(), SDL_TRUE);
  SetMousePosition(40, 30);
  ShowScreen();
  MouseAxis(0);
  Drive("mousemove_relative 5 7");
  ShowScreen();
  EXPECT_EQ(MouseAxis(0), 5);
  EXPECT_EQ(MouseAxis(1), 7);
  EXPECT_EQ(MouseStatePosition(), (MousePoint{45, 37}));

  ShowPointer(1);
  EXPECT_EQ(SDL_GetRelativeMouseMode(), SDL_FALSE);
  EXPECT_EQ(PointerInWindow(), (MousePoint{45, 37}));
  ShowScreen();
  EXPECT_EQ(MouseAxis(0), 0);
  EXPECT_EQ(MouseStatePosition(), (MousePoint{45, 37}));
}

TEST_F(InputWindowTest, DisplayModeChangeKeepsTheMouseModeAndTheNewScreenClamps) {
  ShowPointer(0);
  SetScreen(400, 300, 0);
  EXPECT_EQ(SDL_GetRelativeMouseMode(), SDL_TRUE);
  ShowPointer(1);
  SetScreen(400, 300, 0);
  EXPECT_EQ(SDL_GetRelativeMouseMode(), SDL_FALSE);
  Drive("mousemove 1270 1020");
  ShowScreen();
  EXPECT_EQ(MouseStatePosition(), (MousePoint{399, 299}));
  SetScreen(320, 240, 0);
}

TEST_F(InputWindowTest, VirtualJoystickReadings) {
  EXPECT_EQ(JoystickCount(), 1);
  EXPECT_EQ(JoystickName(0), "Test pad, Test pad");
  EXPECT_EQ(JoystickName(-1), "");
  EXPECT_EQ(JoystickName(1), "");

  int32_t x, y, b1, b2;
  JoystickState(x, y, b1, b2);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(JoystickHatX(0), 0);  // centred hat
  EXPECT_EQ(JoystickHatY(0), 0);

  SDL_JoystickSetVirtualAxis(g_pad, 0, 32767);
  SDL_JoystickSetVirtualAxis(g_pad, 1, -32768);
  SDL_JoystickSetVirtualAxis(g_pad, 2, 16384);
  SDL_JoystickSetVirtualAxis(g_pad, 5, -8192);
  SDL_JoystickSetVirtualHat(g_pad, 0, SDL_HAT_RIGHTUP);
  SDL_JoystickSetVirtualButton(g_pad, 1, SDL_PRESSED);
  double dx, dy, d1, d2;
  JoystickState(dx, dy, d1, d2);
  EXPECT_EQ(dx, 1);
  EXPECT_EQ(dy, -1);
  EXPECT_EQ(d1, 0);
  EXPECT_EQ(d2, 128);
  EXPECT_EQ(JoystickX(0), 1.0);
  EXPECT_EQ(JoystickY(0), -1.0);
  EXPECT_NEAR(JoystickZ(0), 0.5, 1e-4);
  EXPECT_NEAR(JoystickRZ(0), -0.25, 1e-4);
  EXPECT_EQ(JoystickRX(0), 0.0);
  EXPECT_EQ(JoystickHatX(0), 1);
  EXPECT_EQ(JoystickHatY(0), -1);
  EXPECT_EQ(JoystickButton(0, 1), 128);
  EXPECT_EQ(JoystickButton(0, 0), 0);
  EXPECT_EQ(JoystickButton(0, 32), 0);

  SDL_JoystickSetVirtualAxis(g_pad, 0, 29999);
  SDL_JoystickSetVirtualAxis(g_pad, 1, -29999);
  JoystickState(x, y, b1, b2);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);

  // Absent joysticks read as centred and released.
  EXPECT_EQ(JoystickX(1), 0.0);
  EXPECT_EQ(JoystickHatY(9), 0);
  EXPECT_EQ(JoystickButton(-1, 1), 0);
  // No force feedback on this device: nothing happens.
  JoystickForce(0, 100, 1, 0.5);
  JoystickForce(7, 100, 1, 0.5);

  for (int axis = 0; axis < 6; ++axis) SDL_JoystickSetVirtualAxis(g_pad, axis, 0);
  SDL_JoystickSetVirtualHat(g_pad, 0, SDL_HAT_CENTERED);
  SDL_JoystickSetVirtualButton(g_pad, 1, SDL_RELEASED);
}

// Each wait begins with nothing held and the mouse at rest; the input comes
// from inside the wait's own message pump, so the wait has to notice it.
TEST_F(InputWindowTest, WaitAnyInputReturnsOnAJoystickButtonAMouseMoveAndAClick) {
  Drive("mousemove --window %w 80 80");
  ShowScreen();
  const std::function<void()> inputs[] = {
      [] { SDL_JoystickSetVirtualButton(g_pad, 3, SDL_PRESSED); },
      [] { Drive("mousemove_relative 3 0"); },
      [] { Drive("mousedown 1"); },
  };
  for (const auto& input : inputs) {
    g_onNextMessage = input;
    PostMessage();
    WaitAnyInput();
    EXPECT_FALSE(g_onNextMessage);
  }
  SDL_JoystickSetVirtualButton(g_pad, 3, SDL_RELEASED);
  Drive("mouseup 1");
  ShowScreen();
}

TEST_F(InputWindowTest, WaitAnyInputIsNotEndedByATapTheProgramHasSeen) {
  Drive("key s");
  ShowScreen();
  ASSERT_EQ(KeyDown(31), 1);  // the tap still shows in this frame
  // The user moves the mouse a tenth of a second into the wait.
  const auto start = std::chrono::steady_clock::now();
  std::function<void()> user = [&] {
    if (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(100)) {
      g_onNextMessage = user;
      return;
    }
    Drive("mousemove_relative 3 0");
  };
  g_onNextMessage = user;
  {
    test::MessageStream messages;
    WaitAnyInput();
  }
  EXPECT_FALSE(g_onNextMessage) << "the wait ended on the old tap";
  g_onNextMessage = nullptr;
  ShowScreen();
}

TEST_F(InputWindowTest, KeyWaitTakesASecondTapOfTheKeyJustTyped) {
  Drive("key space");
  ASSERT_EQ(TypedChar(), " ");
  // The user taps Space again from inside the wait. Should the wait not see
  // it, a tap of A ends it after a while, and the test fails.
  int pumps = 0;
  bool rescued = false;
  std::function<void()> user = [&] {
    ++pumps;
    if (pumps == 1) Drive("key space");
    if (pumps == 300) {
      rescued = true;
      Drive("key a");
      return;
    }
    g_onNextMessage = user;
  };
  g_onNextMessage = user;
  {
    test::MessageStream messages;
    KeyWait();
  }
  g_onNextMessage = nullptr;
  EXPECT_FALSE(rescued);
  ShowScreen();
}

TEST_F(InputWindowTest, KeyWaitReturnsOnceAKeyTypesACharacter) {
  std::atomic<bool> letterPressed = false;
  std::thread user([&] {
    std::system("sleep 0.2; xdotool keydown shift; sleep 0.2");
    letterPressed = true;
    std::system("xdotool keydown a; sleep 0.2; xdotool keyup a keyup shift");
  });
  KeyWait();
  EXPECT_TRUE(letterPressed);
  user.join();
  SyncWithServer();
  EXPECT_EQ(TypedChar(), "");
}

TEST_F(InputWindowTest, MouseWaitReturnsOnceAButtonWasPressedAndReleased) {
  Drive("mousemove --window %w 80 80");
  std::atomic<bool> released = false;
  std::thread user([&] {
    std::system("sleep 0.2; xdotool mousedown 3; sleep 0.2");
    released = true;
    std::system("xdotool mouseup 3");
  });
  MouseWait();
  EXPECT_TRUE(released);
  user.join();
}

}  // namespace
}  // namespace vdr
