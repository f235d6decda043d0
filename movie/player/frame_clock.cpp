#include "movie/player/frame_clock.h"

#include <algorithm>

namespace kestrova::movie {

FrameClock::FrameClock(std::chrono::microseconds period, int maxCatchUp)
    : period_(std::max(period, std::chrono::microseconds(1))),
      max_catch_up_(std::max(maxCatchUp, 1)) {}

void FrameClock::Start(Clock::time_point now) { next_ = now + period_; }

int FrameClock::FramesDue(Clock::time_point now) {
  if (now < next_) return 0;
  auto late = now - next_;
  auto due = 1 + late / period_;
  if (due > max_catch_up_) {
    // Too far behind: show one step more and start counting afresh.
    next_ = now + period_;
    return max_catch_up_;
  }
  next_ += due * period_;
  return static_cast<int>(due);
}

}  // namespace kestrova::movie
