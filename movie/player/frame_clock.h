// FrameClock: how many frames of a movie are due at a moment, so that a
// movie keeps its rate whatever the granularity of the timer that wakes it.
//
//   FrameClock clock(player.FramePeriod());
//   clock.Start(FrameClock::Clock::now());
//   // on every timer tick:
//   for (int n = clock.FramesDue(FrameClock::Clock::now()); n > 0; --n) player.Advance();
//
// A late tick advances the frames it missed, up to a limit: a machine too
// slow for the movie lets time go rather than fall ever further behind.
#pragma once

#include <chrono>

namespace kestrova::movie {

class FrameClock {
 public:
  using Clock = std::chrono::steady_clock;

  explicit FrameClock(std::chrono::microseconds period, int maxCatchUp = 4);

  std::chrono::microseconds Period() const { return period_; }
  // The first frame is due one period after `now`.
  void Start(Clock::time_point now);
  // Frames to advance at `now`: 0 when the tick came early, at most
  // maxCatchUp when it came very late.
  int FramesDue(Clock::time_point now);

 private:
  std::chrono::microseconds period_;
  int max_catch_up_;
  Clock::time_point next_{};
};

}  // namespace kestrova::movie
