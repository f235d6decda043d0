// Twips: the SWF length unit, 1/20 of a pixel. Kept as a type so that file
// coordinates are never mistaken for pixels.
#pragma once

#include <cstdint>

namespace kestrova::swf {

constexpr int kTwipsPerPixel = 20;

struct Twips {
  int32_t value = 0;

  constexpr float Pixels() const { return static_cast<float>(value) / kTwipsPerPixel; }
  static constexpr Twips FromPixels(int pixels) { return {pixels * kTwipsPerPixel}; }
  friend constexpr Twips operator+(Twips a, Twips b) { return {a.value + b.value}; }
  friend constexpr Twips operator-(Twips a, Twips b) { return {a.value - b.value}; }
  friend constexpr bool operator==(Twips a, Twips b) = default;
};

struct TwipsPoint {
  Twips x, y;
  friend constexpr bool operator==(TwipsPoint a, TwipsPoint b) = default;
};

struct TwipsRect {
  Twips xMin, xMax, yMin, yMax;
  constexpr Twips Width() const { return xMax - xMin; }
  constexpr Twips Height() const { return yMax - yMin; }
};

}  // namespace kestrova::swf
