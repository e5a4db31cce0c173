// The mouse state machine: movement once per frame, the two modes, wheel
// steps, buttons and the clamped position.

#include "input/mouse_tracker.h"

#include <gtest/gtest.h>

#include <limits>

namespace vdr {
namespace {

constexpr bool kPointer = true;
constexpr bool kCaptured = false;

TEST(MouseTrackerTest, CapturedMovementIsTakenOncePerFrame) {
  MouseTracker mouse;
  EXPECT_EQ(mouse.Position(), (MousePoint{100, 100}));
  mouse.AddMotion(5, 7);
  mouse.AddMotion(1, 0);
  MouseReading first = mouse.Read(kCaptured, {});
  EXPECT_EQ(first.dx, 6);
  EXPECT_EQ(first.dy, 7);
  EXPECT_EQ(mouse.Position(), (MousePoint{106, 107}));

  // Later reads in the same frame repeat it; new movement waits for the next frame.
  mouse.AddMotion(-3, 2);
  MouseReading second = mouse.Read(kCaptured, {});
  EXPECT_EQ(second.dx, 6);
  EXPECT_EQ(second.dy, 7);
  EXPECT_EQ(mouse.Position(), (MousePoint{106, 107}));

  mouse.MarkFreshRead();
  MouseReading next = mouse.Read(kCaptured, {});
  EXPECT_EQ(next.dx, -3);
  EXPECT_EQ(next.dy, 2);
  EXPECT_EQ(mouse.Position(), (MousePoint{103, 109}));
}

TEST(MouseTrackerTest, PointerModeMeasuresFromTheTrackedPosition) {
  MouseTracker mouse;
  mouse.SetPosition({10, 20});
  mouse.AddMotion(500, 500);  // device movement plays no part here
  MouseReading reading = mouse.Read(kPointer, {15, 12});
  EXPECT_EQ(reading.dx, 5);
  EXPECT_EQ(reading.dy, -8);
  EXPECT_EQ(mouse.Position(), (MousePoint{15, 12}));
  mouse.MarkFreshRead();
  reading = mouse.Read(kPointer, {15, 12});
  EXPECT_EQ(reading.dx, 0);
  EXPECT_EQ(reading.dy, 0);
}

TEST(MouseTrackerTest, WheelReadsOnlyItsDirection) {
  MouseTracker mouse;
  const struct {
    int steps[3];
    int wheel;
  } cases[] = {{{3, 0, 0}, 1}, {{-1, -4, 0}, -1}, {{0, 0, 0}, 0}, {{2, -2, 0}, 0}, {{120, 0, 0}, 1}};
  for (const auto& c : cases) {
    for (int steps : c.steps) mouse.AddWheel(steps);
    mouse.MarkFreshRead();
    EXPECT_EQ(mouse.Read(kCaptured, {}).wheel, c.wheel);
    EXPECT_EQ(mouse.Read(kCaptured, {}).wheel, c.wheel);  // repeated within the frame
  }
}

TEST(MouseTrackerTest, ButtonsAreTakenAtEveryReadAndClicksAreNotLost) {
  MouseTracker mouse;
  mouse.SetButton(kMouseRight, true);
  EXPECT_EQ(mouse.Read(kCaptured, {}).right, 1);
  mouse.SetButton(kMouseRight, false);
  EXPECT_EQ(mouse.Read(kCaptured, {}).right, 0);

  // Pressed and released between two reads: down for one read.
  mouse.SetButton(kMouseLeft, true);
  mouse.SetButton(kMouseLeft, false);
  MouseReading reading = mouse.Read(kCaptured, {});
  EXPECT_EQ(reading.left, 1);
  EXPECT_EQ(reading.right, 0);
  EXPECT_EQ(mouse.Read(kCaptured, {}).left, 0);

  mouse.SetButton(kMouseMiddle, true);
  mouse.ResetDevice(0b001);  // the window came back: left held, nothing else
  reading = mouse.Read(kCaptured, {});
  EXPECT_EQ(reading.left, 1);
  EXPECT_EQ(reading.middle, 0);
}

TEST(MouseTrackerTest, AClickIsReadWhereItWasMade) {
  // Pointer mode, the frame's position read before the click: the click is
  // at its own place, and the frame's movement stays.
  MouseTracker mouse;
  mouse.SetPosition({10, 10});
  EXPECT_EQ(mouse.Read(kPointer, {40, 40}).dx, 30);
  mouse.SetButton(kMouseLeft, true, {200, 150});
  mouse.SetButton(kMouseLeft, false);
  MouseReading reading = mouse.Read(kPointer, {200, 150});
  EXPECT_EQ(reading.left, 1);
  EXPECT_EQ(reading.dx, 30);
  EXPECT_EQ(mouse.Position(), (MousePoint{200, 150}));

  // Pointer mode, moved on after the click before the frame read it: the
  // click's place this frame, the pointer's the next.
  mouse.MarkFreshRead();
  mouse.SetButton(kMouseRight, true, {60, 70});
  mouse.SetButton(kMouseRight, false);
  reading = mouse.Read(kPointer, {90, 95});
  EXPECT_EQ(reading.right, 1);
  EXPECT_EQ(reading.dx, -140);
  EXPECT_EQ(mouse.Position(), (MousePoint{60, 70}));
  mouse.MarkFreshRead();
  reading = mouse.Read(kPointer, {90, 95});
  EXPECT_EQ(reading.right, 0);
  EXPECT_EQ(reading.dx, 30);
  EXPECT_EQ(mouse.Position(), (MousePoint{90, 95}));

  // Captured mode: the movement made before the press is taken with it, the
  // rest in the next frame.
  mouse.SetPosition({100, 100});
  mouse.MarkFreshRead();
  mouse.AddMotion(5, 1);
  mouse.SetButton(kMouseLeft, true);
  mouse.SetButton(kMouseLeft, false);
  mouse.AddMotion(7, 2);
  reading = mouse.Read(kCaptured, {});
  EXPECT_EQ(reading.left, 1);
  EXPECT_EQ(reading.dx, 5);
  EXPECT_EQ(mouse.Position(), (MousePoint{105, 101}));
  mouse.MarkFreshRead();
  reading = mouse.Read(kCaptured, {});
  EXPECT_EQ(reading.dx, 7);
  EXPECT_EQ(reading.dy, 2);
  EXPECT_EQ(mouse.Position(), (MousePoint{112, 103}));
}

TEST(MouseTrackerTest, PressesBetweenTwoReadsAreCounted) {
  MouseTracker mouse;
  for (int i = 0; i < 2; ++i) {
    mouse.SetButton(kMouseLeft, true, {5, 5});
    mouse.SetButton(kMouseLeft, false, {5, 5});
  }
  EXPECT_EQ(mouse.Read(kPointer, {5, 5}).left, 1);
  EXPECT_EQ(mouse.PressesAtLastRead(kMouseLeft), 2);
  EXPECT_EQ(mouse.PressesAtLastRead(kMouseRight), 0);
  mouse.Read(kPointer, {5, 5});
  EXPECT_EQ(mouse.PressesAtLastRead(kMouseLeft), 0);
}

TEST(MouseTrackerTest, ClampedPositionBecomesTheTrackedPosition) {
  MouseTracker mouse;
  mouse.SetPosition({-40, 900});
  EXPECT_EQ(mouse.ClampToScreen(320, 240), (MousePoint{0, 239}));
  EXPECT_EQ(mouse.Position(), (MousePoint{0, 239}));
  const MouseReading reading = mouse.Read(kPointer, {30, 200});
  EXPECT_EQ(reading.dx, 30);
  EXPECT_EQ(reading.dy, -39);
  EXPECT_EQ(mouse.ClampToScreen(0, 0), (MousePoint{0, 0}));
}

TEST(MouseTrackerTest, FarPositionsSaturateInsteadOfOverflowing) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  MouseTracker mouse;
  mouse.SetPosition({kMax - 1, kMin + 1});
  mouse.AddMotion(100, -100);
  MouseReading reading = mouse.Read(kCaptured, {});
  EXPECT_EQ(mouse.Position(), (MousePoint{kMax, kMin}));
  mouse.AddMotion(70000, 0);
  mouse.MarkFreshRead();
  reading = mouse.Read(kCaptured, {});
  EXPECT_EQ(reading.dx, 32767);

