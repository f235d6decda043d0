// WakeRule: when a mouse movement ends the screensaver. The first position
// seen is where the mouse rests (Windows reports it once as the window
// appears); the screensaver ends when the mouse is later seen more than
// `tolerance` pixels from it along either axis, so a desk's tremor does not
// wake the screen.
#pragma once

#include <optional>

namespace kestrova::saver {

inline constexpr int kWakeTolerance = 4;

class WakeRule {
 public:
  explicit WakeRule(int tolerance = kWakeTolerance) : tolerance_(tolerance) {}

  // True when the mouse at (x, y) has moved far enough to end the screensaver.
  bool MovedFar(int x, int y);

 private:
  struct Point {
    int x, y;
  };
  int tolerance_;
  std::optional<Point> rest_;
};

}  // namespace kestrova::saver
