#include "saver/wake_rule.h"

#include <cstdlib>

namespace kestrova::saver {

bool WakeRule::MovedFar(int x, int y) {
  if (!rest_) {
    rest_ = Point{x, y};
    return false;
  }
  // Compared as 64-bit: screen coordinates from a message may be anything.
  long long dx = std::llabs(static_cast<long long>(x) - rest_->x);
  long long dy = std::llabs(static_cast<long long>(y) - rest_->y);
  return dx > tolerance_ || dy > tolerance_;
}

}  // namespace kestrova::saver
