// FrameClock: the frames due at a moment keep the movie's rate whatever the
// ticks that ask, and a long stall costs time, not a burst of frames.
#include "movie/player/frame_clock.h"

#include <gtest/gtest.h>

namespace kestrova::movie {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using Time = FrameClock::Clock::time_point;

TEST(FrameClock, TicksOnTimeAdvanceOneFrameEach) {
  FrameClock clock(milliseconds(40));
  Time t0{};
  clock.Start(t0);
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(39)), 0) << "early";
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(40)), 1);
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(41)), 0) << "the same frame is not due twice";
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(80)), 1);
}

// A 15.6 ms system tick makes a 40 ms timer fire every 46.8 ms: the clock
// still gives 25 frames in a second.
TEST(FrameClock, CoarseTicksKeepTheRate) {
  FrameClock clock(milliseconds(40));
  Time t0{};
  clock.Start(t0);
  int frames = 0;
  for (int tick = 1; tick * 46800 <= 1000000; ++tick)
    frames += clock.FramesDue(t0 + microseconds(tick * 46800));
  EXPECT_EQ(frames, 25 - 1) << "the last tick, at 982.8 ms, is before the 25th frame";
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(1000)), 1);
}

TEST(FrameClock, NonWholePeriodsDoNotDrift) {
  FrameClock clock(microseconds(41667));  // 24 frames a second
  Time t0{};
  clock.Start(t0);
  int frames = 0;
  for (int ms = 1; ms <= 10000; ++ms) frames += clock.FramesDue(t0 + milliseconds(ms));
  EXPECT_EQ(frames, 239) << "10 s at 24 fps, the 240th frame due at 10.00008 s";
}

TEST(FrameClock, AStallCatchesUpOnlyALittle) {
  FrameClock clock(milliseconds(40), 4);
  Time t0{};
  clock.Start(t0);
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(125)), 3) << "within the limit: all missed frames";
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(5000)), 4) << "over it: the limit";
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(5039)), 0) << "then counted afresh from the stall";
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(5040)), 1);
}

TEST(FrameClock, RefusesAZeroPeriodOrLimit) {
  FrameClock clock(microseconds(0), 0);
  EXPECT_EQ(clock.Period(), microseconds(1));
  Time t0{};
  clock.Start(t0);
  EXPECT_EQ(clock.FramesDue(t0 + milliseconds(10)), 1);
}

}  // namespace
}  // namespace kestrova::movie
