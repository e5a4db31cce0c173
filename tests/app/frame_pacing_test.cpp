#include "app/frame_pacing.h"

#include <gtest/gtest.h>

#include <vector>

namespace vdr {
namespace {

TEST(FramePacingTest, PeriodFromFramesPerSecond) {
  struct Case { double fps; double period; };
  for (Case c : {Case{60, 1000.0 / 60}, Case{0, 2.0}, Case{-5, 2.0}, Case{30.9, 1000.0 / 30}, Case{0.5, 2.0}}) {
    EXPECT_DOUBLE_EQ(FramePeriodFor(c.fps), c.period) << c.fps;
  }
}

TEST(FramePacingTest, ScheduleAdvancesByOneOrTwoPeriodsOrRestarts) {
  const double period = 1000.0 / 60;
  // On time: one period on.
  EXPECT_DOUBLE_EQ(AdvanceSchedule(100, period, 100), 100 + period);
  // 20 ms late: caught up by two periods, not reset.
  EXPECT_DOUBLE_EQ(AdvanceSchedule(100, period, 120), 100 + 2 * period);
  // A 100 ms stall: the next frame is due one period after the stall.
  EXPECT_DOUBLE_EQ(AdvanceSchedule(100, period, 200), 200 + period);
}

// A fake clock that advances by what the loop sleeps and by 0.25 ms per poll.
struct FakeTime {
  double now = 0;
  std::vector<int> sleeps;
  int pumps = 0;
  PacingHooks Hooks() {
    return PacingHooks{[this] { return now += 0.25; }, [this](int ms) { sleeps.push_back(ms); now += ms; },
                       [this] { ++pumps; }};
  }
};

TEST(FramePacingTest, SleepsOnlyWhileMoreThanSevenMillisecondsRemain) {
  FakeTime time;
  const double leftAt = WaitForFrameSlot(16.67, time.Hooks());
  ASSERT_EQ(time.sleeps.size(), 1u);
  EXPECT_EQ(time.sleeps[0], 13);  // trunc(16.42 - 3)
  EXPECT_GT(leftAt, 15.67);       // the last milliseconds are polled, pumping messages
  EXPECT_LE(leftAt, 16.67);
  EXPECT_GT(time.pumps, 4);
}

TEST(FramePacingTest, LateFrameDoesNotWait) {
  FakeTime time;
  time.now = 50;
  WaitForFrameSlot(16.67, time.Hooks());
  EXPECT_TRUE(time.sleeps.empty());
  EXPECT_EQ(time.pumps, 1);
}

}  // namespace
}  // namespace vdr
