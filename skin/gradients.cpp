#include "skin/gradients.h"

#include <cmath>

#include "skin/blit.h"

namespace kestrova::skin {

uint32_t GradientStep(uint32_t c1, uint32_t c2, int span, int factor) {
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = static_cast<int>((c1 >> shift) & 0xFF);
    const int b = static_cast<int>((c2 >> shift) & 0xFF);
    const double moved = std::trunc(static_cast<double>(b - a) / span * factor);
    result |= static_cast<uint32_t>(a + static_cast<int>(moved)) << shift;
  }
  return result;
}

// Both fills draw the first line, the steps, and then the last line over
// whatever came before it (for a one-line area, over the first).
void DrawVerticalGradient(PixelView target, Rect area, uint32_t top, uint32_t bottom) {
  const int L = area.left, T = area.top, R = area.right, B = area.bottom;
  if (B <= T) return;
  FillRect(target, {L, T, R, T + 1}, top);
  for (int y = T + 1; y <= B - 2; ++y) {
    FillRect(target, {L, y, R, y + 1}, GradientStep(top, bottom, B - T, y - T - 1));
  }
  FillRect(target, {L, B - 1, R, B}, bottom);
}

void DrawHorizontalGradient(PixelView target, Rect area, uint32_t left, uint32_t right) {
  const int L = area.left, T = area.top, R = area.right, B = area.bottom;
  if (R <= L) return;
  FillRect(target, {L, T, L + 1, B}, left);
  for (int x = L + 1; x <= R - 2; ++x) {
    FillRect(target, {x, T, x + 1, B}, GradientStep(left, right, R - L, x - L));
  }
  FillRect(target, {R - 1, T, R, B}, right);
}

}  // namespace kestrova::skin