  mouse.SetPosition({kMin, 0});
  mouse.MarkFreshRead();
  reading = mouse.Read(kPointer, {5, 0});
  EXPECT_EQ(reading.dx, 32767);
  EXPECT_EQ(mouse.Position(), (MousePoint{5, 0}));
}

TEST(PointerMappingTest, WindowPixelsMapToScreenPixelsAndBack) {
  const PointerMapping scaled{3, 240, 60};
  EXPECT_EQ(scaled.ToLogical({240, 60}), (MousePoint{0, 0}));
  EXPECT_EQ(scaled.ToLogical({242, 62}), (MousePoint{0, 0}));
  EXPECT_EQ(scaled.ToLogical({960, 420}), (MousePoint{240, 120}));
  // In the bars: below zero on the left and above, past the screen beyond.
  EXPECT_EQ(scaled.ToLogical({239, 59}), (MousePoint{-1, -1}));
  EXPECT_EQ(scaled.ToLogical({0, 0}), (MousePoint{-80, -20}));
  EXPECT_EQ(scaled.ToLogical({1919, 1079}), (MousePoint{559, 339}));
  EXPECT_EQ(scaled.ToWindow({240, 120}), (MousePoint{961, 421}));
  for (const MousePoint p : {MousePoint{0, 0}, MousePoint{479, 319}, MousePoint{-5, 7}}) {
    EXPECT_EQ(scaled.ToLogical(scaled.ToWindow(p)), p);
  }
  // Scale 1 at the corner changes nothing.
  const PointerMapping plain;
  EXPECT_EQ(plain.ToLogical({17, -3}), (MousePoint{17, -3}));
  EXPECT_EQ(plain.ToWindow({17, -3}), (MousePoint{17, -3}));
  // Extreme positions saturate instead of overflowing.
  const PointerMapping big{16, 0, 0};
  EXPECT_EQ(big.ToWindow({std::numeric_limits<int32_t>::max(), 0}).x, std::numeric_limits<int32_t>::max());
  const PointerMapping zero{0, 0, 0};
  EXPECT_EQ(zero.ToLogical({5, 5}), (MousePoint{5, 5}));  // a zero scale counts as 1
}

}  // namespace
}  // namespace vdr
