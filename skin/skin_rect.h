// Rectangles of the skin engine's pixel routines: (left, top, right, bottom)
// in pixels, right and bottom exclusive.
#pragma once

#include <algorithm>

namespace kestrova::skin {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

constexpr Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// The skin engine's hit test: all four sides count as inside, the right and
// bottom edges included (unlike the half-open rule of the rectangles above).
constexpr bool InRect(int x, int y, const Rect& r) {
  return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

}  // namespace kestrova::skin
